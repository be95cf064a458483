// Grid geometry, print layout and the logical-to-device mapping: plain arithmetic, no window.

#include <QTest>

#include "view/GridGeometry.h"
#include "view/LogicalMapping.h"
#include "view/PrintLayout.h"

using rungpad::GridGeometry;
using rungpad::GridPos;
using rungpad::LineRange;
using rungpad::LogicalMapping;
using rungpad::LogicalPoint;
using rungpad::LogicalRect;
using rungpad::LogicalSize;
using rungpad::PrintLayout;

Q_DECLARE_METATYPE(LogicalRect)
Q_DECLARE_METATYPE(GridPos)
Q_DECLARE_METATYPE(LineRange)

class TestGridGeometry : public QObject {
    Q_OBJECT

  private slots:
    void cellRect_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("line");
        QTest::addColumn<LogicalRect>("cell");
        QTest::addColumn<LogicalRect>("highlight");
        // first cell of the grid, right of the left rail
        QTest::newRow("0,0") << 0 << 0 << LogicalRect{72, -42, 142, -82}
                             << LogicalRect{71, -42, 141, -82};
        // a selected cell (3, 0) inverts x 281 to 351
        QTest::newRow("3,0") << 3 << 0 << LogicalRect{282, -42, 352, -82}
                             << LogicalRect{281, -42, 351, -82};
        // the output column ends on the right rail
        QTest::newRow("7,4") << 7 << 4 << LogicalRect{562, -202, 632, -242}
                             << LogicalRect{561, -202, 631, -242};
        // the last possible line
        QTest::newRow("0,1599") << 0 << 1599 << LogicalRect{72, -64002, 142, -64042}
                                << LogicalRect{71, -64002, 141, -64042};
    }
    void cellRect() {
        QFETCH(int, column);
        QFETCH(int, line);
        QFETCH(LogicalRect, cell);
        QFETCH(LogicalRect, highlight);
        QCOMPARE(GridGeometry::CellRect(column, line), cell);
        QCOMPARE(GridGeometry::HighlightRect(column, line), highlight);
    }

    void fixedPositions() {
        // A program of 3 lines: rails from -22 to -162, scroll height 170, numbers at -62,
        // -102, -142.
        QCOMPARE(GridGeometry::kRailTop, -22);
        QCOMPARE(GridGeometry::GridBottom(3), -162);
        QCOMPARE(GridGeometry::ScrollSize(3), (LogicalSize{1220, 170}));
        QCOMPARE(GridGeometry::ScrollSize(1600), (LogicalSize{1220, 64050}));
        // As wide as the notes reach: no notes, the grid and a margin; never beyond 1220.
        QCOMPARE(GridGeometry::ScrollSize(3, 0).width, 662);
        QCOMPARE(GridGeometry::ScrollSize(3, 160).width, 822);
        QCOMPARE(GridGeometry::ScrollSize(3, 900).width, 1220);
        for (int line = 0; line < 3; ++line) {
            QCOMPARE(GridGeometry::LineTop(line) - GridGeometry::kTextDrop, -62 - 40 * line);
        }
        QCOMPARE(GridGeometry::kRightRail, 632);
        // On paper a line sits on row line mod 25.
        QCOMPARE(GridGeometry::PrintLineTop(25), GridGeometry::LineTop(0));
        QCOMPARE(GridGeometry::PrintLineTop(29), -202);
    }

    void cellAt_data() {
        QTest::addColumn<LogicalPoint>("point");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<GridPos>("cell");
        // left of the grid selects column 0
        QTest::newRow("left of grid") << LogicalPoint{50, -100} << 5 << GridPos{0, 1};
        // the note column selects column 7
        QTest::newRow("note column") << LogicalPoint{700, -100} << 5 << GridPos{7, 1};
        // above the first line selects line 0
        QTest::newRow("above grid") << LogicalPoint{300, -10} << 5 << GridPos{3, 0};
        // below the last line selects the last line
        QTest::newRow("below grid") << LogicalPoint{300, -900} << 5 << GridPos{3, 4};
        // the lowest edge belongs to the last line, not to a line past the end
        QTest::newRow("lowest edge") << LogicalPoint{300, -242} << 5 << GridPos{3, 4};
        // the right rail belongs to column 7, not to a column past the end
        QTest::newRow("right rail") << LogicalPoint{632, -100} << 5 << GridPos{7, 1};
        // a cell's left edge belongs to it, its right edge to the next cell
        QTest::newRow("cell edges") << LogicalPoint{142, -82} << 5 << GridPos{1, 1};
        // inside the middle of the grid
        QTest::newRow("inside") << LogicalPoint{500, -170} << 5 << GridPos{6, 3};
        // nothing to hit in an empty program
        QTest::newRow("empty program") << LogicalPoint{100, -50} << 0 << GridPos{};
    }
    void cellAt() {
        QFETCH(LogicalPoint, point);
        QFETCH(int, lineCount);
        QFETCH(GridPos, cell);
        QCOMPARE(GridGeometry::CellAt(point, lineCount), cell);
    }

    void hitAreas() {
        // grid: x 72 to 631, y -42 down to the lowest edge, both included
        QVERIFY(GridGeometry::InGrid({72, -42}, 5));
        QVERIFY(GridGeometry::InGrid({631, -242}, 5));
        QVERIFY(!GridGeometry::InGrid({71, -100}, 5));
        QVERIFY(!GridGeometry::InGrid({632, -100}, 5));
        QVERIFY(!GridGeometry::InGrid({300, -243}, 5));
        QVERIFY(!GridGeometry::InGrid({300, -41}, 5));
        // note column: right of the right rail, same lines
        QVERIFY(GridGeometry::InNoteColumn({633, -100}, 5));
        QVERIFY(!GridGeometry::InNoteColumn({632, -100}, 5));
        QVERIFY(!GridGeometry::InNoteColumn({700, -243}, 5));
    }

    void linesTouching_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<LineRange>("lines");
        // the top of the surface shows line 0 onwards
        QTest::newRow("top") << 0 << -100 << 100 << LineRange{0, 1};
        // a band inside line 10 also needs line 9, whose links reach down into it
        QTest::newRow("inside line 10") << -450 << -470 << 100 << LineRange{9, 10};
        // a band ending one unit above line 11 needs line 11's box frame, drawn one unit high
        QTest::newRow("above line 11") << -450 << -481 << 100 << LineRange{9, 11};
        // the band stops at the last line
        QTest::newRow("past the end") << -3000 << -9000 << 100 << LineRange{73, 99};
        // a band below the whole program holds no line
        QTest::newRow("below") << -9000 << -9600 << 100 << LineRange{223, 99};
    }
    void linesTouching() {
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(int, lineCount);
        QFETCH(LineRange, lines);
        const LineRange got = GridGeometry::LinesTouching(top, bottom, lineCount);
        QCOMPARE(got, lines);
    }

    void linesTouchingCoversEveryDrawnPixel() {
        // Whatever band is exposed, every line whose drawing (one unit above its top down to
        // the wire of the next line) meets it is in the range, and no more than two others.
        for (int top = 0; top > -600; top -= 7) {
            for (int height : {1, 13, 40, 41, 300}) {
                const int bottom = top - height;
                const LineRange got = GridGeometry::LinesTouching(top, bottom, 1600);
                int expected = 0;
                for (int line = 0; line < 20; ++line) {
                    const int t = GridGeometry::LineTop(line);
                    const bool meets = t + 1 >= bottom && t - 72 <= top;
                    if (meets) {
                        ++expected;
                        QVERIFY2(line >= got.first && line <= got.last,
                                 qPrintable(QString("line %1 top %2 bottom %3")
                                                .arg(line)
                                                .arg(top)
                                                .arg(bottom)));
                    }
                }
                QVERIFY(got.Size() <= expected + 2);
            }
        }
    }

    void scrollToShow_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("scrollY");
        QTest::addColumn<int>("expected");
        // the first line at the top stays
        QTest::newRow("first line") << 0 << 0 << 0;
        // a line whose top is exactly 600 below the view's top still counts as shown
        QTest::newRow("lowest shown") << 15 << 0 << 0;
        // one line further: scrolled so it sits seven lines below the top
        QTest::newRow("just below") << 16 << 0 << -360;
        // a line above the view: scrolled back, but never above the surface's top
        QTest::newRow("above, near top") << 5 << -400 << 0;
        // far down
        QTest::newRow("far down") << 100 << -3000 << -3720;
    }
    void scrollToShow() {
        QFETCH(int, line);
        QFETCH(int, scrollY);
        QFETCH(int, expected);
        QCOMPARE(GridGeometry::ScrollYToShow(line, scrollY), expected);
    }

    void printPages_data() {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("pages");
        QTest::addColumn<LineRange>("lastPageLines");
        // 30 lines: page 2 holds lines 26 to 30
        QTest::newRow("30 lines") << 30 << 2 << LineRange{25, 29};
        // 10 lines: one page
        QTest::newRow("10 lines") << 10 << 1 << LineRange{0, 9};
        // exactly 25 lines: a second page with no lines
        QTest::newRow("25 lines") << 25 << 2 << LineRange{25, 24};
        // a full program
        QTest::newRow("1600 lines") << 1600 << 65 << LineRange{1600, 1599};
    }
    void printPages() {
        QFETCH(int, lineCount);
        QFETCH(int, pages);
        QFETCH(LineRange, lastPageLines);
        QCOMPARE(PrintLayout::PageCount(lineCount), pages);
        const LineRange last = PrintLayout::PageLines(pages, lineCount);
        QCOMPARE(last.Empty(), lastPageLines.Empty());
        if (!last.Empty()) {
            QCOMPARE(last, lastPageLines);
        }
        QCOMPARE(PrintLayout::PageLines(1, lineCount).first, 0);
        QVERIFY(PrintLayout::PageLines(pages + 1, lineCount).Empty());
        QVERIFY(PrintLayout::PageLines(0, lineCount).Empty());
    }

    void mappingRoundTrip() {
        // 96 DPI: 100 units are 96 pixels; y grows downwards on the device.
        const LogicalMapping at96(96, 96);
        QCOMPARE(at96.ToDevice(LogicalPoint{100, -100}), QPoint(96, 96));
        QCOMPARE(at96.HeightToDevice(600), 576);
        // A scrolled surface moves the device origin.
        const LogicalMapping scrolled(100, 100, QPoint(10, 400));
        QCOMPARE(scrolled.ToDevice(LogicalPoint{72, -442}), QPoint(62, 42));
        QCOMPARE(scrolled.ToLogical(QPoint(62, 42)), (LogicalPoint{72, -442}));
        // A cell rectangle covers its pixels with the far edges excluded.
        QCOMPARE(scrolled.ToDevice(LogicalRect{281, -442, 351, -482}), QRect(271, 42, 70, 40));
        // High resolution: 200 DPI doubles every length.
        const LogicalMapping at200(200, 200);
        QCOMPARE(at200.ToDevice(LogicalPoint{632, -82}), QPoint(1264, 164));
        int top = 0;
        int bottom = 0;
        at200.VerticalBand(QRect(0, 164, 10, 80), top, bottom);
        QCOMPARE(top, -82);
        QCOMPARE(bottom, -122);
    }
};

QTEST_APPLESS_MAIN(TestGridGeometry)
#include "tst_GridGeometry.moc"
