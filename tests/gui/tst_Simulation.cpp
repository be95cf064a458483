// Monitor mode: F5 starts and stops it, clicks toggle and force inputs, the document stays as it
// was and cannot be edited meanwhile; the Signals window, stimulus playback and VCD recording.
#include <QAction>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "MainFrameTest.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "model/LadFile.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "sim/SimSignal.h"
#include "view/MonitorOverlay.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::FindAction;
using rungpad::test::PathHost;

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

bool SimSignalForced(CSimMonitor& sim, const char* name) {
    std::string problem;
    return SimSignal::Parse(name, problem)->IsForced(sim.Engine().Memory());
}

// Clicks the middle of a cell of the view.
void ClickCell(CRungpadView& view, int column, int line, Qt::KeyboardModifiers modifiers = {}) {
    const LogicalPoint centre{GridGeometry::CellLeft(column) + 35,
                              GridGeometry::LineTop(line) - 20};
    QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, view.Mapping().ToDevice(centre));
}

// Collects what a widget repaints from its construction on.
class PaintedRegion : public QObject {
  public:
    explicit PaintedRegion(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion region;
};

using Col = CSignalsWindow::Column;

QString Cell(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

// Types address into the Signals window's address box and presses Enter.
void TypeAddress(CSignalsWindow& window, const QString& address) {
    window.AddressEdit()->clear();
    QTest::keyClicks(window.AddressEdit(), address);
    QTest::keyClick(window.AddressEdit(), Qt::Key_Return);
}

std::string WriteText(const QTemporaryDir& dir, const char* name, const char* text) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
    return path.toStdString();
}

QString ReadText(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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

    // In monitor mode the arrow keys move the cursor and Space works the input contact under it
    // as a click does (Shift+Space forces); the status bar shows the simulated time and whether
    // the run goes on. The program itself does not change.
    void keyboardDrivesTheMonitor() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CRungpadDoc& doc = *frame.ActiveDocument();
        const std::vector<std::uint8_t> before = Bytes(doc);
        frame.OnStartStopSimulation();
        CSimMonitor& sim = *frame.Simulation();
        FindAction(frame, QStringLiteral("Pause(&P)"))->setChecked(true);
        auto* pane = frame.statusBar()->findChild<QLabel*>(QStringLiteral("simulation"));
        QVERIFY(pane && pane->isVisibleTo(&frame));
        QVERIFY(pane->text().endsWith(QStringLiteral("Paused")));
        CRungpadView& view = *frame.ActiveChild()->View();
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Down);  // no cursor yet: the first cell
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(frame.ActiveDocument()->Selection().cursor, (GridPos{0, 1}));
        QTest::keyClick(&view, Qt::Key_Up);
        QTest::keyClick(&view, Qt::Key_Space);  // the start button X000.0
        QCOMPARE(Signal(sim, "X000.0"), 1u);
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(Signal(sim, "X000.0"), 0u);
        QTest::keyClick(&view, Qt::Key_End);  // the coil Y000.0: forced by Shift+Space only
        QTest::keyClick(&view, Qt::Key_Space);
        QVERIFY(!SimSignalForced(sim, "Y000.0"));
        QTest::keyClick(&view, Qt::Key_Space, Qt::ShiftModifier);
        QVERIFY(SimSignalForced(sim, "Y000.0"));
        sim.SingleScan();
        QVERIFY(pane->text().startsWith(QStringLiteral("0.008 s")));
        FindAction(frame, QStringLiteral("Pause(&P)"))->setChecked(false);
        QVERIFY(pane->text().endsWith(QStringLiteral("Running")));
        frame.OnStartStopSimulation();
        QVERIFY(!pane->isVisibleTo(&frame));
        QVERIFY(Bytes(doc) == before);
        QVERIFY(!doc.State().IsModified());
    }

    // Presets set in the Signals window stay for the next run of the document.
    void presetsAreKeptForTheNextRun() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        FindAction(frame, QStringLiteral("Single Scan(&N)"))->trigger();
        QTableWidget& boxes = *frame.SignalsWindow()->BoxTable();
        boxes.item(0, CSignalsWindow::kPreset)->setText(QStringLiteral("250"));
        boxes.item(1, CSignalsWindow::kPreset)->setText(QStringLiteral("7"));
        frame.OnStartStopSimulation();
        FindAction(frame, QStringLiteral("Single Scan(&N)"))->trigger();
        CSimMonitor& sim = *frame.Simulation();
        QCOMPARE(Signal(sim, "DT0001"), 250u);
        QCOMPARE(Signal(sim, "DC0002"), 7u);
        QCOMPARE(Cell(boxes, 0, CSignalsWindow::kPreset), QStringLiteral("250"));
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

    // The Signals window: addresses typed and checked, values written and followed by the
    // program after one scan, forces set and released from the Forced box; the document stays as
    // it was.
    void signalsWindowWatchesWritesAndForces() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CRungpadDoc& doc = *frame.ActiveDocument();
        *doc.Notes().FindBitNote("X000.0") = "start";
        const std::vector<std::uint8_t> before = Bytes(doc);
        QAction* toggle = FindAction(frame, QStringLiteral("Signals(&G)"));
        QVERIFY(toggle);
        toggle->trigger();
        CSignalsWindow& window = *frame.SignalsWindow();
        QVERIFY(window.isVisible());
        FindAction(frame, QStringLiteral("Single Scan(&N)"))->trigger();  // starts paused
        CSimMonitor& sim = *frame.Simulation();
        QVERIFY(sim.IsActive() && sim.IsPaused());
        QTableWidget& table = *window.Table();

        const struct {
            const char* typed;
            int rows;             // rows after it
            const char* problem;  // shown below the address box; empty: none
        } typing[] = {
            {"x000.0", 1, ""},
            {"X000.9", 1, "'X000.9' is not a signal address"},
            {"X000.0", 1, "'X000.0' is watched already"},
            {"x0.0", 1, "'X000.0' is watched already"},  // the same signal, typed short
            {"R999", 1, "'R999' is out of the address range of R"},
            {"y0.0", 2, ""},
            {"DT0001", 3, ""},
        };
        for (const auto& t : typing) {
            TypeAddress(window, QString::fromLatin1(t.typed));
            QCOMPARE(table.rowCount(), t.rows);
            QCOMPARE(window.ProblemLabel()->text(), QString::fromLatin1(t.problem));
            QCOMPARE(window.ProblemLabel()->isVisibleTo(&window), *t.problem != '\0');
        }
        QCOMPARE(Cell(table, 0, Col::kAddress), QStringLiteral("X000.0"));
        QCOMPARE(Cell(table, 0, Col::kNote), QStringLiteral("start"));
        QCOMPARE(Cell(table, 1, Col::kAddress), QStringLiteral("Y000.0"));  // as the program has it
        QCOMPARE(Cell(table, 1, Col::kValue), QStringLiteral("0"));

        // A value written in the table; one scan later the latch's coil is on.
        table.item(0, Col::kValue)->setText(QStringLiteral("1"));
        QCOMPARE(Signal(sim, "X000.0"), 1u);
        QCOMPARE(Signal(sim, "Y000.0"), 0u);
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 1u);
        QCOMPARE(Cell(table, 1, Col::kValue), QStringLiteral("1"));
        QVERIFY(sim.Power()[0][7].closed);
        // A value that does not fit is refused with the reason; the signal keeps its value.
        table.item(0, Col::kValue)->setText(QStringLiteral("2"));
        QCOMPARE(window.ProblemLabel()->text(),
                 QStringLiteral("value '2' does not fit X000.0 (0 to 1)"));
        QCOMPARE(Signal(sim, "X000.0"), 1u);
        QCOMPARE(Cell(table, 0, Col::kValue), QStringLiteral("1"));
        table.item(2, Col::kValue)->setText(QStringLiteral("0x20"));  // words take hex too
        QCOMPARE(Signal(sim, "DT0001"), 32u);

        // Forced on in the table, the coil holds against the stop button; a value typed while
        // forced moves the force; released, the network switches it off.
        table.item(0, Col::kValue)->setText(QStringLiteral("0"));
        CRungpadView& view = *frame.ActiveChild()->View();
        QCoreApplication::processEvents();
        PaintedRegion painted(*view.viewport());
        table.item(1, Col::kForced)->setCheckState(Qt::Checked);
        QVERIFY(SimSignalForced(sim, "Y000.0"));
        QCOMPARE(table.item(1, Col::kForced)->checkState(), Qt::Checked);
        // Forced at the value it has, the coil's power is as before; its mark is painted all
        // the same.
        QCoreApplication::processEvents();
        QVERIFY(painted.region.contains(view.Mapping().ToDevice(
            LogicalPoint{GridGeometry::CellLeft(7) + 62, GridGeometry::LineTop(0) - 6})));
        ClickCell(*frame.ActiveChild()->View(), 1, 0);  // /X000.1 pressed
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 1u);
        table.item(1, Col::kValue)->setText(QStringLiteral("0"));
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 0u);
        QVERIFY(SimSignalForced(sim, "Y000.0"));
        table.item(0, Col::kValue)->setText(QStringLiteral("1"));
        ClickCell(*frame.ActiveChild()->View(), 1, 0);  // stop button released
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 0u);
        table.item(1, Col::kForced)->setCheckState(Qt::Unchecked);
        QVERIFY(!SimSignalForced(sim, "Y000.0"));
        sim.SingleScan();
        QCOMPARE(Signal(sim, "Y000.0"), 1u);

        // Removing a row (the Delete key in the table) stops watching it.
        table.setFocus();
        table.selectRow(0);
        QTest::keyClick(&table, Qt::Key_Delete);
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(Cell(table, 0, Col::kAddress), QStringLiteral("Y000.0"));
        QCOMPARE(sim.Watch().Entries().size(), std::size_t{2});

        frame.OnStartStopSimulation();
        QVERIFY(!sim.IsActive());
        QCOMPARE(Cell(table, 0, Col::kValue), QString());  // no values without a run
        QVERIFY(!(table.item(0, Col::kValue)->flags() & Qt::ItemIsEditable));
        QVERIFY(Bytes(doc) == before);
        QVERIFY(!doc.State().IsModified());
    }

    // The timers and counters of the run with their values; a preset edited in the table takes
    // effect in the next scans, one that does not fit is refused.
    void timerAndCounterPresetsAreEdited() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CSignalsWindow& window = *frame.SignalsWindow();
        QCOMPARE(window.BoxTable()->rowCount(), 0);
        FindAction(frame, QStringLiteral("Single Scan(&N)"))->trigger();
        CSimMonitor& sim = *frame.Simulation();
        QTableWidget& boxes = *window.BoxTable();
        QCOMPARE(boxes.rowCount(), 2);
        using B = CSignalsWindow::BoxColumn;
        QCOMPARE(Cell(boxes, 0, B::kBox), QStringLiteral("TMR 1"));
        QCOMPARE(Cell(boxes, 0, B::kLine), QStringLiteral("3"));
        QCOMPARE(Cell(boxes, 1, B::kBox), QStringLiteral("CTR 2"));
        QVERIFY(boxes.item(0, B::kPreset)->flags() & Qt::ItemIsEditable);
        QVERIFY(!(boxes.item(0, B::kCurrent)->flags() & Qt::ItemIsEditable));
        // No stimulus and no edit has set a preset yet: both rows are marked, with the reason.
        const auto marked = [&boxes](int row) {
            return boxes.item(row, B::kBox)->data(CSignalsWindow::kNeverSetRole).toBool();
        };
        QVERIFY(marked(0));
        QVERIFY(marked(1));
        QCOMPARE(boxes.item(0, B::kBox)->toolTip(),
                 QStringLiteral("TMR 1 on ladder line 3: its preset DT0001 is never set, so it "
                                "stays 0 and the timer is done in the first scan its input is on"));
        QVERIFY(boxes.item(1, B::kPreset)->background().style() != Qt::NoBrush);

        boxes.item(0, B::kPreset)->setText(QStringLiteral("40"));
        QCOMPARE(Signal(sim, "DT0001"), 40u);
        QVERIFY(!marked(0));  // set by the user
        QVERIFY(marked(1));
        QCOMPARE(boxes.item(0, B::kBox)->toolTip(), QString());
        QCOMPARE(boxes.item(0, B::kPreset)->background().style(), Qt::NoBrush);
        boxes.item(0, B::kPreset)->setText(QStringLiteral("70000"));
        QCOMPARE(window.ProblemLabel()->text(),
                 QStringLiteral("value '70000' does not fit DT0001 (0 to 65535)"));
        QCOMPARE(Signal(sim, "DT0001"), 40u);
        QCOMPARE(Cell(boxes, 0, B::kPreset), QStringLiteral("40"));

        // The latch feeds the timer: it runs out 40 ms after its first scan.
        ClickCell(*frame.ActiveChild()->View(), 0, 0);
        sim.SingleScan();  // Y000.0 on, the timer starts
        int scans = 0;
        while (Signal(sim, "R100.0") == 0 && scans < 20) {
            sim.SingleScan();
            ++scans;
        }
        QCOMPARE(scans, 5);
        QCOMPARE(Cell(boxes, 0, B::kCurrent), QStringLiteral("40"));
        // A lower preset: the value stays at the preset, never above it, also in the box.
        boxes.item(0, B::kPreset)->setText(QStringLiteral("8"));
        sim.SingleScan();
        QCOMPARE(Cell(boxes, 0, B::kCurrent), QStringLiteral("8"));
        const LadProgram& program = frame.ActiveDocument()->Program();
        QCOMPARE(MonitorOverlay::BoxValueText(program.Line(2), 5, sim.Engine().Memory()),
                 QStringLiteral("8/8"));
        frame.OnStartStopSimulation();
        QCOMPARE(boxes.rowCount(), 0);
    }

    // The widest value a box shows fits the name cell's lower row, left of the box's divider.
    void boxValuesFitLeftOfTheDivider() {
        const QString widest = QStringLiteral("65535/65535");
        for (const int pixels : {9, 12, 20}) {
            QFont font;
            font.setPixelSize(pixels);
            const QFont fitted = MonitorOverlay::FittingFont(font, widest, 60);
            QVERIFY(QFontMetricsF(fitted).horizontalAdvance(widest) <= 60);
            QVERIFY(fitted.pixelSize() <= pixels);
        }
        QFont small;
        small.setPixelSize(8);
        QCOMPARE(MonitorOverlay::FittingFont(small, QStringLiteral("0/0"), 60), small);
    }

    // A stimulus file plays in simulated time from the start of a run, or from the next scan
    // when loaded during one; a malformed file is refused with its line and changes nothing.
    void stimulusIsLoadedPlayedAndRefused() {
        QTemporaryDir dir;
        PathHost host;
        CMainFrame frame;
        Prepare(frame);
        frame.SetDocumentHost(&host);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        const std::string good = WriteText(dir, "start.stim",
                                           "# start, then stop\n"
                                           "16ms X000.0=1\n"
                                           "32ms X000.0=0\n");
        const std::string bad = WriteText(dir, "bad.stim", "0ms X000.0=1\n8ms X000.9=1\n");
        QAction* load = FindAction(frame, QStringLiteral("Load Stimulus(&L)..."));
        QAction* unload = FindAction(frame, QStringLiteral("Unload Stimulus(&U)"));
        QVERIFY(load && unload);
        QVERIFY(!unload->isEnabled());
        host.answers = {good};
        load->trigger();
        QVERIFY(unload->isEnabled());
        CSimMonitor& sim = *frame.Simulation();
        QCOMPARE(sim.StimulusPath(), good);

        host.answers = {bad};
        load->trigger();
        QCOMPARE(m_box.messages.size(), std::size_t{1});
        QCOMPARE(m_box.messages[0], bad + ": stimulus line 2: 'X000.9' is not a signal address");
        QVERIFY(!sim.IsActive());
        QCOMPARE(sim.StimulusPath(), good);  // the good one stays loaded

        QAction* scan = FindAction(frame, QStringLiteral("Single Scan(&N)"));
        scan->trigger();  // 0 ms
        scan->trigger();  // 8 ms
        QCOMPARE(Signal(sim, "Y000.0"), 0u);
        scan->trigger();  // 16 ms: pressed
        QCOMPARE(Signal(sim, "X000.0"), 1u);
        QCOMPARE(Signal(sim, "Y000.0"), 1u);
        sim.Advance(3);  // 24 .. 40 ms: released, the latch holds
        QCOMPARE(Signal(sim, "X000.0"), 0u);
        QCOMPARE(Signal(sim, "Y000.0"), 1u);

        // Loaded during the run: its times count from the next scan (48 ms).
        host.answers = {good};
        load->trigger();
        sim.Advance(2);
        QCOMPARE(Signal(sim, "X000.0"), 0u);
        sim.Advance(1);
        QCOMPARE(Signal(sim, "X000.0"), 1u);

        // A stimulus that sets DT0001 takes the mark off the timer's row; the counter keeps it.
        // Its pulse between two scans is named in the output window.
        QTableWidget& boxes = *frame.SignalsWindow()->BoxTable();
        const auto marked = [&boxes](int row) {
            return boxes.item(row, CSignalsWindow::kBox)
                ->data(CSignalsWindow::kNeverSetRole)
                .toBool();
        };
        QVERIFY(marked(0));
        host.answers = {
            WriteText(dir, "presets.stim", "0ms DT0001=100\n10ms X000.1=1\n12ms X000.1=0\n")};
        load->trigger();
        QVERIFY(frame.OutputWindow()->Edit()->toPlainText().endsWith(
            QStringLiteral("\nwarning: stimulus line 2: X000.1=1 at 10ms is replaced at 12ms "
                           "(line 3) before a scan sees it (a scan every 8ms)")));
        sim.Advance(1);
        QVERIFY(!marked(0));
        QVERIFY(marked(1));

        unload->trigger();
        QVERIFY(!unload->isEnabled());
        QVERIFY(sim.StimulusPath().empty());
        frame.OnStartStopSimulation();
        frame.OnStartStopSimulation();  // a new run without the stimulus
        sim.SetPaused(true);
        sim.Advance(4);
        QCOMPARE(Signal(sim, "X000.0"), 0u);
        frame.OnStartStopSimulation();
        QCOMPARE(m_box.messages.size(), std::size_t{1});
    }

    // Record VCD: the watched signals (every coil when none) from the next scan on, written when
    // recording stops or the run stops; a target that cannot be written is reported and leaves
    // nothing behind.
    void runIsRecordedToAVcdFile() {
        QTemporaryDir dir;
        PathHost host;
        CMainFrame frame;
        Prepare(frame);
        frame.SetDocumentHost(&host);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        QAction* record = FindAction(frame, QStringLiteral("Record VCD(&R)..."));
        QVERIFY(record && !record->isEnabled());  // only while simulating
        FindAction(frame, QStringLiteral("Single Scan(&N)"))->trigger();
        CSimMonitor& sim = *frame.Simulation();
        QVERIFY(record->isEnabled());

        const std::string coils = dir.filePath(QStringLiteral("coils.vcd")).toStdString();
        host.answers = {coils};
        record->trigger();
        QVERIFY(record->isChecked() && sim.IsRecording());
        QCOMPARE(host.saveRequests.back().proposedName, std::string("demo.vcd"));
        ClickCell(*frame.ActiveChild()->View(), 0, 0);
        sim.Advance(2);  // 8 and 16 ms
        record->trigger();
        QVERIFY(!record->isChecked() && !sim.IsRecording());
        const QString text = ReadText(coils);
        for (const char* part : {"$var wire 1 ! Y000_0 $end", "$var wire 1 & Y001_0 $end",
                                 "#8\n$dumpvars\n1!\n", "#24\n"}) {
            QVERIFY2(text.contains(QString::fromLatin1(part)), part);
        }
        QVERIFY(!text.contains(QStringLiteral("$var wire 1 ' ")));  // six coils, no more

        // The watched signals; written when the run stops.
        TypeAddress(*frame.SignalsWindow(), QStringLiteral("X000.0"));
        TypeAddress(*frame.SignalsWindow(), QStringLiteral("D010"));
        const std::string watched = dir.filePath(QStringLiteral("watched.vcd")).toStdString();
        host.answers = {watched};
        record->trigger();
        sim.Advance(1);
        frame.OnStartStopSimulation();
        QVERIFY(!record->isChecked());
        const QString second = ReadText(watched);
        QVERIFY2(second.contains(QStringLiteral("$var wire 1 ! X000_0 $end\n"
                                                "$var reg 16 \" D010 $end")),
                 qPrintable(second));
        QVERIFY(second.contains(QStringLiteral("#24\n$dumpvars\n1!\nb0000000000000000 \"\n")));
        QVERIFY(m_box.messages.empty());

        // A directory and a missing directory are refused at once, before anything is recorded.
        FindAction(frame, QStringLiteral("Single Scan(&N)"))->trigger();
        host.answers = {dir.path().toStdString()};
        record->trigger();
        QVERIFY(!record->isChecked() && !sim.IsRecording());
        QCOMPARE(m_box.messages.size(), std::size_t{1});
        const std::string missing = dir.filePath(QStringLiteral("no/such.vcd")).toStdString();
        host.answers = {missing};
        record->trigger();
        QVERIFY(!record->isChecked() && !sim.IsRecording());
        frame.OnStartStopSimulation();
        QCOMPARE(m_box.messages.size(), std::size_t{2});
        QVERIFY2(m_box.messages[1].find(missing) != std::string::npos, m_box.messages[1].c_str());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

QTEST_MAIN(TestSimulation)
#include "tst_Simulation.moc"
