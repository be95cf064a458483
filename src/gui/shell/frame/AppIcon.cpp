#include "shell/frame/AppIcon.h"

#include <vector>

#include "shell/frame/FileIconEngine.h"

// The icons are compiled into this static library; nothing else refers to them, so the linker
// would drop them unless they are registered by name.
static void InitIconResource() {
    Q_INIT_RESOURCE(rungpad_icons);
}

namespace rungpad {

QIcon AppIcon::Get() {
    static const QIcon icon = [] {
        InitIconResource();
        std::vector<FileIconEngine::File> files;
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            files.push_back(
                {QSize(size, size), QStringLiteral(":/icons/rungpad-%1.png").arg(size)});
        }
        return QIcon(new FileIconEngine(files));  // the icon owns its engine
    }();
    return icon;
}

}  // namespace rungpad
