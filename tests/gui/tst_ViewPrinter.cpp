// The print command's page loop: the printer's page range chooses the pages, and each printed
// page becomes one page of the output.

#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "view/ViewPrinter.h"

using namespace rungpad;
using namespace rungpad::test;

namespace {

int PdfFilePageCount(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? PdfPageCount(file.readAll()) : -1;
}

}  // namespace

class TestViewPrinter : public QObject {
    Q_OBJECT

  private slots:
    void pageRange_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("from");  // 0: no range chosen
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("pages");
        // all pages of 60 lines
        QTest::newRow("all of 60 lines") << 60 << 0 << 0 << 3;
        // pages 2 and 3 only
        QTest::newRow("pages 2-3") << 60 << 2 << 3 << 2;
        // a range past the last page is cut at the last page
        QTest::newRow("past the end") << 60 << 3 << 9 << 1;
        // 25 lines print on two pages, the second with rails and number only
        QTest::newRow("exactly one page of lines") << 25 << 0 << 0 << 2;
    }
    void pageRange() {
        QFETCH(int, lines);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, pages);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("ladder.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        if (from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(from, to);
        }
        QVERIFY(CViewPrinter::PrintDocument(printer, MakeProgram(lines)));
        QCOMPARE(PdfFilePageCount(path), pages);
    }

    // The printer is shared by all documents: the print dialog always opens on all pages, not
    // on the range chosen last time for another document, and with the document's name.
    void printDialogOpensOnAllPages() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        QPrinter::PrintRange shown = QPrinter::PageRange;
        int shownFrom = -1;
        QString shownName;
        WhenModalShows([&](QWidget& dialog) {
            shown = printer.printRange();
            shownFrom = printer.fromPage();
            shownName = printer.docName();
            static_cast<QDialog&>(dialog).reject();
        });
        CViewPrinter::OnFilePrint(nullptr, printer, MakeProgram(60), QStringLiteral("demo"));
        QCOMPARE(shown, QPrinter::AllPages);
        QCOMPARE(shownFrom, 0);
        QCOMPARE(shownName, QStringLiteral("demo"));  // the job's and a PDF's title
    }

    void emptyProgramPrintsNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empty.pdf"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QVERIFY(!CViewPrinter::PrintDocument(printer, MakeProgram(0)));
        QVERIFY(!QFile::exists(path) || QFileInfo(path).size() == 0);
    }

    void pageCount() {
        QCOMPARE(CViewPrinter::PageCount(MakeProgram(30)), 2);
        QCOMPARE(CViewPrinter::PageCount(MakeProgram(24)), 1);
    }
};

QTEST_MAIN(TestViewPrinter)
#include "tst_ViewPrinter.moc"
