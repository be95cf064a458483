// The main frame's ladder tests: Simulation > Run Tests... runs a test file against the active
// document on a converted copy of its program and lists the cases in the Test Results window;
// a failure chosen there is shown in monitor mode, paused at the scan that broke it.

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QSettings>

#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/panels/TestResultsWindow.h"
#include "sim/LadderTestBench.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

// The file dialog puts the filter's descriptions into the language chosen.
constexpr const char* kTestFilter = "Ladder tests (*.plt)|*.plt|All files (*.*)|*.*||";
constexpr int kResultsHeight = 240;
const QString kTestFilesGroup = QStringLiteral("Test Files");

// The settings key of a saved document: its path, made safe for any settings format.
QString SettingsKey(const CRungpadDoc& doc) {
    const QString path = QtText::FromLocalPath(doc.State().PathName());
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return QString::fromLatin1(
        (canonical.isEmpty() ? path : canonical)
            .toUtf8()
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// The test file last run against doc: this session's, else the one the settings keep for its
// path, else the .plt file beside it of the same name when there is one.
std::string RememberedTestFile(const CRungpadDoc& doc) {
    if (!doc.State().TestFile().empty() || doc.State().PathName().empty()) {
        return doc.State().TestFile();
    }
    QSettings settings;
    settings.beginGroup(kTestFilesGroup);
    const QString kept = settings.value(SettingsKey(doc)).toString();
    if (!kept.isEmpty()) {
        return QtText::ToLocalPath(kept);
    }
    const QFileInfo program(QtText::FromLocalPath(doc.State().PathName()));
    const QFileInfo beside(
        program.dir().filePath(program.completeBaseName() + QStringLiteral(".plt")));
    return beside.isFile() ? QtText::ToLocalPath(beside.filePath()) : std::string();
}

void RememberTestFile(CRungpadDoc& doc, const std::string& path) {
    doc.State().SetTestFile(path);
    if (!doc.State().PathName().empty()) {
        QSettings settings;
        settings.beginGroup(kTestFilesGroup);
        settings.setValue(SettingsKey(doc),
                          QFileInfo(QtText::FromLocalPath(path)).absoluteFilePath());
    }
}

QString FileNameOf(const std::string& path) {
    return QFileInfo(QtText::FromLocalPath(path)).fileName();
}

}  // namespace

void CMainFrame::CreateTestActions() {
    AddDockStandIn(EditCommands::kTestResults, [this] { TestResultsWindow(); });
}

CTestResultsWindow* CMainFrame::TestResultsWindow() {
    if (m_tests) {
        return m_tests;
    }
    m_tests = new CTestResultsWindow(this);
    QAction* toggle = AddLateDock(EditCommands::kTestResults, *m_tests, [this] {
        addDockWidget(Qt::BottomDockWidgetArea, m_tests);
        splitDockWidget(m_output, m_tests, Qt::Horizontal);
    });
    // Made after the timing diagram took its place: beside the output window all the same.
    if (m_timingPlaced) {
        KeepTestResultsBesideOutput();
    }
    connect(toggle, &QAction::triggered, this, [this](bool on) {
        if (on) {
            FitTestResults();
        }
    });
    connect(m_tests, &CTestResultsWindow::FailureActivated, this,
            &CMainFrame::OnTestFailureActivated);
    // Again: the active document's test file, without asking when it has one.
    connect(m_tests, &CTestResultsWindow::RunAgainRequested, this, [this] {
        CChildFrame* child = ActiveChild();
        const std::string path = child ? child->Document().State().TestFile() : std::string();
        if (path.empty()) {
            OnRunTests();
        } else {
            RunTestFile(*child, path);
        }
    });
    return m_tests;
}

void CMainFrame::ShowTestResults() {
    CTestResultsWindow* tests = TestResultsWindow();
    if (!tests->isVisible()) {
        tests->show();
        FitTestResults();
    }
    tests->raise();
}

// Beside the output window, tall enough for a few cases and wide enough for a failure.
void CMainFrame::FitTestResults() {
    CTestResultsWindow* tests = TestResultsWindow();
    resizeDocks({tests}, {kResultsHeight}, Qt::Vertical);
    if (m_output->isVisible()) {
        resizeDocks({m_output, tests}, {width() / 3, width() * 2 / 3}, Qt::Horizontal);
    }
}

void CMainFrame::OnRunTests() {
    CChildFrame* child = ActiveChild();
    if (!child) {
        return;
    }
    const auto path =
        m_host->ChooseOpenFile({"plt", RememberedTestFile(child->Document()), kTestFilter});
    if (path) {
        RunTestFile(*child, *path);
    }
}

void CMainFrame::RunTestFile(CChildFrame& child, const std::string& path) {
    CRungpadDoc& doc = child.Document();
    RememberTestFile(doc, path);
    m_testDocument = child.SharedDocument();
    ShowTestResults();
    LadderTestFile file;
    LadderTestBench bench;
    std::string reason;
    QString problem;
    if (!file.Read(path, reason)) {
        problem = tr("test file refused: %1").arg(QtText::ToQString(reason));
    } else if (!bench.Load(doc.Program(), reason)) {
        problem = tr("%1 cannot run: %2")
                      .arg(QtText::ToQString(doc.State().Title()), QtText::ToQString(reason));
    }
    if (!problem.isEmpty()) {
        TestResultsWindow()->ShowProblem(problem);
        OutputLine(tr("Tests: nothing ran: %1").arg(problem).toStdString());
        m_box->ShowMessage(problem.toStdString());
        return;
    }
    std::vector<LadderTestResult> results = bench.RunAll(file);
    std::size_t failed = 0;
    for (const LadderTestResult& result : results) {
        failed += result.passed ? 0 : 1;
    }
    const QString testFile = FileNameOf(path);
    const QString document = QtText::ToQString(doc.State().Title());
    OutputLine(tr("Tests %1: %2 passed, %3 failed")
                   .arg(CTestResultsWindow::Heading(testFile, document),
                        QString::number(results.size() - failed), QString::number(failed))
                   .toStdString());
    TestResultsWindow()->ShowResults(testFile, document, std::move(file), std::move(results),
                                     doc.RecoveryBytes());
}

CChildFrame* CMainFrame::TestedWindow() {
    const std::shared_ptr<CRungpadDoc> doc = m_testDocument.lock();
    const QList<CChildFrame*> views = doc ? ViewsOf(*doc) : QList<CChildFrame*>{};
    QString refusal;
    if (views.isEmpty()) {
        refusal = tr("The document these tests ran on is closed.");
    } else if (doc->RecoveryBytes() != TestResultsWindow()->DocumentBytes()) {
        // The failure's time and line belong to the program as it was.
        refusal = tr("%1 has changed since its tests ran: run them again first.")
                      .arg(QtText::ToQString(doc->State().Title()));
    }
    if (!refusal.isEmpty()) {
        OutputLine(refusal.toStdString());
        m_box->ShowMessage(refusal.toStdString());
        return nullptr;
    }
    return views.contains(ActiveChild()) ? ActiveChild() : views.first();
}

void CMainFrame::OnTestFailureActivated(int row) {
    const CTestResultsWindow& tests = *TestResultsWindow();
    const LadderTestCase* testCase = tests.CaseAt(row);
    const LadderTestResult* result = tests.ResultAt(row);
    CChildFrame* child = testCase && result ? TestedWindow() : nullptr;
    if (!child) {
        return;
    }
    // The case runs from its start in monitor mode of that window, as it ran in the test.
    if (m_sim->IsActive()) {
        StopSimulation();
    }
    m_mdi->setActiveSubWindow(child);
    OnStartStopSimulation();
    if (!m_sim->IsActive()) {
        return;  // the program did not start; F5's message says why
    }
    const std::string label =
        tr("case '%1' of %2")
            .arg(QtText::ToQString(result->name), FileNameOf(tests.FileName()))
            .toStdString();
    m_sim->ReplayCase(*testCase, result->failMs, label);  // a stop on the way reports as Halted
    m_simPauseAct->setChecked(true);
    m_simUnloadAct->setEnabled(true);
    for (const SimSignal& signal : result->trace.Signals()) {
        std::string ignored;  // a signal watched already stays as it is
        m_sim->Watch().Add(signal.name, child->Document().Notes(), ignored);
    }
    m_sim->Refresh();
    SignalsWindow()->ShowAll();
    SignalsWindow()->show();
    if (result->ladderLine >= 0) {
        const GridPos place{result->ladderColumn, result->ladderLine};
        ShowPlace(child, place, place);
    }
    OutputLine(tr("Showing %1 at %2ms, paused (F10 runs one scan): %3")
                   .arg(QtText::ToQString(label), QString::number(result->failMs),
                        QtText::ToQString(result->message))
                   .toStdString());
}

}  // namespace rungpad
