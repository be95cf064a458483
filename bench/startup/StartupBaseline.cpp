// The baseline of the start-up benchmark: a bare Qt main window with a menu bar, a toolbar (its
// buttons with the style's standard icons, as any plain Qt application has them) and a status
// bar, shown maximized like the editor, with the same probe (bench/startup.py).

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <utility>

#include "shell/frame/StartupProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rungpad::StartupProbe::Mark("application");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Start-up baseline"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File(&F)"));
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Standard"));
    const QStyle* style = window.style();
    for (const auto& [text, icon] : {std::pair{"New(&N)", QStyle::SP_FileIcon},
                                     std::pair{"Open(&O)...", QStyle::SP_DirOpenIcon},
                                     std::pair{"Save(&S)", QStyle::SP_DialogSaveButton}}) {
        QAction* action = file->addAction(style->standardIcon(icon), QString::fromUtf8(text));
        toolbar->addAction(action);
    }
    file->addSeparator();
    file->addAction(QStringLiteral("Exit(&X)"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("Help(&H)"));
    window.statusBar()->showMessage(QStringLiteral("be ready"));
    rungpad::StartupProbe::Mark("frame");
    rungpad::StartupProbe::Watch(window);
    window.showMaximized();
    rungpad::StartupProbe::Mark("show");
    return QApplication::exec();
}
