#include <QApplication>

#include "shell/Rungpad.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rungpad::CRungpadApp::SetIdentity();
    rungpad::CRungpadApp rungpadApp;
    rungpadApp.InitInstance(QApplication::arguments());
    return QApplication::exec();
}
