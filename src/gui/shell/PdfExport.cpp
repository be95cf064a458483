#include "shell/PdfExport.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>

#include "document/ProgramReader.h"
#include "model/FileIo.h"
#include "model/OutputGuard.h"
#include "text/QtText.h"
#include "view/ViewPrinter.h"

namespace rungpad {

namespace {

constexpr int kWritten = 0;
constexpr int kFailed = 2;

// Prints the program to a PDF file at path as Print would; false when nothing was printed.
bool PrintToPdf(const LadProgram& program, const QString& path, const QString& title) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPrintRange(QPrinter::AllPages);
    return CViewPrinter::PrintDocument(printer, program);
}

bool ReadAll(const QString& path, std::vector<std::uint8_t>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray data = file.readAll();
    bytes.assign(data.begin(), data.end());
    return !bytes.empty();
}

}  // namespace

int CPdfExport::Run(const QString& out, const QString& file, QTextStream& err) {
    OutputGuard guard;
    guard.AddInput(file.toStdString());
    guard.AddOutput(out.toStdString());
    if (const std::string refusal = guard.Refusal(); !refusal.empty()) {
        err << "rungpad: " << QtText::ToQString(refusal) << Qt::endl;
        return kFailed;
    }
    LadProgram program;
    LadHeaderTexts header;
    std::string error;
    if (!ProgramReader::Read(file.toStdString(), program, header, error)) {
        // Most reasons name the file already.
        const QString reason = QtText::ToQString(error);
        err << "rungpad: "
            << (reason.startsWith(file) ? reason : file + QStringLiteral(": ") + reason)
            << Qt::endl;
        return kFailed;
    }
    // The printer writes where it likes; the result reaches OUT only through the careful writer.
    const QTemporaryDir scratch;
    const QString printed = scratch.filePath(QStringLiteral("pages.pdf"));
    std::vector<std::uint8_t> bytes;
    if (!scratch.isValid() || !PrintToPdf(program, printed, QFileInfo(file).completeBaseName()) ||
        !ReadAll(printed, bytes)) {
        err << "rungpad: " << file << ": nothing was printed" << Qt::endl;
        return kFailed;
    }
    if (!FileIo::WriteFileAtomically(out.toStdString(), bytes, error)) {
        err << "rungpad: " << QtText::ToQString(error) << Qt::endl;
        return kFailed;
    }
    return kWritten;
}

}  // namespace rungpad
