#include "view/ViewPrinter.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "model/LadProgram.h"
#include "view/PagePrinter.h"
#include "view/PrintLayout.h"

namespace rungpad {

int CViewPrinter::PageCount(const LadProgram& program) {
    return PrintLayout::PageCount(program.LineCount());
}

bool CViewPrinter::PrintDocument(QPrinter& printer, const LadProgram& program) {
    const bool ranged = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const int from = ranged ? printer.fromPage() : 1;
    const int to = ranged ? printer.toPage() : PageCount(program);
    return PagePrinter::Print(printer, program, from, to);
}

void CViewPrinter::OnFilePrint(QWidget* parent, QPrinter& printer, const LadProgram& program,
                               const QString& docName) {
    // The printer is the application's: a range chosen for another document must not stay.
    printer.setDocName(docName);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, PageCount(program));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() == QDialog::Accepted) {
        PrintDocument(printer, program);
    }
}

void CViewPrinter::OnFilePrintPreview(QWidget* parent, QPrinter& printer, const LadProgram& program,
                                      const QString& docName) {
    printer.setDocName(docName);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&program](QPrinter* target) {
                         target->setPrintRange(QPrinter::AllPages);
                         PrintDocument(*target, program);
                     });
    preview.exec();
}

void CViewPrinter::OnFilePrintSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

}  // namespace rungpad
