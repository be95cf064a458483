#include "shell/frame/CommandLine.h"

#include <string_view>

namespace rungpad {

CCommandLine CCommandLine::Parse(int argc, const char* const* argv) {
    CCommandLine command;
    if (argc < 2) {
        return command;
    }
    const std::string_view first = argv[1];
    if (first == "--version") {
        command.mode = Mode::kVersion;
    } else if (first == "--help" || first == "-h") {
        command.mode = Mode::kHelp;
    } else if (first == "/p" || first == "-p" || first == "--print") {
        // The desktop's print command: print FILE on the default printer, then end.
        if (argc != 3) {
            command.mode = Mode::kUsageError;
            command.error = QStringLiteral("--print expects FILE");
        } else {
            command.mode = Mode::kPrint;
            command.filePath = QString::fromLocal8Bit(argv[2]);
        }
    } else if (first == "--print-pdf") {
        const bool documentation = argc == 5 && std::string_view(argv[4]) == "--documentation";
        if (argc != 4 && !documentation) {
            command.mode = Mode::kUsageError;
            command.error =
                QStringLiteral("--print-pdf expects OUT.pdf and FILE [--documentation]");
        } else {
            command.documentation = documentation;
            command.mode = Mode::kPrintPdf;
            command.pdfPath = QString::fromLocal8Bit(argv[2]);
            command.filePath = QString::fromLocal8Bit(argv[3]);
        }
    }
    return command;  // anything else is a file to open, or one of Qt's own options
}

QString CCommandLine::Usage() {
    return QStringLiteral(
        "Usage: rungpad [FILE]\n"
        "       rungpad --print FILE (or /p FILE, -p FILE)\n"
        "       rungpad --print-pdf OUT.pdf FILE [--documentation]\n"
        "       rungpad --version | --help\n\n"
        "Without options opens the editor, with FILE if given.\n"
        "  --print-pdf OUT.pdf FILE  writes the pages Print would print of FILE into OUT.pdf\n"
        "                            without a display or window (exit 0 written, 2 FILE\n"
        "                            unreadable or OUT not written, 64 usage error)\n"
        "      --documentation       the whole documentation instead: title page, ladder pages\n"
        "                            with coil references, cross-reference, address notes,\n"
        "                            review findings and instruction list, with bookmarks\n"
        "  --print FILE              prints FILE on the default printer and ends (exit 0\n"
        "                            printed, 2 FILE unreadable or not printed)\n"
        "  --version                 prints the version\n");
}

}  // namespace rungpad
