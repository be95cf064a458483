// Printed pages: 25 lines a page at row line mod 25, rails, a top border on page 1 and the page
// number at the foot. Pages are drawn into 100 DPI images (pixel (x, -y) is logical (x, y)) and
// into a PDF.

#include <QBuffer>
#include <QPdfWriter>
#include <QTest>

#include "GuiTestSupport.h"
#include "view/PagePrinter.h"
#include "view/PrintLayout.h"

using namespace rungpad;
using namespace rungpad::test;

namespace {

QImage PrintToImage(const LadProgram& program, int page) {
    QImage image = BlankImage({899, 1250});
    QPainter painter(&image);
    const ViewFonts fonts(100.0);
    LadPainter p(painter, LogicalMapping::ForDevice(image), fonts);
    PagePrinter::PrintPage(p, program, page);
    return image;
}

QImage TextImage(LogicalPoint at, const QString& text) {
    QImage image = BlankImage({899, 1250});
    QPainter painter(&image);
    const ViewFonts fonts(100.0);
    LadPainter p(painter, LogicalMapping::ForDevice(image), fonts);
    p.Text(at, text, LadPainter::FontRole::Element);
    return image;
}

bool HasLineNumberOnRow(const QImage& image, int row) {
    const int top = GridGeometry::LineTop(row) - GridGeometry::kTextDrop;
    return DarkCount(image, {22, top, 70, top - 16}) > 10;
}

const QRect kPageNumberArea(300, 1091, 200, 30);  // device pixels around (345, -1091)

}  // namespace

class TestPagePrinter : public QObject {
    Q_OBJECT

  private slots:
    void firstPageOfThirtyLines() {
        // Page 1 of 30 lines: lines 0001 to 0025, the top border, the rails down to -1082.
        const QImage image = PrintToImage(MakeProgram(30), 1);
        QVERIFY(Dark(image, 42, -42));
        QVERIFY(Dark(image, 300, -42));
        QVERIFY(Dark(image, 661, -42));
        QVERIFY(!Dark(image, 40, -42));
        QVERIFY(!Dark(image, 665, -42));
        for (int x : {72, 632}) {
            QVERIFY(Dark(image, x, -500));
            QVERIFY(Dark(image, x, -1081));
            QVERIFY(!Dark(image, x, -1084));
        }
        for (int row = 0; row < 25; ++row) {
            QVERIFY2(HasLineNumberOnRow(image, row), qPrintable(QString::number(row)));
        }
        QCOMPARE(
            image.copy(kPageNumberArea),
            TextImage(PrintLayout::kPageNumberAt, QStringLiteral("第 1 页")).copy(kPageNumberArea));
    }

    void secondPageOfThirtyLines() {
        // Page 2 holds 0026 to 0030 on rows 0 to 4, a cell of line 27 on row 2, no top border,
        // and ends with the page number 2.
        LadProgram program = MakeProgram(30);
        SetCell(program, 2, 27, Element::kHLine);
        const QImage image = PrintToImage(program, 2);
        QVERIFY(!Dark(image, 50, -42));
        QVERIFY(!Dark(image, 300, -42));
        QVERIFY(Dark(image, 72, -44));
        for (int row = 0; row < 25; ++row) {
            QCOMPARE(HasLineNumberOnRow(image, row), row < 5);
        }
        const QImage first = TextImage({22, -62}, QStringLiteral("0026"));
        const QRect firstNumber(0, 60, 68, 20);
        QCOMPARE(image.copy(firstNumber), first.copy(firstNumber));
        const int wire = GridGeometry::LineTop(2) - GridGeometry::kWireDrop;
        QVERIFY(Dark(image, GridGeometry::CellLeft(2) + 35, wire));
        QCOMPARE(
            image.copy(kPageNumberArea),
            TextImage(PrintLayout::kPageNumberAt, QStringLiteral("第 2 页")).copy(kPageNumberArea));
    }

    void exactlyOnePageOfLinesLeavesAnEmptySecondPage() {
        // 25 lines: the second page shows only the rails and its number.
        const QImage image = PrintToImage(MakeProgram(25), 2);
        QCOMPARE(DarkCount(image, {0, -20, 70, -1090}), 0);
        QCOMPARE(DarkCount(image, {80, -20, 625, -1090}), 0);
        QVERIFY(Dark(image, 72, -600));
        QVERIFY(DarkCount(image, {300, -1091, 500, -1120}) > 10);
    }

    void boxAcrossAPageBoundary() {
        // A CTR box on lines 23 to 26 prints its top on rows 23 and 24 of page 1 and its bottom
        // on rows 0 and 1 of page 2.
        LadProgram program = MakeProgram(30);
        PlaceBox(program, FuncInstrTable::kCTR, 3, 23, "9");
        const QImage first = PrintToImage(program, 1);
        const QImage second = PrintToImage(program, 2);
        const int x = GridGeometry::CellLeft(3);
        const auto top = [](int row) { return GridGeometry::LineTop(row); };
        QVERIFY(Dark(first, x + 35, top(23) - 12));  // top edge
        QVERIFY(Dark(first, x, top(24) - 20));       // sides
        QVERIFY(!Dark(second, x + 35, top(0) - 12));
        QVERIFY(Dark(second, x, top(0) - 20));
        QVERIFY(Dark(second, x + 35, top(1) - 38));  // bottom edge
    }

    void notesAreNotPrinted() {
        LadProgram program = MakeProgram(3);
        program.Note(0).Assign("note");
        program.Note(1).Assign("note");
        const QImage image = PrintToImage(program, 1);
        QCOMPARE(DarkCount(image, {640, -44, 899, -1080}), 0);
    }

    void emptyProgramPrintsNothing() {
        const QImage image = PrintToImage(MakeProgram(0), 1);
        QCOMPARE(DarkCount(image, {0, 0, 899, -1250}), 0);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        QVERIFY(!PagePrinter::Print(pdf, MakeProgram(0), 1, 1));
    }

    void pdfHasOnePagePerPrintedPage() {
        LadProgram program = MakeProgram(60);
        SetCell(program, 0, 0, Element::kNoContact, "X000.0");
        program.Cell(0, 0).highlight = 1;
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        {
            // PDF cannot invert pixels, so the highlight goes the white-ink way there.
            QBuffer scratch;
            scratch.open(QIODevice::WriteOnly);
            QPdfWriter other(&scratch);
            QPainter painter(&other);
            QVERIFY(
                !LadPainter(painter, LogicalMapping::ForDevice(other), ViewFonts()).CanInvert());
        }
        QVERIFY(PagePrinter::Print(pdf, program, 1, 99));
        QCOMPARE(PdfPageCount(buffer.data()), 3);
    }

    void pageShrinksToFitSmallerPaper() {
        // A page of 8.99 by 12.5 inches does not fit A4 at 600 DPI: it is scaled down to fit,
        // keeping its proportions.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        const LogicalMapping mapping = PagePrinter::PageMapping(pdf);
        const QPoint corner = mapping.ToDevice(LogicalPoint{899, -1250});
        QVERIFY(corner.x() <= pdf.width());
        QVERIFY(corner.y() <= pdf.height());
        QVERIFY(corner.x() >= pdf.width() - 2 || corner.y() >= pdf.height() - 2);
        QCOMPARE(mapping.ScaleX(), mapping.ScaleY());
        // A large enough page keeps the device's own resolution.
        QImage big = BlankImage({2000, 2000});
        QCOMPARE(PagePrinter::PageMapping(big).ScaleX(), 1.0);
    }
};

QTEST_MAIN(TestPagePrinter)
#include "tst_PagePrinter.moc"
