// The main frame's Simulation menu: monitor mode of the active view (start and stop, single
// scan, pause, speed), the Signals window, stimulus playback and recording, beside the specified
// menus.

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <array>

#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "model/LadProgram.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "sim/SimSignal.h"
#include "sim/SimWarnings.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

constexpr const char* kStimulusFilter =
    "Stimulus files (*.stim;*.txt)|*.stim;*.txt|All files (*.*)|*.*||";
constexpr const char* kVcdFilter = "Value Change Dump (*.vcd)|*.vcd|All files (*.*)|*.*||";

const QString kReadyText = QStringLiteral("be ready");
const QString kSimulatingText = QStringLiteral(
    "Simulating: the program is read-only (F5 stops, F10 runs one scan, Space "
    "switches the contact at the cursor)");

}  // namespace

void CMainFrame::CreateSimulationMenu() {
    m_sim = new CSimMonitor(this);
    auto* menu = new QMenu(QStringLiteral("Simulation(&S)"), this);
    // Before the Window menu.
    QAction* before = nullptr;
    for (QAction* action : menuBar()->actions()) {
        if (action->text() == QStringLiteral("Window(&W)")) {
            before = action;
        }
    }
    menuBar()->insertMenu(before, menu);
    m_simStartAct = menu->addAction(QStringLiteral("Start Simulation(&S)"));
    m_simStartAct->setCheckable(true);
    m_simStartAct->setShortcut(QKeySequence(Qt::Key_F5));
    Register(33101, m_simStartAct);
    connect(m_simStartAct, &QAction::triggered, this, &CMainFrame::OnStartStopSimulation);
    m_simScanAct = menu->addAction(QStringLiteral("Single Scan(&N)"));
    m_simScanAct->setShortcut(QKeySequence(Qt::Key_F10));
    Register(33102, m_simScanAct);
    connect(m_simScanAct, &QAction::triggered, this, [this] {
        if (!m_sim->IsActive()) {
            OnStartStopSimulation();
        }
        if (m_sim->IsActive()) {
            m_sim->SingleScan();
            m_simPauseAct->setChecked(true);
        }
    });
    m_simPauseAct = menu->addAction(QStringLiteral("Pause(&P)"));
    m_simPauseAct->setCheckable(true);
    connect(m_simPauseAct, &QAction::toggled, m_sim, &CSimMonitor::SetPaused);
    menu->addSeparator();
    auto* speeds = new QActionGroup(this);
    for (const double speed : {0.25, 1.0, 4.0, 16.0}) {
        QAction* action = menu->addAction(speed == 1.0 ? QStringLiteral("Real Time (8 ms a Scan)")
                                                       : QStringLiteral("Speed x%1").arg(speed));
        action->setCheckable(true);
        action->setChecked(speed == 1.0);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed] { m_sim->SetSpeed(speed); });
    }
    m_documentMenus << menu;
    CreateSimulationExtras(menu);
    CreateTestActions(menu);
    auto* toolbar = addToolBar(QStringLiteral("Simulation"));
    toolbar->setObjectName(QStringLiteral("SimulationToolBar"));
    toolbar->addAction(m_simStartAct);
    toolbar->addAction(m_simScanAct);
    // The View menu stays as specified: the toolbar's toggle is the Simulation menu's.
    menu->addSeparator();
    QAction* toggle = toolbar->toggleViewAction();
    toggle->setText(QStringLiteral("Simulation Toolbar(&T)"));
    menu->addAction(toggle);
    connect(m_sim, &CSimMonitor::Refreshed, this, &CMainFrame::UpdateSimulationPane);
    connect(m_simPauseAct, &QAction::toggled, this, &CMainFrame::UpdateSimulationPane);
    connect(m_sim, &CSimMonitor::Halted, this, [this](const QString& message) {
        OutputLine(message.toStdString());
        m_simPauseAct->setChecked(true);
    });
    SetSimulating(false);
}

void CMainFrame::CreateSimulationExtras(QMenu* menu) {
    menu->addSeparator();
    m_signals = new CSignalsWindow(*m_sim, this);
    m_signals->SetNotesSource([this]() -> const AddressNotes* {
        const CRungpadDoc* doc = ActiveDocument();
        return doc ? &doc->Notes() : nullptr;
    });
    addDockWidget(Qt::RightDockWidgetArea, m_signals);
    m_signals->hide();
    // A preset set by hand stays with the document for its next run.
    connect(m_signals, &CSignalsWindow::PresetEdited, this,
            [this](const QString& word, quint32 value) {
                const CRungpadView* view = m_sim->View();
                if (view && view->Editor()) {
                    view->Editor()->Document().SimulationPresets()[word.toStdString()] = value;
                }
            });
    QAction* signalsToggle = m_signals->toggleViewAction();
    signalsToggle->setText(QStringLiteral("Signals(&G)"));
    menu->addAction(signalsToggle);
    // Opened from the menu, the window is ready for an address to be typed.
    connect(signalsToggle, &QAction::triggered, this, [this](bool on) {
        if (on) {
            resizeDocks({m_signals}, {340}, Qt::Horizontal);
            resizeDocks({m_signals}, {420}, Qt::Vertical);
            m_signals->AddressEdit()->setFocus();
        }
    });
    CreateTimingDiagram(menu);
    QAction* load = menu->addAction(QStringLiteral("Load Stimulus(&L)..."));
    connect(load, &QAction::triggered, this, &CMainFrame::OnLoadStimulus);
    m_simUnloadAct = menu->addAction(QStringLiteral("Unload Stimulus(&U)"));
    m_simUnloadAct->setEnabled(false);
    connect(m_simUnloadAct, &QAction::triggered, this, [this] {
        OutputLine("Stimulus unloaded: " + m_sim->StimulusPath());
        m_sim->UnloadStimulus();
        m_simUnloadAct->setEnabled(false);
    });
    m_simRecordAct = menu->addAction(QStringLiteral("Record VCD(&R)..."));
    m_simRecordAct->setCheckable(true);
    connect(m_simRecordAct, &QAction::triggered, this, &CMainFrame::OnRecordVcd);
    connect(m_sim, &CSimMonitor::RecordingWritten, this,
            [this](const QString& path, const QString& error) {
                m_simRecordAct->setChecked(false);
                if (error.isEmpty()) {
                    OutputLine("VCD written: " + path.toStdString());
                } else {
                    OutputLine(error.toStdString());
                    m_box->ShowMessage(error.toStdString());
                }
            });
}

void CMainFrame::OnLoadStimulus() {
    const auto path = m_host->ChooseOpenFile({"stim", "", kStimulusFilter});
    if (!path) {
        return;
    }
    std::string error;
    if (!m_sim->LoadStimulus(*path, error)) {
        OutputLine(error);
        m_box->ShowMessage(error);
        return;
    }
    OutputLine("Stimulus loaded: " + *path +
               (m_sim->IsActive() ? " (playing from now)" : " (plays from the start)"));
    for (const std::string& line :
         SimWarnings::Unseen(*m_sim->LoadedStimulus(), m_sim->Engine().PeriodMs())) {
        OutputLine("warning: " + line);
    }
    m_simUnloadAct->setEnabled(true);
}

void CMainFrame::OnRecordVcd(bool on) {
    if (!on) {
        m_sim->StopRecording();  // reports through RecordingWritten
        return;
    }
    CChildFrame* child = ActiveChild();
    if (!m_sim->IsActive() || !child) {
        m_simRecordAct->setChecked(false);
        return;
    }
    // The document's name with .vcd proposed; the title stands in for an unsaved document.
    const CRungpadDoc& doc = child->Document();
    const std::string& name =
        doc.State().PathName().empty() ? doc.State().Title() : doc.State().PathName();
    const QString base = QFileInfo(QtText::FromLocalPath(name)).completeBaseName();
    const auto path = m_host->ChooseSaveFile(
        {"vcd", base.isEmpty() ? "" : QtText::ToLocalPath(base + QStringLiteral(".vcd")),
         kVcdFilter});
    std::string error;
    if (!path || !m_sim->StartRecording(*path, doc.Notes(), error)) {
        if (!error.empty()) {
            OutputLine(error);
            m_box->ShowMessage(error);
        }
        m_simRecordAct->setChecked(false);
        return;
    }
    OutputLine("Recording to " + *path);
}

void CMainFrame::OnStartStopSimulation() {
    if (m_sim->IsActive()) {
        StopSimulation();
        return;
    }
    CChildFrame* child = ActiveChild();
    if (!child) {
        m_simStartAct->setChecked(false);
        return;
    }
    // Starting converts, as F7 does; a program that does not convert does not start. The header
    // words a conversion refreshes are put back, so the document stays as it was.
    LadProgram& program = child->Document().Program();
    const std::array<std::int16_t, 3> words{program.end1Line, program.stepCountWord,
                                            program.end1Step};
    OnConvert();
    program.end1Line = words[0];
    program.stepCountWord = words[1];
    program.end1Step = words[2];
    std::string message;
    if (!child->Document().IsConverted() ||
        !m_sim->Start(*child->View(), child->Document().Converter(), message)) {
        if (!message.empty()) {
            OutputLine(message);
            m_box->ShowMessage(message);
        }
        m_simStartAct->setChecked(false);
        return;
    }
    m_sim->Watch().UpdateNotes(child->Document().Notes());
    RestorePresets(child->Document());
    m_signals->ShowAll();
    connect(child, &QObject::destroyed, this, &CMainFrame::StopSimulation, Qt::UniqueConnection);
    SetSimulating(true);
}

void CMainFrame::RestorePresets(const CRungpadDoc& doc) {
    for (const auto& [word, value] : doc.SimulationPresets()) {
        std::string problem;
        if (const std::optional<SimSignal> signal = SimSignal::Parse(word, problem)) {
            m_sim->Assign(*signal, std::to_string(value), false, problem);
        }
    }
}

void CMainFrame::StopSimulation() {
    m_sim->Stop();
    SetSimulating(false);
}

void CMainFrame::SetSimulating(bool on) {
    for (QAction* action : m_editActions) {
        action->setEnabled(!on);
    }
    m_convertAct->setEnabled(!on && ActiveChild() != nullptr);
    m_simStartAct->setChecked(on);
    m_simStartAct->setText(on ? QStringLiteral("Stop Simulation(&S)")
                              : QStringLiteral("Start Simulation(&S)"));
    m_simPauseAct->setEnabled(on);
    m_simRecordAct->setEnabled(on);
    if (!on) {
        m_simPauseAct->setChecked(false);
    }
    m_idle->setText(on ? kSimulatingText : kReadyText);
    UpdateSimulationPane();
    if (!on) {
        UpdateEditCommands();
    }
}

}  // namespace rungpad
