// Finding one's way in a program: redo, the live error marker, the jumps from the output and
// instruction windows, and the cross-reference window.

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolBar>

#include "GuiTestSupport.h"
#include "MainFrameTest.h"

#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "model/LadFile.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/panels/OutputNavigator.h"
#include "shell/panels/XrefWindow.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::RecordingBox;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

std::vector<std::uint8_t> LadderBytes(const CRungpadDoc& doc) {
    NullMessageChannel out;
    LadHeaderTexts header = doc.Header();
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, doc.Program(), header, "2026-01-01 00:00", out);
    return bytes;
}

int VisibleRows(const QTableWidget& table) {
    int rows = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        rows += table.isRowHidden(row) ? 0 : 1;
    }
    return rows;
}

int BlockStarting(const QPlainTextEdit& edit, const QString& start) {
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().startsWith(start)) {
            return block.blockNumber();
        }
    }
    return -1;
}

}  // namespace

class TestNavigation : public test::MainFrameTest {
    Q_OBJECT

  private:
    static void Place(CMainFrame& frame, GridPos at, int kind) {
        frame.ActiveChild()->View()->Edit([at, kind](CLadEditor& e) {
            e.Select(at, at);
            e.PlaceElement(kind);
        });
    }
    static SelectionState Selection(CMainFrame& frame) {
        return frame.ActiveDocument()->Selection();
    }

  private slots:
    void initTestCase() { InitSettings(); }

    void redoFollowsUndoUntilTheNextEdit() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        QAction* redo = frame.RedoAction();
        QCOMPARE(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
        auto* standard = frame.findChild<QToolBar*>(QStringLiteral("StandardToolBar"));
        QVERIFY(standard && standard->actions().contains(redo));
        QVERIFY(!redo->isEnabled());
        const std::vector<std::uint8_t> before = LadderBytes(*frame.ActiveDocument());
        Place(frame, {3, 0}, Element::kEmpty);
        Place(frame, {4, 0}, Element::kEmpty);
        const std::vector<std::uint8_t> edited = LadderBytes(*frame.ActiveDocument());
        frame.UndoAction()->trigger();
        frame.UndoAction()->trigger();
        QCOMPARE(LadderBytes(*frame.ActiveDocument()), before);
        QVERIFY(redo->isEnabled());
        frame.ActiveChild()->View()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(frame.ActiveChild()->View(), Qt::Key_Y, Qt::ControlModifier);
        redo->trigger();
        QCOMPARE(LadderBytes(*frame.ActiveDocument()), edited);
        QVERIFY(!redo->isEnabled());
        frame.UndoAction()->trigger();
        QVERIFY(redo->isEnabled());
        Place(frame, {2, 4}, Element::kHLine);  // a new edit drops what was undone
        QVERIFY(!redo->isEnabled());
    }

    void liveMarkerShowsABrokenNetworkAtOnce() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CRungpadView* view = frame.ActiveChild()->View();
        CRungpadDoc& doc = *frame.ActiveDocument();
        QTRY_COMPARE(view->LiveErrorLine(), -1);
        const std::vector<std::uint8_t> before = LadderBytes(doc);

        Place(frame, {3, 4}, Element::kEmpty);  // a gap in line 5's horizontal line
        QTRY_COMPARE(view->LiveErrorLine(), 4);
        QVERIFY(view->LiveErrorMessage().startsWith(QStringLiteral("梯图第0005行  错误代号 ")));
        QCOMPARE(frame.statusBar()->currentMessage(), view->LiveErrorMessage());
        // Silent: no output line, no converted flag, no instruction window, nothing to undo more.
        QVERIFY(!frame.OutputWindow()->Edit()->toPlainText().contains(QStringLiteral("梯图第")));
        QVERIFY(!doc.IsConverted());
        QVERIFY(frame.InstructionWindow()->isHidden());
        QCOMPARE(doc.Converter().TextCount(), 0);
        // The marker is drawn red in the margin.
        const QRect marker = view->LiveMarkerRect();
        QVERIFY(!marker.isEmpty());
        const QImage shot = view->viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(marker.center()), QColor(220, 0, 0));

        frame.UndoAction()->trigger();
        QTRY_COMPARE(view->LiveErrorLine(), -1);
        QVERIFY(view->LiveMarkerRect().isEmpty());
        QCOMPARE(frame.statusBar()->currentMessage(), QString());
        QCOMPARE(LadderBytes(doc), before);
    }

    void errorLineAndInstructionRowLeadToTheLadder() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.OnConvert();
        QPlainTextEdit* list = frame.InstructionWindow()->Edit();
        // "OR Y000.0" comes from the second line, "RD R100.0" from the fifth.
        frame.Navigator()->ActivateInstructionRow(BlockStarting(*list, QStringLiteral("OR ")));
        QCOMPARE(Selection(frame).anchor, (GridPos{0, 1}));
        QCOMPARE(Selection(frame).cursor, (GridPos{7, 1}));
        const int row = BlockStarting(*list, QStringLiteral("RD        R100.0"));
        const QRect rect = list->cursorRect(QTextCursor(list->document()->findBlockByNumber(row)));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(Selection(frame).anchor, (GridPos{0, 4}));

        // Break line 10 and convert: the error line leads to the first cell of line 10, also from
        // another document's window (a new document's window starts with an empty output
        // window, so the other one is opened first).
        CChildFrame* demo = frame.ActiveChild();
        CChildFrame* other = frame.NewDocument();
        demo->mdiArea()->setActiveSubWindow(demo);
        Place(frame, {3, 9}, Element::kEmpty);
        frame.OnConvert();
        QPlainTextEdit* output = frame.OutputWindow()->Edit();
        const int error = BlockStarting(*output, QStringLiteral("梯图第0010行"));
        QVERIFY(error >= 0);
        other->mdiArea()->setActiveSubWindow(other);
        QCOMPARE(frame.ActiveChild(), other);
        frame.Navigator()->ActivateOutputLine(error);
        QCOMPARE(frame.ActiveChild(), demo);
        QCOMPARE(Selection(frame).anchor, (GridPos{0, 9}));
        QCOMPARE(Selection(frame).cursor, (GridPos{0, 9}));
        // Lines that are no error report lead nowhere.
        QVERIFY(
            !output->document()->findBlockByNumber(0).text().startsWith(QStringLiteral("梯图")));
        frame.ActiveChild()->View()->Edit([](CLadEditor& e) { e.Select({1, 1}, {1, 1}); });
        frame.Navigator()->ActivateOutputLine(0);
        QCOMPARE(Selection(frame).anchor, (GridPos{1, 1}));
    }

    void crossReferenceFollowsFiltersAndJumps() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CXrefWindow* xref = frame.XrefWindow();
        QVERIFY(xref->isHidden());
        xref->toggleViewAction()->trigger();
        QVERIFY(!xref->isHidden());
        QTableWidget* table = xref->Table();
        QCOMPARE(table->rowCount(), 17);
        QCOMPARE(QString::fromStdString(xref->UseAt(0)->address), QStringLiteral("R100.0"));
        QCOMPARE(xref->FindingsLabel()->text(), QStringLiteral("No findings"));
        xref->Filter()->setText(QStringLiteral("r1"));
        QCOMPARE(VisibleRows(*table), 4);
        // Sorted by line, the first row is the first line's first use.
        table->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(xref->UseAt(0)->line, 0);
        table->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(QString::fromStdString(xref->UseAt(0)->address), QStringLiteral("R100.0"));
        // Double-click jumps to the use.
        int rowOfCoil = -1;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (xref->UseAt(row)->address == "R100.1" && xref->UseAt(row)->column == 7) {
                rowOfCoil = row;
            }
        }
        QVERIFY(rowOfCoil >= 0);
        emit table->cellDoubleClicked(rowOfCoil, 0);
        QCOMPARE(Selection(frame).cursor, (GridPos{7, 5}));
        // Edits update it; "Show Cross Reference" selects an address.
        Place(frame, {1, 1}, Element::kEmpty);  // nothing there: no change
        frame.ActiveChild()->View()->Edit([](CLadEditor& e) {
            e.Select({7, 11}, {7, 11});
            e.SetHighlight(false);
        });
        emit frame.ActiveChild()->View()->CrossReferenceRequested(QStringLiteral("Y000.0"));
        QCOMPARE(xref->Filter()->text(), QStringLiteral("Y000.0"));
        QCOMPARE(VisibleRows(*table), 3);
        QCOMPARE(xref->UseAt(table->currentRow())->line, 0);  // Enter goes to the first use
        frame.ActiveChild()->close();
        QTRY_COMPARE(frame.Children().size(), 0);
        QTRY_COMPARE(table->rowCount(), 0);
    }

    // The review findings of the window are those of rungpad-cli xref --findings, a constant too
    // wide for its data length among them.
    void crossReferenceShowsReviewFindings() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(
            QStringLiteral(RUNGPAD_EXAMPLES "/../tests/fixtures/xref/review.plf")));
        CXrefWindow* xref = frame.XrefWindow();
        xref->toggleViewAction()->trigger();
        QCOMPARE(xref->FindingsLabel()->text(), QStringLiteral("Findings: 5"));
        QVERIFY(xref->FindingsLabel()->toolTip().endsWith(
            QStringLiteral("\nconstant 300  does not fit a 1-byte operand  at 9:6")));
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_Navigation.moc"
