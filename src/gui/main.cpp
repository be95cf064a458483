#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "model/FileIo.h"
#include "shell/export/PdfExport.h"
#include "shell/frame/CommandLine.h"
#include "shell/frame/Rungpad.h"

namespace {

constexpr int kExitUsage = 64;

int PrintPdf(int argc, char* argv[], const rungpad::CCommandLine& command) {
    // No display is needed or used: this option always runs on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Run from a build script or cron there may be no runtime directory, about which Qt would
    // warn on every run; a private one for this run is all it needs.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    }
    QApplication app(argc, argv);
    rungpad::CRungpadApp::SetIdentity();
    QTextStream err(stderr);
    return rungpad::CPdfExport::Run(command.pdfPath, command.filePath, err, command.documentation);
}

}  // namespace

int main(int argc, char* argv[]) {
    rungpad::FileIo::IgnoreFileSizeSignal();
    using Mode = rungpad::CCommandLine::Mode;
    const rungpad::CCommandLine command = rungpad::CCommandLine::Parse(argc, argv);
    switch (command.mode) {
        case Mode::kVersion:
            QTextStream(stdout) << "rungpad " << RUNGPAD_VERSION << Qt::endl;
            return 0;
        case Mode::kHelp:
            QTextStream(stdout) << rungpad::CCommandLine::Usage();
            return 0;
        case Mode::kUsageError:
            QTextStream(stderr) << "rungpad: " << command.error << '\n'
                                << rungpad::CCommandLine::Usage();
            return kExitUsage;
        case Mode::kPrintPdf:
            return PrintPdf(argc, argv, command);
        case Mode::kPrint: {
            constexpr int kNotPrinted = 2;
            QApplication app(argc, argv);
            rungpad::CRungpadApp::SetIdentity();
            rungpad::CRungpadApp rungpadApp;
            return rungpadApp.PrintFile(command.filePath) ? 0 : kNotPrinted;
        }
        case Mode::kEdit:
            break;
    }
    QApplication app(argc, argv);
    rungpad::CRungpadApp::SetIdentity();
    rungpad::CRungpadApp rungpadApp;
    rungpadApp.InitInstance(QApplication::arguments());
    return QApplication::exec();
}
