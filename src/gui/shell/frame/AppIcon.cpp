#include "shell/frame/AppIcon.h"

// The icons are compiled into this static library; nothing else refers to them, so the linker
// would drop them unless they are registered by name.
static void InitIconResource() {
    Q_INIT_RESOURCE(rungpad_icons);
}

namespace rungpad {

QIcon AppIcon::Get() {
    static const QIcon icon = [] {
        InitIconResource();
        QIcon sizes;
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            sizes.addFile(QStringLiteral(":/icons/rungpad-%1.png").arg(size), QSize(size, size));
        }
        return sizes;
    }();
    return icon;
}

}  // namespace rungpad
