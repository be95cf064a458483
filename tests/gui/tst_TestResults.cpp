// Simulation > Run Tests...: the Test Results window lists a row a case, a failure double-clicked
// shows its run in monitor mode at the failing scan with the cursor on the line that writes the
// signal, a malformed file is named with its line, the test file is remembered per document, and
// the document never changes.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>

#include "GuiTestSupport.h"
#include "MainFrameTest.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/panels/TestResultsWindow.h"
#include "sim/SimSignal.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::FindAction;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");
const QString kDemoTests = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plt");
const QString kRunTests = QStringLiteral("Run Tests(&E)...");

// The example's failing-on-purpose case, switched on.
constexpr const char* kFailingCase =
    "\ncase lubrication too early\nset DT0001=100\n16ms   X000.0=1\nexpect 100ms Y000.1=1\n";

// Answers the open-file chooser with the paths queued (then cancels) and keeps what it proposed.
class TestFileHost final : public DocumentHost {
  public:
    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest& request) override {
        proposed.push_back(request.proposedName);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::string path = answers.front();
        answers.pop_front();
        return path;
    }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }
    std::string ProgramDirectory() override { return {}; }

    std::deque<std::string> answers;
    std::vector<std::string> proposed;
};

QString Cell(const QTableWidget& table, int row, int column) {
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

std::uint32_t Signal(CSimMonitor& sim, const char* name) {
    std::string problem;
    return SimSignal::Parse(name, problem)->Read(sim.Engine().Memory());
}

}  // namespace

class TestTestResults : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() {
        InitSettings();
        QVERIFY(m_dir.isValid());
        QFile demo(kDemoTests);
        QVERIFY(demo.open(QIODevice::ReadOnly));
        m_failing = Write("failing.plt", demo.readAll() + kFailingCase);
    }
    void init() { m_box.messages.clear(); }

    // One row a case in file order; the failure names the test file's line, the time, the value
    // and the ladder line. The document, its converter and the windows of Convert stay as they
    // were. A failure of a closed document is refused.
    void runListsEveryCaseAndLeavesTheDocumentAlone() {
        CMainFrame frame;
        TestFileHost host;
        RunFailingTests(frame, host);
        const CRungpadDoc& doc = *frame.ActiveDocument();
        const CTestResultsWindow& window = *frame.TestResultsWindow();
        QVERIFY(window.isVisible());
        const QTableWidget& table = *window.Table();
        QCOMPARE(table.rowCount(), 6);
        const QStringList names = {"start/stop latch",
                                   "lubrication delay",
                                   "work-piece counter",
                                   "stop button is an interlock",
                                   "second level follows its input",
                                   "lubrication too early"};
        for (int row = 0; row < table.rowCount(); ++row) {
            QCOMPARE(Cell(table, row, CTestResultsWindow::kCase), names[row]);
            QCOMPARE(Cell(table, row, CTestResultsWindow::kResult),
                     row < 5 ? QStringLiteral("PASS") : QStringLiteral("FAIL"));
        }
        QCOMPARE(Cell(table, 5, CTestResultsWindow::kMessage),
                 QStringLiteral("failing.plt:61: expect 100ms Y000.1=1: at 96ms Y000.1 was 0; "
                                "written by ladder line 5"));
        QVERIFY2(window.Summary()->text().startsWith(
                     QStringLiteral("failing.plt on demo.plf: 5 passed, 1 failed")),
                 qPrintable(window.Summary()->text()));
        QVERIFY(doc.RecoveryBytes() == m_demoBytes);
        QVERIFY(!doc.State().IsModified());
        QVERIFY(!doc.IsConverted());
        QVERIFY(!frame.InstructionWindow()->isVisible());
        QVERIFY(!frame.Simulation()->IsActive());
        QVERIFY(frame.OutputWindow()->Edit()->toPlainText().contains(
            QStringLiteral("Tests failing.plt on demo.plf: 5 passed, 1 failed")));
        QVERIFY(m_box.messages.empty());
        // Once the document is closed its failures have nowhere to be shown.
        frame.ActiveChild()->close();
        QTRY_VERIFY(frame.Children().isEmpty());
        emit window.Table()->cellActivated(5, 0);
        QCOMPARE(m_box.messages,
                 std::vector<std::string>{"The document these tests ran on is closed."});
        QVERIFY(!frame.Simulation()->IsActive());
    }

    // A double-click on the failure starts monitor mode, replays the case up to its failing scan
    // (96 ms) and pauses there, with the cursor on Y000.1's coil (line 5) and the case's signals
    // watched. The document still holds what the file holds.
    void doubleClickShowsTheFailingScan() {
        CMainFrame frame;
        TestFileHost host;
        RunFailingTests(frame, host);
        const CRungpadDoc& doc = *frame.ActiveDocument();
        QTableWidget& table = *frame.TestResultsWindow()->Table();
        // A passing case has nothing to show.
        DoubleClick(table, 0);
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        QVERIFY(!frame.Simulation()->IsActive());
        QSignalSpy shown(frame.TestResultsWindow(), &CTestResultsWindow::FailureActivated);
        DoubleClick(table, 5);
        QCOMPARE(shown.count(), 1);
        CSimMonitor& sim = *frame.Simulation();
        QVERIFY(sim.IsActive());
        QVERIFY(sim.IsPaused());
        QVERIFY(FindAction(frame, QStringLiteral("Pause(&P)"))->isChecked());
        QCOMPARE(sim.Engine().TimeMs(), 104);  // after the scan at 96 ms
        QCOMPARE(Signal(sim, "Y000.1"), 0u);
        QCOMPARE(Signal(sim, "Y000.0"), 1u);  // the spindle runs since 16 ms
        QCOMPARE(doc.Selection().cursor, (GridPos{7, 4}));
        QVERIFY(frame.ActiveChild()->View()->IsMonitoring());
        QStringList watched;
        for (const WatchEntry& entry : sim.Watch().Entries()) {
            watched << QString::fromStdString(entry.signal.name);
        }
        QCOMPARE(watched, (QStringList{"Y000.1", "X000.0"}));
        QVERIFY(frame.OutputWindow()->Edit()->toPlainText().contains(
            QStringLiteral("Showing case 'lubrication too early' of failing.plt at 96ms, paused")));
        // The case goes on scan by scan: lubrication starts in the scan at 120 ms.
        sim.Advance(2);
        QCOMPARE(Signal(sim, "Y000.1"), 0u);
        sim.Advance(1);
        QCOMPARE(Signal(sim, "Y000.1"), 1u);
        // Shown again from a running simulation: the case starts afresh.
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        DoubleClick(table, 5);
        QCOMPARE(sim.Engine().TimeMs(), 104);
        frame.OnStartStopSimulation();
        QVERIFY(doc.RecoveryBytes() == m_demoBytes);
        QVERIFY(!doc.State().IsModified());
        QVERIFY(m_box.messages.empty());
        // Once the program is edited, the failure's time and line may no longer hold.
        frame.ActiveChild()->View()->Edit([](CLadEditor& editor) {
            editor.Select({0, 11}, {0, 11});
            editor.OnDeleteLine();
        });
        QVERIFY(doc.State().IsModified());
        QTest::qWait(QApplication::doubleClickInterval() + 10);
        DoubleClick(table, 5);
        QVERIFY(!sim.IsActive());
        QCOMPARE(m_box.messages,
                 std::vector<std::string>{
                     "demo.plf has changed since its tests ran: run them again first."});
    }

    // Nothing runs from a malformed file: the window, the output window and a message box name
    // the file, the line and what is wrong.
    void malformedFileIsNamedWithItsLine() {
        CMainFrame frame;
        TestFileHost host;
        Prepare(frame, host);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        const std::string bad = Write("bad.plt", "case a\nexpect 12xs Y000.0=1\n");
        host.answers = {bad};
        FindAction(frame, kRunTests)->trigger();
        const CTestResultsWindow& window = *frame.TestResultsWindow();
        const QString expected =
            QString::fromStdString(bad + ":2: '12xs' is not a time such as 120ms or 2s");
        QCOMPARE(window.Table()->rowCount(), 0);
        QVERIFY2(window.Summary()->text().endsWith(expected), qPrintable(window.Summary()->text()));
        QCOMPARE(m_box.messages.size(), 1u);
        QVERIFY(QString::fromStdString(m_box.messages[0]).endsWith(expected));
        QVERIFY(frame.OutputWindow()->Edit()->toPlainText().contains(expected));
        // A file that cannot be read is named too.
        host.answers = {m_dir.filePath(QStringLiteral("missing.plt")).toStdString()};
        FindAction(frame, kRunTests)->trigger();
        QVERIFY(window.Summary()->text().contains(QStringLiteral("missing.plt")));
        QCOMPARE(m_box.messages.size(), 2u);
    }

    // A program that does not convert runs nothing and says why.
    void programThatDoesNotConvertRunsNothing() {
        CMainFrame frame;
        TestFileHost host;
        Prepare(frame, host);
        frame.OnFileNew();  // no END1, END2
        host.answers = {kDemoTests.toStdString()};
        FindAction(frame, kRunTests)->trigger();
        const CTestResultsWindow& window = *frame.TestResultsWindow();
        QCOMPARE(window.Table()->rowCount(), 0);
        QVERIFY2(window.Summary()->text().startsWith(QStringLiteral("Nothing ran: Ladder1")),
                 qPrintable(window.Summary()->text()));
        QCOMPARE(m_box.messages.size(), 1u);
        QVERIFY(!frame.ActiveDocument()->State().IsModified());
    }

    // The chooser proposes the .plt beside the program at first, then the file last run against
    // the document, also in a later session; another document has its own. Run Again asks
    // nothing.
    void testFileIsRememberedPerDocument() {
        const std::string program = Copy(kDemo, "machine.plf");
        const std::string beside = Copy(kDemoTests, "machine.plt");
        const std::string other = Copy(kDemo, "other.plf");
        {
            CMainFrame frame;
            TestFileHost host;
            Prepare(frame, host);
            QVERIFY(frame.OpenDocumentFile(QString::fromStdString(program)));
            host.answers = {m_failing};
            FindAction(frame, kRunTests)->trigger();
            QCOMPARE(host.proposed.back(), beside);
            FindAction(frame, kRunTests)->trigger();  // cancelled
            QCOMPARE(host.proposed.back(), m_failing);
            QVERIFY(frame.OpenDocumentFile(QString::fromStdString(other)));
            FindAction(frame, kRunTests)->trigger();
            QCOMPARE(host.proposed.back(), std::string());
            // Run Again runs the active document's file without asking.
            QVERIFY(frame.OpenDocumentFile(QString::fromStdString(program)));
            const std::size_t asked = host.proposed.size();
            frame.TestResultsWindow()->ShowProblem(QStringLiteral("cleared"));
            frame.TestResultsWindow()->RunAgainButton()->click();
            QCOMPARE(host.proposed.size(), asked);
            QCOMPARE(frame.TestResultsWindow()->Table()->rowCount(), 6);
        }
        CMainFrame later;
        TestFileHost host;
        Prepare(later, host);
        QVERIFY(later.OpenDocumentFile(QString::fromStdString(program)));
        FindAction(later, kRunTests)->trigger();
        QCOMPARE(host.proposed.back(), m_failing);
    }

  private:
    void Prepare(CMainFrame& frame, TestFileHost& host) {
        MainFrameTest::Prepare(frame);
        frame.SetDocumentHost(&host);
    }

    // Opens the example program and runs the example tests with the failing case switched on.
    void RunFailingTests(CMainFrame& frame, TestFileHost& host) {
        Prepare(frame, host);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        if (m_demoBytes.empty()) {
            m_demoBytes = frame.ActiveDocument()->RecoveryBytes();
        }
        QVERIFY(frame.ActiveDocument()->RecoveryBytes() == m_demoBytes);
        host.answers = {m_failing};
        QAction* run = FindAction(frame, kRunTests);
        QVERIFY(run);
        run->trigger();
    }

    std::string Write(const char* name, const QByteArray& text) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text);
        }
        return path.toStdString();
    }

    std::string Copy(const QString& from, const char* name) {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile::remove(path);
        return QFile::copy(from, path) ? path.toStdString() : std::string();
    }

    static void DoubleClick(QTableWidget& table, int row) {
        QCoreApplication::processEvents();  // the dock takes its size
        QTableWidgetItem* item = table.item(row, CTestResultsWindow::kCase);
        table.scrollToItem(item);
        const QRect cell = table.visualItemRect(item);
        // A real double-click: the press that selects the row, then the second press.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    }

    QTemporaryDir m_dir;
    std::string m_failing;
    std::vector<std::uint8_t> m_demoBytes;  // the example as its file holds it
};

QTEST_MAIN(TestTestResults)
#include "tst_TestResults.moc"
