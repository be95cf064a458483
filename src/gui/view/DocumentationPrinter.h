#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <vector>

class QPagedPaintDevice;

namespace rungpad {

class LadProgram;
class ProgramDocumentation;

// Prints a program's documentation: a title page, the ladder pages as Print prints them with
// the coil references beside the coils, the cross-reference, address notes and review findings
// tables, and the instruction list; every page ends in "page N of M". The pages are a file's
// contents and stay in the program's own texts whatever the language; only the reasons for a
// failure follow it.
class DocumentationPrinter {
    Q_DECLARE_TR_FUNCTIONS(DocumentationPrinter)

  public:
    struct Section {
        QString title;
        int firstPage = 0;  // 0-based
    };

    // Paints onto device, one device page each; sections tells where each section begins.
    // False when painting cannot start or finish.
    static bool Print(QPagedPaintDevice& device, const LadProgram& program,
                      const ProgramDocumentation& doc, std::vector<Section>& sections);
    // The documentation as a PDF file's bytes, with a bookmark for each section; false with the
    // reason when nothing could be printed.
    static bool ToPdf(const LadProgram& program, const ProgramDocumentation& doc, QByteArray& pdf,
                      QString& problem);
};

}  // namespace rungpad
