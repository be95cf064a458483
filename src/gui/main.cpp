#include <QApplication>

#include "model/FileIo.h"
#include "shell/Rungpad.h"

int main(int argc, char* argv[]) {
    rungpad::FileIo::IgnoreFileSizeSignal();
    QApplication app(argc, argv);
    rungpad::CRungpadApp::SetIdentity();
    rungpad::CRungpadApp rungpadApp;
    rungpadApp.InitInstance(QApplication::arguments());
    return QApplication::exec();
}
