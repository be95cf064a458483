// Monitor mode: F5 starts and stops it, clicks toggle and force inputs, the document stays as it
// was and cannot be edited meanwhile.
#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "MainFrameTest.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "model/LadFile.h"
#include "shell/ChildFrm.h"
#include "shell/CoolBar.h"
#include "shell/MainFrm.h"
#include "shell/SimMonitor.h"
#include "sim/SimSignal.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::FindAction;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");
const QString kUnsupported =
    QStringLiteral(RUNGPAD_EXAMPLES "/../tests/fixtures/sim/unsupported.plf");

// The document as a file would hold it, with a fixed save date.
std::vector<std::uint8_t> Bytes(const CRungpadDoc& doc) {
    std::vector<std::uint8_t> bytes;
    LadHeaderTexts header = doc.Header();
    NullMessageChannel out;
    LadFile::SaveLadder(bytes, doc.Program(), header, "2026-01-01 00:00", out);
    LadFile::WriteNoteTrailer(bytes, doc.Program(), out);
    return bytes;
}

std::uint32_t Signal(CSimMonitor& sim, const char* name) {
    std::string problem;
    return SimSignal::Parse(name, problem)->Read(sim.Engine().Memory());
}

// Clicks the middle of a cell of the view.
void ClickCell(CRungpadView& view, int column, int line, Qt::KeyboardModifiers modifiers = {}) {
    const LogicalPoint centre{GridGeometry::CellLeft(column) + 35,
                              GridGeometry::LineTop(line) - 20};
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.Mapping().ToDevice(centre));
}

}  // namespace

class TestSimulation : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }
    void init() { m_box.messages.clear(); }

    void startAndStopLeaveTheDocumentAsItWas() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CRungpadDoc& doc = *frame.ActiveDocument();
        const std::vector<std::uint8_t> before = Bytes(doc);
        QAction* start = FindAction(frame, QStringLiteral("Start Simulation(&S)"));
        QVERIFY(start);
        QCOMPARE(start->shortcut(), QKeySequence(Qt::Key_F5));
        start->trigger();
        QVERIFY(frame.Simulation()->IsActive());
        QVERIFY(frame.ActiveChild()->View()->IsMonitoring());
        QVERIFY(frame.statusBar()->findChild<QLabel*>()->text().startsWith(
            QStringLiteral("Simulating")));
        // Read-only: editing commands are disabled and an edit that still arrives changes nothing.
        QVERIFY(!FindAction(frame, QStringLiteral("Insert Line(&I)"))->isEnabled());
        frame.ActiveChild()->View()->Edit([](CLadEditor& e) {
            e.Select({0, 0}, {0, 0});
            e.OnDeleteLine();
        });
        QTest::qWait(150);  // some scans at the real rate
        QVERIFY(frame.Simulation()->Engine().ScanCount() > 0);
        FindAction(frame, QStringLiteral("Stop Simulation(&S)"))->trigger();
        QVERIFY(!frame.Simulation()->IsActive());
        QVERIFY(!frame.ActiveChild()->View()->IsMonitoring());
        QVERIFY(FindAction(frame, QStringLiteral("Insert Line(&I)"))->isEnabled());
        QVERIFY(Bytes(doc) == before);
        QVERIFY(!doc.State().IsModified());
    }

    // A click on the start contact X000.0 switches its input; one scan later the latch's coil is
    // on and drawn in the power colour.
    void clickTogglesAnInputAndTheCoilFollows() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.OnStartStopSimulation();
        CSimMonitor& sim = *frame.Simulation();
        QVERIFY(sim.IsActive());
        FindAction(frame, QStringLiteral("Pause(&P)"))->setChecked(true);
        CRungpadView& view = *frame.ActiveChild()->View();
        ClickCell(view, 0, 0);
        QCOMPARE(Signal(sim, "X000.0"), 1u);
        QCOMPARE(Signal(sim, "Y000.0"), 0u);
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 1u);
        QVERIFY(sim.Power()[0][7].closed);
        QVERIFY(sim.Power()[0][0].closed && sim.Power()[0][0].right);
        const QImage image = view.viewport()->grab().toImage();
        const QPoint coil = view.Mapping().ToDevice(
            LogicalPoint{GridGeometry::CellLeft(7) + 25, GridGeometry::LineTop(0) - 24});
        const QColor pixel = image.pixelColor(coil);
        QVERIFY2(pixel.green() > pixel.red() + 40, qPrintable(pixel.name()));
        // Clicking again releases the button; the latch holds.
        ClickCell(view, 0, 0);
        sim.SingleScan();
        QCOMPARE(Signal(sim, "X000.0"), 0u);
        QCOMPARE(Signal(sim, "Y000.0"), 1u);
        // A click on a coil without Shift does nothing.
        ClickCell(view, 7, 0);
        QCOMPARE(Signal(sim, "Y000.0"), 1u);
        frame.OnStartStopSimulation();
    }

    // Shift+click forces a coil against its network and releases it again.
    void shiftClickForcesAndReleases() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.OnStartStopSimulation();
        CSimMonitor& sim = *frame.Simulation();
        sim.SetPaused(true);
        CRungpadView& view = *frame.ActiveChild()->View();
        ClickCell(view, 7, 0, Qt::ShiftModifier);  // Y000.0 forced to 1
        ClickCell(view, 1, 0);                     // the stop button /X000.1 pressed
        QCOMPARE(Signal(sim, "X000.1"), 1u);
        sim.SingleScan();
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 1u);
        ClickCell(view, 7, 0, Qt::ShiftModifier);  // released: the network switches it off
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 0u);
        frame.OnStartStopSimulation();
    }

    void singleScanKeyStartsPaused() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        QAction* scan = FindAction(frame, QStringLiteral("Single Scan(&N)"));
        QCOMPARE(scan->shortcut(), QKeySequence(Qt::Key_F10));
        scan->trigger();
        QVERIFY(frame.Simulation()->IsActive());
        QVERIFY(frame.Simulation()->IsPaused());
        QCOMPARE(frame.Simulation()->Engine().ScanCount(), 1);
        scan->trigger();
        QCOMPARE(frame.Simulation()->Engine().ScanCount(), 2);
        frame.OnStartStopSimulation();
        QVERIFY(!frame.Simulation()->IsActive());
    }

    // A program that does not convert reports as F7 does and does not start; one the engine
    // refuses says why.
    void refusedProgramsDoNotStart() {
        CMainFrame frame;
        Prepare(frame);
        frame.OnFileNew();  // no END1, END2
        frame.OnStartStopSimulation();
        QVERIFY(!frame.Simulation()->IsActive());
        QVERIFY(!FindAction(frame, QStringLiteral("Start Simulation(&S)"))->isChecked());
        QVERIFY(!frame.ActiveChild()->View()->IsMonitoring());
        QVERIFY(frame.OpenDocumentFile(kUnsupported));
        frame.OnStartStopSimulation();
        QVERIFY(!frame.Simulation()->IsActive());
        QCOMPARE(m_box.messages.size(), std::size_t{1});
        QCOMPARE(
            m_box.messages[0],
            std::string("AXCTL on ladder line 2 cannot be simulated: its effect is not defined for "
                        "simulation"));
    }
};

QTEST_MAIN(TestSimulation)
#include "tst_Simulation.moc"
