// The scrolling view on the offscreen platform: scroll range from the line count, drawing at the
// scroll position, highlight repaint and painting only what is exposed.

#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "GuiTestSupport.h"
#include "view/CoilRefMargin.h"
#include "view/RungpadView.h"

using namespace rungpad;
using namespace rungpad::test;

namespace {

QImage Grab(CRungpadView& view) {
    return view.viewport()->grab().toImage();
}

// Shows view on program and waits until it is on screen.
bool Show(CRungpadView& view, LadProgram* program, QSize size = {640, 480}) {
    view.resize(size);
    view.SetProgram(program);
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}

bool DarkAt(const QImage& image, QPoint device) {
    return image.rect().contains(device) && qGray(image.pixel(device)) < 128;
}

}  // namespace

class TestRungpadView : public QObject {
    Q_OBJECT

  private slots:
    void scrollRangeFollowsTheLineCount() {
        LadProgram program = MakeProgram(100);
        CRungpadView view;
        QVERIFY(Show(view, &program));
        const LogicalMapping m = view.Mapping();
        const QSize page = view.viewport()->size();
        QCOMPARE(view.verticalScrollBar()->maximum(),
                 m.HeightToDevice(40 * 100 + 50) - page.height());
        // As wide as the drawing: the grid and its margin, no note column without notes.
        QCOMPARE(view.horizontalScrollBar()->maximum(),
                 std::max(0, m.WidthToDevice(662) - page.width()));
        QCOMPARE(view.verticalScrollBar()->pageStep(), m.HeightToDevice(600));
        QCOMPARE(view.horizontalScrollBar()->pageStep(), m.WidthToDevice(700));
        QCOMPARE(view.verticalScrollBar()->singleStep(), m.HeightToDevice(10));
        // More lines: the range grows at the next paint.
        program.InsertLines(0, 50);
        Grab(view);
        QCOMPARE(view.verticalScrollBar()->maximum(),
                 m.HeightToDevice(40 * 150 + 50) - page.height());
    }

    // A view wide enough for the grid and its notes has no horizontal scroll range; a long note
    // widens the drawing as far as it reaches.
    void horizontalRangeOnlyWhenTheDrawingIsWider() {
        LadProgram program = MakeProgram(10);
        CRungpadView view;
        QVERIFY(Show(view, &program, {760, 400}));
        const int page = view.viewport()->width();
        QVERIFY(view.Mapping().WidthToDevice(662) <= page);
        QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
        program.Note(3).Assign(std::string(20, 'W'));
        Grab(view);
        const int wide = view.horizontalScrollBar()->maximum();
        QVERIFY(wide > 0);
        QVERIFY(wide < view.Mapping().WidthToDevice(1220) - page);
        // The coil reference column moves the notes right: the range grows by as much.
        view.SetCoilReferencesShown(true);
        const int shift = view.Mapping().WidthToDevice(CoilRefMargin::kNoteShift);
        QVERIFY(std::abs(view.horizontalScrollBar()->maximum() - wide - shift) <= 1);
        view.SetCoilReferencesShown(false);
        QCOMPARE(view.horizontalScrollBar()->maximum(), wide);
    }

    void shrinkingProgramWhileScrolledToTheEnd() {
        // Deleting lines while the view shows the end pulls the scroll position back at the next
        // paint, and the last line is still drawn at its place.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*[Rr]epaint.*")));
        LadProgram program = MakeProgram(300);
        CRungpadView view;
        QVERIFY(Show(view, &program));
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        Grab(view);
        program.DeleteLines(100, 180);
        program.Cell(0, 119).vlink = 1;
        const QImage first = Grab(view);
        const LogicalMapping m = view.Mapping();
        QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
        QCOMPARE(view.verticalScrollBar()->maximum(),
                 m.HeightToDevice(40 * 120 + 50) - view.viewport()->height());
        const QPoint link = m.ToDevice(LogicalPoint{72 + 69, GridGeometry::LineTop(119) - 36});
        QVERIFY(DarkAt(first, link));
        QVERIFY(DarkAt(Grab(view), link));
    }

    void drawsAtTheScrollPosition() {
        // A vertical link in cell (2, 8) shows at its mapped place before and after scrolling.
        LadProgram program = MakeProgram(200);
        program.Cell(2, 8).vlink = 1;
        CRungpadView view;
        QVERIFY(Show(view, &program));
        const LogicalPoint linkMiddle{GridGeometry::CellLeft(2) + 69,
                                      GridGeometry::LineTop(8) - 50};
        QVERIFY(DarkAt(Grab(view), view.Mapping().ToDevice(linkMiddle)));
        view.verticalScrollBar()->setValue(view.Mapping().HeightToDevice(300));
        const LogicalMapping scrolled = view.Mapping();
        QCOMPARE(scrolled.Scroll().y(), view.verticalScrollBar()->value());
        const QImage image = Grab(view);
        QVERIFY(DarkAt(image, scrolled.ToDevice(linkMiddle)));
        QVERIFY(!DarkAt(image, scrolled.ToDevice(linkMiddle) + QPoint(4, 0)));
        // The rails' tops are scrolled away; the rails themselves still run down the view.
        QVERIFY(DarkAt(image, {scrolled.ToDeviceX(GridGeometry::kLeftRail), 2}));
    }

    void bringLineIntoView() {
        LadProgram program = MakeProgram(300);
        CRungpadView view;
        QVERIFY(Show(view, &program));
        view.BringLineIntoView(10);  // already shown: no scrolling
        QCOMPARE(view.verticalScrollBar()->value(), 0);
        view.BringLineIntoView(100);  // seven lines below the top
        QVERIFY(qAbs(view.ScrollPosition().y - (-4000 + 280)) <= 1);
        const QPoint line100 = view.Mapping().ToDevice(LogicalPoint{0, GridGeometry::LineTop(100)});
        QVERIFY(line100.y() > 0 && line100.y() < view.viewport()->height());
        view.BringLineIntoView(0);
        QCOMPARE(view.verticalScrollBar()->value(), 0);
    }

    void invertCellRepaintsTheCell() {
        LadProgram program = MakeProgram(5);
        CRungpadView view;
        QVERIFY(Show(view, &program));
        const QPoint inside = view.Mapping().ToDevice(LogicalPoint{300, -60});
        QVERIFY(!DarkAt(Grab(view), inside));
        view.InvertCell(3, 0, true);
        QCOMPARE(program.Cell(3, 0).highlight, std::uint8_t{1});
        QVERIFY(DarkAt(Grab(view), inside));
        view.InvertCell(3, 0, true);  // already set: stays inverted
        QVERIFY(DarkAt(Grab(view), inside));
        view.InvertCell(3, 0, false);
        QCOMPARE(program.Cell(3, 0).highlight, std::uint8_t{0});
        QVERIFY(!DarkAt(Grab(view), inside));
        // Positions off the grid are ignored.
        view.InvertCell(8, 0, true);
        view.InvertCell(0, 5, true);
        view.InvertCell(-1, -1, true);
    }

    void blankWithoutLines() {
        LadProgram empty;
        CRungpadView view;
        QVERIFY(Show(view, nullptr, {320, 240}));
        QImage image = Grab(view);
        QCOMPARE(DarkCount(image, {0, 0, image.width(), -image.height()}), 0);
        view.SetProgram(&empty);
        image = Grab(view);
        QCOMPARE(DarkCount(image, {0, 0, image.width(), -image.height()}), 0);
    }

    void paintsOnlyTheExposedLines() {
        // One screenful of the longest program draws about one screenful of lines.
        LadProgram program;
        for (int i = 0; i < LadProgram::kMaxLines; ++i) {
            program.AppendLine(LadLine{}, NoteText{});
        }
        CRungpadView view;
        QVERIFY(Show(view, &program, {800, 600}));
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
        QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        const QRect all = view.viewport()->rect();
        const LineRange lines = view.DrawView(painter, all);
        const int perScreen = all.height() / view.Mapping().HeightToDevice(40) + 1;
        QVERIFY(lines.Size() <= perScreen + 2);
        QVERIFY(lines.first > 700 && lines.last < 900);
        // A strip of a few pixels needs only the lines at that height.
        QVERIFY(view.DrawView(painter, QRect(0, 100, all.width(), 4)).Size() <= 3);
    }
};

QTEST_MAIN(TestRungpadView)
#include "tst_RungpadView.moc"
