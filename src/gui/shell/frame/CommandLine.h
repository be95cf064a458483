#pragma once

#include <QString>

namespace rungpad {

// What the editor's command line asks for. The options are looked at before the application
// object exists, since printing to PDF chooses the offscreen platform.
struct CCommandLine {
    enum class Mode { kEdit, kPrint, kPrintPdf, kVersion, kHelp, kUsageError };

    Mode mode = Mode::kEdit;
    QString pdfPath;             // kPrintPdf
    QString filePath;            // kPrint, kPrintPdf
    QString error;               // kUsageError
    bool documentation = false;  // kPrintPdf: the whole documentation, not only the pages

    static CCommandLine Parse(int argc, const char* const* argv);
    static QString Usage();
};

}  // namespace rungpad
