#include "shell/export/PdfExport.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "analysis/ProgramDocumentation.h"
#include "document/ProgramReader.h"
#include "document/RungpadDoc.h"
#include "model/AddressNotes.h"
#include "model/FileIo.h"
#include "model/NoteFile.h"
#include "model/OutputGuard.h"
#include "text/QtText.h"
#include "view/DocumentationPrinter.h"
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

// The address note file the editor reads: "PBitCh01.MEA" beside the program.
QString NoteFilePath() {
    return QDir(QApplication::applicationDirPath())
        .filePath(QString::fromLatin1(CRungpadDoc::kNoteFileName));
}

// The documentation's bytes; false with the reason.
bool DocumentationBytes(const LadProgram& program, const LadHeaderTexts& header,
                        const QString& file, std::vector<std::uint8_t>& bytes, QString& problem) {
    AddressNotes notes;
    const QString noteFile = NoteFilePath();
    if (QFileInfo::exists(noteFile)) {
        NoteFile::Load(QtText::ToLocalPath(noteFile), notes);
    }
    const ProgramDocumentation doc = ProgramDocumentation::Build(
        program, header, notes, QFileInfo(file).fileName().toStdString(),
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString());
    QByteArray pdf;
    if (!DocumentationPrinter::ToPdf(program, doc, pdf, problem)) {
        return false;
    }
    bytes.assign(pdf.begin(), pdf.end());
    return true;
}

}  // namespace

int CPdfExport::Run(const QString& out, const QString& file, QTextStream& err, bool documentation) {
    OutputGuard guard;
    guard.AddInput(file.toStdString());
    if (documentation) {
        guard.AddInput(QtText::ToLocalPath(NoteFilePath()));
    }
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
    std::vector<std::uint8_t> bytes;
    if (documentation) {
        QString problem;
        if (!DocumentationBytes(program, header, file, bytes, problem)) {
            err << "rungpad: " << file << ": " << problem << Qt::endl;
            return kFailed;
        }
        if (!FileIo::WriteFileAtomically(out.toStdString(), bytes, error)) {
            err << "rungpad: " << QtText::ToQString(error) << Qt::endl;
            return kFailed;
        }
        return kWritten;
    }
    // The printer writes where it likes; the result reaches OUT only through the careful writer.
    const QTemporaryDir scratch;
    const QString printed = scratch.filePath(QStringLiteral("pages.pdf"));
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
