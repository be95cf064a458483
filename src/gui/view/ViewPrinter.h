#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace rungpad {

class LadProgram;

// The view's printing commands over a printer set-up: the print dialog, the preview window and
// the page set-up, and the page loop they share.
class CViewPrinter {
  public:
    // The pages the program prints on; the print dialog offers 1 to this.
    static int PageCount(const LadProgram& program);

    // Prints the pages the printer's page range selects, all of them when it selects none.
    // False when nothing was printed.
    static bool PrintDocument(QPrinter& printer, const LadProgram& program);

    // Print: asks with the print dialog, then prints. docName titles the print job and a PDF
    // (the dialog proposes docName.pdf when printing to a file).
    static void OnFilePrint(QWidget* parent, QPrinter& printer, const LadProgram& program,
                            const QString& docName = {});
    // Print Preview: the pages in a preview window, from which they can be printed.
    static void OnFilePrintPreview(QWidget* parent, QPrinter& printer, const LadProgram& program,
                                   const QString& docName = {});
    // Print Setup: paper and orientation for later printing.
    static void OnFilePrintSetup(QWidget* parent, QPrinter& printer);
};

}  // namespace rungpad
