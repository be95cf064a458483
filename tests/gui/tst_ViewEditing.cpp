// Editing through the view: clicks and drags select, keys move the cursor and delete, a
// double-click in the note column types a line note in place.

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include "GuiTestSupport.h"
#include "ViewFixture.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadClipboard.h"
#include "edit/LadEditor.h"
#include "model/TextCodec.h"
#include "view/RungpadView.h"

using namespace rungpad;
using namespace rungpad::test;

namespace {

using Fixture = ViewFixture;

// Collects the regions a widget paints.
class PaintRecorder final : public QObject {
  public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    // Whether all of rect was painted (QRegion::contains only asks for an overlap).
    bool Covers(const QRect& rect) const { return QRegion(rect).subtracted(painted).isEmpty(); }
    QRegion painted;
};

}  // namespace

class TestViewEditing : public QObject {
    Q_OBJECT

  private slots:
    void clickSelectsOneCell() {
        Fixture f(10);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.CellCentre(3, 2));
        QCOMPARE(f.doc.Selection().anchor, (GridPos{3, 2}));
        QCOMPARE(f.doc.Selection().cursor, (GridPos{3, 2}));
        QCOMPARE(f.Highlighted(), 1);
        QCOMPARE(f.Program().Cell(3, 2).highlight, std::uint8_t{1});
        const QImage image = f.view.viewport()->grab().toImage();
        QVERIFY(qGray(image.pixel(f.CellCentre(3, 2))) < 128);
        // A click left of the grid takes column 0 of that line.
        QTest::mouseClick(
            f.view.viewport(), Qt::LeftButton, {},
            f.view.Mapping().ToDevice(LogicalPoint{30, GridGeometry::LineTop(4) - 20}));
        QCOMPARE(f.doc.Selection().cursor, (GridPos{0, 4}));
        QCOMPARE(f.Highlighted(), 1);
    }

    void dragSelectsWholeLines() {
        // From cell (2, 3) to cell (5, 6): lines 3 to 6 in all eight columns.
        Fixture f(10);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QTest::mousePress(f.view.viewport(), Qt::LeftButton, {}, f.CellCentre(2, 3));
        QTest::mouseMove(f.view.viewport(), f.CellCentre(4, 5));
        QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, {}, f.CellCentre(5, 6));
        QCOMPARE(f.doc.Selection().anchor, (GridPos{2, 3}));
        QCOMPARE(f.doc.Selection().cursor, (GridPos{5, 6}));
        QCOMPARE(f.Highlighted(), 32);
        QCOMPARE(f.Program().Cell(0, 3).highlight, std::uint8_t{1});
        QCOMPARE(f.Program().Cell(7, 6).highlight, std::uint8_t{1});
        QCOMPARE(f.Program().Cell(0, 7).highlight, std::uint8_t{0});
    }

    void keysMoveAndDelete() {
        Fixture f(5);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.view.setFocus();
        // No cursor yet: the first key starts at the first cell.
        QTest::keyClick(&f.view, Qt::Key_Down);
        QCOMPARE(f.doc.Selection().cursor, (GridPos{0, 0}));
        QTest::keyClick(&f.view, Qt::Key_Left);
        QCOMPARE(f.doc.Selection().cursor, (GridPos{7, 0}));
        QCOMPARE(f.Highlighted(), 1);
        QCOMPARE(f.Program().Cell(7, 0).highlight, std::uint8_t{1});
        // A horizontal line placed in column 3 moves the cursor on; Delete takes it away again.
        QTest::keyClick(&f.view, Qt::Key_Home);
        QTest::keyClick(&f.view, Qt::Key_Right);
        QTest::keyClick(&f.view, Qt::Key_Right);
        QTest::keyClick(&f.view, Qt::Key_Right);
        f.view.Edit([](CLadEditor& e) { e.PlaceElement(Element::kHLine); });
        QCOMPARE(f.Program().Cell(3, 0).code, Element::kHLine);
        QCOMPARE(f.doc.Selection().cursor, (GridPos{4, 0}));
        QTest::keyClick(&f.view, Qt::Key_Left);
        QTest::keyClick(&f.view, Qt::Key_Delete);
        QCOMPARE(f.Program().Cell(3, 0).code, Element::kEmpty);
        QVERIFY(f.doc.IsModified());
        // Undo brings the line back.
        f.view.Edit([](CLadEditor& e) { e.OnUndo(); });
        QCOMPARE(f.Program().Cell(3, 0).code, Element::kHLine);
    }

    // After every edit the view repaints what changed, also when the command ends refused: a
    // line appended at the end is drawn, and the lines a refused coil filled in stay drawn.
    void everyEditRepaintsWhatChanged() {
        Fixture f(1);
        f.view.resize(800, 400);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        PaintRecorder recorder(f.view.viewport());
        f.view.viewport()->update();
        QTRY_VERIFY(recorder.Covers(f.view.viewport()->rect()));  // the first paint
        const auto lineRect = [&f](int line) {
            return f.view.Mapping()
                .ToDevice(GridGeometry::CellRect(0, line))
                .intersected(f.view.viewport()->rect());
        };
        recorder.painted = {};
        f.view.Edit([](CLadEditor& e) {
            e.Select({0, 0}, {0, 0});
            e.PlaceElement(Element::kHLine);  // appends line 2
            e.Select({0, 0}, {0, 0});
            e.PlaceElement(16);  // a link down to line 2, the cursor follows
        });
        QTRY_VERIFY(recorder.Covers(lineRect(1)));
        recorder.painted = {};
        f.view.Edit([](CLadEditor& e) { e.PlaceElement(Element::kEmpty); });  // appends line 3
        QCOMPARE(f.Program().LineCount(), 3);
        QTRY_VERIFY(recorder.Covers(lineRect(2)));

        // Ctrl+E with an empty address on the trailing line: refused, but the horizontal lines
        // it laid from the rail stay, and so does the new trailing line.
        recorder.painted = {};
        WhenModalShows([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
        f.view.Edit([](CLadEditor& e) {
            e.Select({2, 2}, {2, 2});
            e.PlaceElement(Element::kCoil);
        });
        QCOMPARE(f.Program().Cell(6, 2).code, Element::kHLine);
        QCOMPARE(f.Program().Cell(7, 2).code, Element::kEmpty);
        QCOMPARE(f.Program().LineCount(), 4);
        const QRect wire = f.view.Mapping()
                               .ToDevice(GridGeometry::CellRect(0, 2))
                               .united(f.view.Mapping().ToDevice(GridGeometry::CellRect(6, 2)))
                               .intersected(f.view.viewport()->rect());
        QTRY_VERIFY(recorder.Covers(wire));
    }

    // Ctrl+Home and Ctrl+End go to the first cell of the first and of the last line, and the
    // view follows; Home and End stay on the line.
    void ctrlHomeAndCtrlEndGoToTheEnds() {
        Fixture f(200);
        f.view.resize(600, 300);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.view.setFocus();
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.CellCentre(3, 2));
        QTest::keyClick(&f.view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f.doc.Selection().cursor, (GridPos{0, 199}));
        QVERIFY(f.view.viewport()->rect().contains(
            f.view.Mapping().ToDevice(GridGeometry::CellRect(0, 199))));
        QCOMPARE(f.Highlighted(), 1);
        QTest::keyClick(&f.view, Qt::Key_Home);
        QTest::keyClick(&f.view, Qt::Key_End);
        QCOMPARE(f.doc.Selection().cursor, (GridPos{7, 199}));
        QTest::keyClick(&f.view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(f.doc.Selection().cursor, (GridPos{0, 0}));
        QCOMPARE(f.view.verticalScrollBar()->value(), 0);
    }

    // Over a contact or coil the tool tip names its address and the address's note; over the
    // note column it shows the whole line note; elsewhere none.
    void toolTipsShowNotes() {
        Fixture f(5);
        SetCell(f.Program(), 0, 1, Element::kNoContact, "X000.0");
        SetCell(f.Program(), 7, 1, Element::kCoil, "Y000.1");
        SetCell(f.Program(), 1, 1, Element::kHLine);
        *f.doc.Notes().FindBitNote("X000.0") = TextCodec::Utf8ToGbk("主轴启动");
        f.Program().Note(1).Assign(TextCodec::Utf8ToGbk("润滑延时 lube delay"));
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QCOMPARE(f.view.ToolTipAt(f.CellCentre(0, 1)), QStringLiteral("X000.0: 主轴启动"));
        QCOMPARE(f.view.ToolTipAt(f.CellCentre(7, 1)), QString());  // no note for Y000.1
        QCOMPARE(f.view.ToolTipAt(f.CellCentre(1, 1)), QString());
        QCOMPARE(f.view.ToolTipAt(f.NotePoint(1)), QStringLiteral("润滑延时 lube delay"));
        QCOMPARE(f.view.ToolTipAt(f.NotePoint(2)), QString());
        // Shown on a real tool tip event.
        QHelpEvent help(QEvent::ToolTip, f.CellCentre(0, 1),
                        f.view.viewport()->mapToGlobal(f.CellCentre(0, 1)));
        QApplication::sendEvent(f.view.viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("X000.0: 主轴启动"));
        QToolTip::hideText();
    }

    void noteTypedInPlace() {
        // A double-click in the note column opens the note editor only when the line's output
        // column holds something; Enter stores the note.
        Fixture f(5);
        SetCell(f.Program(), 7, 1, Element::kCoil, "Y000.0");
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.NotePoint(2));
        QTest::mouseDClick(f.view.viewport(), Qt::LeftButton, {}, f.NotePoint(2));
        QVERIFY(!f.view.IsNoteEditOpen());
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.NotePoint(1));
        QCOMPARE(f.doc.Selection().cursor, (GridPos{7, 1}));
        QTest::mouseDClick(f.view.viewport(), Qt::LeftButton, {}, f.NotePoint(1));
        QVERIFY(f.view.IsNoteEditOpen());
        auto* edit = f.view.viewport()->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->setText(QStringLiteral("主轴启动"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!f.view.IsNoteEditOpen());
        QCOMPARE(f.Program().Note(1).Str(), TextCodec::Utf8ToGbk("主轴启动"));
        QVERIFY(f.doc.IsModified());
    }

    // The note box takes no more than the note's 20 bytes as they are typed; Escape closes it
    // and leaves the note as it was.
    void noteBoxStopsAtTwentyBytesAndEscapeCancels_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("ASCII") << "feed hold of spindle 2"
                               << "feed hold of spindle";
        QTest::newRow("two-byte characters") << "主轴启动主轴启动主轴启动"
                                             << "主轴启动主轴启动主轴";
        QTest::newRow("mixed, no half character") << "x主轴启动主轴启动主轴启"
                                                  << "x主轴启动主轴启动主";
    }
    void noteBoxStopsAtTwentyBytesAndEscapeCancels() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Fixture f(5);
        SetCell(f.Program(), 7, 1, Element::kCoil, "Y000.0");
        f.Program().Note(1).Assign("old");
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        for (const bool escape : {false, true}) {
            f.view.StartNoteEdit(1);
            QLineEdit* edit = nullptr;
            for (QLineEdit* box : f.view.viewport()->findChildren<QLineEdit*>()) {
                edit = box->isVisible() ? box : edit;  // a closed box goes later
            }
            QVERIFY(edit);
            edit->clear();
            for (const QChar c : typed) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(edit, &press);
            }
            QCOMPARE(edit->text(), kept);
            QTest::keyClick(edit, escape ? Qt::Key_Escape : Qt::Key_Return);
            QVERIFY(!f.view.IsNoteEditOpen());
            QCOMPARE(QString::fromStdString(f.view.Editor()->LineNote(1)), kept);
            QCOMPARE(f.view.Editor()->UndoList().GetCount(), 1);
        }
    }

    // One notch of the wheel scrolls by the desktop's wheel step in whole lines.
    void wheelScrollsByTheDesktopStep_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("default three lines") << 3;
        QTest::newRow("one line") << 1;
        QTest::newRow("five lines") << 5;
    }
    void wheelScrollsByTheDesktopStep() {
        QFETCH(int, step);
        Fixture f(100);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        const int before = QApplication::wheelScrollLines();
        QApplication::setWheelScrollLines(step);
        const QPoint at = f.CellCentre(2, 2);
        const auto turn = [&](int delta) {
            QWheelEvent wheel(at, f.view.viewport()->mapToGlobal(at), {}, QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.view.viewport(), &wheel);
        };
        turn(-120);  // one notch towards the user: down
        QCOMPARE(f.view.ScrollPosition().y, -GridGeometry::kLineHeight * step);
        turn(-60);  // half a notch waits for the other half
        QCOMPARE(f.view.ScrollPosition().y, -GridGeometry::kLineHeight * step);
        turn(-60);
        turn(120);
        QCOMPARE(f.view.ScrollPosition().y, -GridGeometry::kLineHeight * step);
        QApplication::setWheelScrollLines(before);
    }

    // Whatever the window's height, the cursor keys never leave the cursor cell out of sight,
    // and after a function box goes in the cursor stays on it.
    void cursorStaysInView_data() {
        QTest::addColumn<int>("height");
        QTest::newRow("short window") << 150;
        QTest::newRow("middle") << 330;
        QTest::newRow("tall") << 700;
    }
    void cursorStaysInView() {
        QFETCH(int, height);
        Fixture f(100);
        f.view.resize(420, height);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.view.setFocus();
        const auto inView = [&f] {
            const GridPos cursor = f.doc.Selection().cursor;
            const QRect cell =
                f.view.Mapping().ToDevice(GridGeometry::CellRect(cursor.column, cursor.line));
            return f.view.viewport()->rect().contains(cell);
        };
        const QList<Qt::Key> keys = {Qt::Key_Down,     Qt::Key_End,      Qt::Key_Down,
                                     Qt::Key_PageDown, Qt::Key_Down,     Qt::Key_PageDown,
                                     Qt::Key_PageUp,   Qt::Key_Home,     Qt::Key_Up,
                                     Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Left};
        for (int i = 0; i < 14; ++i) {
            QTest::keyClick(&f.view, Qt::Key_Down);
            QVERIFY2(inView(), qPrintable(QStringLiteral("down %1").arg(i)));
        }
        for (const Qt::Key key : keys) {
            QTest::keyClick(&f.view, key);
            QVERIFY2(inView(), qPrintable(QKeySequence(key).toString()));
        }
        const GridPos before = f.doc.Selection().cursor;
        f.view.Edit([](CLadEditor& e) { e.InsertFunctionBox(0x1900); });
        QCOMPARE(f.doc.Selection().cursor.line, before.line);
        QVERIFY(inView());
        QTest::keyClick(&f.view, Qt::Key_Down);
        QCOMPARE(f.doc.Selection().cursor.line, before.line + 1);
        QVERIFY(inView());
    }
};

QTEST_MAIN(TestViewEditing)
#include "tst_ViewEditing.moc"
