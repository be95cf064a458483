// The main frame's simulation commands: monitor mode of the active view (start and stop, single
// scan, pause, speed), the Signals window, stimulus playback and recording, beside the specified
// menus.

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

#include <array>

#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "model/LadProgram.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/MenuLayout.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "sim/SimSignal.h"
#include "sim/SimWarnings.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

// The file dialogs put the filters' descriptions into the language chosen.
constexpr const char* kStimulusFilter =
    "Stimulus files (*.stim;*.txt)|*.stim;*.txt|All files (*.*)|*.*||";
constexpr const char* kVcdFilter = "Value Change Dump (*.vcd)|*.vcd|All files (*.*)|*.*||";

}  // namespace

void CMainFrame::CreateSimulationMenu() {
    m_sim = new CSimMonitor(this);
    CreateSimulationExtras();
    CreateTestActions();
    auto* toolbar = addToolBar(QStringLiteral("Simulation"));
    toolbar->setObjectName(QStringLiteral("SimulationToolBar"));
    AddToolButtons(toolbar, MenuLayout::SimulationToolBar());
    // The View menu stays as specified: the toolbar's toggle is the Simulation menu's.
    AdoptCommand(EditCommands::kSimulationToolbar, toolbar->toggleViewAction());
    connect(m_sim, &CSimMonitor::Refreshed, this, &CMainFrame::UpdateSimulationPane);
    connect(m_sim, &CSimMonitor::ActiveChanged, this, [this] { m_monitorStarted = true; });
    connect(m_simPauseAct, &QAction::toggled, this, &CMainFrame::UpdateSimulationPane);
    connect(m_sim, &CSimMonitor::Halted, this, [this](const QString& message) {
        OutputLine(message.toStdString());
        m_simPauseAct->setChecked(true);
    });
    SetSimulating(false);
}

void CMainFrame::OnSingleScan() {
    if (!m_sim->IsActive()) {
        OnStartStopSimulation();
    }
    if (m_sim->IsActive()) {
        m_sim->SingleScan();
        m_simPauseAct->setChecked(true);
    }
}

void CMainFrame::OnPauseToggled(bool on) {
    m_sim->SetPaused(on);
}

void CMainFrame::OnSpeedChosen() {
    static constexpr std::array<std::pair<int, double>, 4> kSpeeds = {{
        {EditCommands::kSpeedQuarter, 0.25},
        {EditCommands::kSpeedRealTime, 1.0},
        {EditCommands::kSpeedFour, 4.0},
        {EditCommands::kSpeedSixteen, 16.0},
    }};
    for (const auto& [id, speed] : kSpeeds) {
        if (Command(id)->isChecked()) {
            m_sim->SetSpeed(speed);
        }
    }
}

void CMainFrame::CreateSimulationExtras() {
    AddDockStandIn(EditCommands::kSignals, [this] { SignalsWindow(); });
    CreateTimingDiagram();
    connect(m_sim, &CSimMonitor::RecordingWritten, this,
            [this](const QString& path, const QString& error) {
                m_simRecordAct->setChecked(false);
                if (error.isEmpty()) {
                    OutputLine(tr("VCD written: %1").arg(path).toStdString());
                } else {
                    OutputLine(error.toStdString());
                    m_box->ShowMessage(error.toStdString());
                }
            });
}

CSignalsWindow* CMainFrame::SignalsWindow() {
    if (m_signals) {
        return m_signals;
    }
    m_signals = new CSignalsWindow(*m_sim, this);
    m_signals->SetNotesSource([this]() -> const AddressNotes* {
        const CRungpadDoc* doc = ActiveDocument();
        return doc ? &doc->Notes() : nullptr;
    });
    QAction* toggle = AddLateDock(EditCommands::kSignals, *m_signals,
                                  [this] { addDockWidget(Qt::RightDockWidgetArea, m_signals); });
    // A preset set by hand stays with the document for its next run.
    connect(m_signals, &CSignalsWindow::PresetEdited, this,
            [this](const QString& word, quint32 value) {
                const CRungpadView* view = m_sim->View();
                if (view && view->Editor()) {
                    view->Editor()->Document().SimulationPresets()[word.toStdString()] = value;
                }
            });
    // Opened from the menu, the window is ready for an address to be typed.
    connect(toggle, &QAction::triggered, this, [this](bool on) {
        if (on) {
            resizeDocks({m_signals}, {340}, Qt::Horizontal);
            resizeDocks({m_signals}, {420}, Qt::Vertical);
            m_signals->AddressEdit()->setFocus();
        }
    });
    // As a window made at the start shows it all at each start and stop of monitor mode.
    if (m_monitorStarted) {
        m_signals->ShowAll();
    }
    return m_signals;
}

void CMainFrame::OnUnloadStimulus() {
    OutputLine(tr("Stimulus unloaded: %1")
                   .arg(QtText::FromLocalPath(m_sim->StimulusPath()))
                   .toStdString());
    m_sim->UnloadStimulus();
    m_simUnloadAct->setEnabled(false);
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
    const QString loaded = m_sim->IsActive() ? tr("Stimulus loaded: %1 (playing from now)")
                                             : tr("Stimulus loaded: %1 (plays from the start)");
    OutputLine(loaded.arg(QtText::FromLocalPath(*path)).toStdString());
    for (const std::string& line :
         SimWarnings::Unseen(*m_sim->LoadedStimulus(), m_sim->Engine().PeriodMs())) {
        OutputLine(tr("warning: %1").arg(QtText::ToQString(line)).toStdString());
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
    OutputLine(tr("Recording to %1").arg(QtText::FromLocalPath(*path)).toStdString());
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
    if (m_signals) {
        m_signals->ShowAll();  // a window not made yet shows it all when it is
    }
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
    RetranslateCommand(EditCommands::kStartSimulation);  // Start or Stop Simulation
    m_simPauseAct->setEnabled(on);
    m_simRecordAct->setEnabled(on);
    if (!on) {
        m_simPauseAct->setChecked(false);
    }
    ShowSimulationNote(on);
    UpdateSimulationPane();
    if (!on) {
        UpdateEditCommands();
    }
}

void CMainFrame::ShowSimulationNote(bool on) {
    m_idle->setText(on ? tr("Simulating: the program is read-only (F5 stops, F10 runs one scan, "
                            "Space switches the contact at the cursor)")
                       : tr("be ready"));
}

}  // namespace rungpad
