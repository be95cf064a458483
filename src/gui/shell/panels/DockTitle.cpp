#include "shell/panels/DockTitle.h"

#include <QAction>
#include <QDockWidget>

namespace rungpad {

void DockTitle::Set(QDockWidget& dock, const QString& title) {
    QAction* toggle = dock.toggleViewAction();
    const QString toggleText = toggle->text();
    dock.setWindowTitle(title);
    if (!toggleText.isEmpty()) {
        toggle->setText(toggleText);
    }
}

}  // namespace rungpad
