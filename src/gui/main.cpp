#include <QApplication>
#include <QStringList>

#include "shell/MainFrm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rungpad"));
    rungpad::CMainFrame frame;
    frame.showMaximized();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        frame.OpenFile(args.at(1));
    }
    return QApplication::exec();
}
