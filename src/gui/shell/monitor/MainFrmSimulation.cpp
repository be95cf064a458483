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

// The file dialogs put the filters' descriptions into the language chosen.
constexpr const char* kStimulusFilter =
    "Stimulus files (*.stim;*.txt)|*.stim;*.txt|All files (*.*)|*.*||";
constexpr const char* kVcdFilter = "Value Change Dump (*.vcd)|*.vcd|All files (*.*)|*.*||";
constexpr std::array kSpeeds = {0.25, 1.0, 4.0, 16.0};

}  // namespace

void CMainFrame::CreateSimulationMenu() {
    m_sim = new CSimMonitor(this);
    auto* menu = new QMenu(this);
    // Before the Window menu.
    menuBar()->insertMenu(m_windowMenu ? m_windowMenu->menuAction() : nullptr, menu);
    m_simStartAct = menu->addAction(QString());
    m_simStartAct->setCheckable(true);
    m_simStartAct->setShortcut(QKeySequence(Qt::Key_F5));
    Register(33101, m_simStartAct);
    connect(m_simStartAct, &QAction::triggered, this, &CMainFrame::OnStartStopSimulation);
    m_simScanAct = menu->addAction(QString());
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
    m_simPauseAct = menu->addAction(QString());
    m_simPauseAct->setCheckable(true);
    connect(m_simPauseAct, &QAction::toggled, m_sim, &CSimMonitor::SetPaused);
    menu->addSeparator();
    auto* speeds = new QActionGroup(this);
    for (const double speed : kSpeeds) {
        QAction* action = menu->addAction(QString());
        action->setCheckable(true);
        action->setChecked(speed == 1.0);
        speeds->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed] { m_sim->SetSpeed(speed); });
    }
    const QList<QAction*> speedActs = speeds->actions();
    m_documentMenus << menu;
    CreateSimulationExtras(menu);
    CreateTestActions(menu);
    auto* toolbar = addToolBar(QString());
    toolbar->setObjectName(QStringLiteral("SimulationToolBar"));
    toolbar->addAction(m_simStartAct);
    toolbar->addAction(m_simScanAct);
    // The View menu stays as specified: the toolbar's toggle is the Simulation menu's.
    menu->addSeparator();
    QAction* toggle = toolbar->toggleViewAction();
    menu->addAction(toggle);
    KeepTranslated([this, menu, speedActs, toolbar, toggle] {
        menu->setTitle(tr("Simulation(&S)"));
        m_simScanAct->setText(tr("Single Scan(&N)"));
        m_simPauseAct->setText(tr("Pause(&P)"));
        for (qsizetype i = 0; i < speedActs.size(); ++i) {
            const double speed = kSpeeds.at(static_cast<std::size_t>(i));
            speedActs.at(i)->setText(speed == 1.0 ? tr("Real Time (8 ms a Scan)")
                                                  : tr("Speed x%1").arg(speed));
        }
        toolbar->setWindowTitle(tr("Simulation"));  // names its toggle too: that comes after
        toggle->setText(tr("Simulation Toolbar(&T)"));
        ShowSimulationTexts(m_sim->IsActive());
    });
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
    QAction* load = menu->addAction(QString());
    connect(load, &QAction::triggered, this, &CMainFrame::OnLoadStimulus);
    m_simUnloadAct = menu->addAction(QString());
    m_simUnloadAct->setEnabled(false);
    connect(m_simUnloadAct, &QAction::triggered, this, [this] {
        OutputLine(tr("Stimulus unloaded: %1")
                       .arg(QtText::FromLocalPath(m_sim->StimulusPath()))
                       .toStdString());
        m_sim->UnloadStimulus();
        m_simUnloadAct->setEnabled(false);
    });
    m_simRecordAct = menu->addAction(QString());
    KeepTranslated([this, signalsToggle, load] {
        signalsToggle->setText(tr("Signals(&G)"));
        load->setText(tr("Load Stimulus(&L)..."));
        m_simUnloadAct->setText(tr("Unload Stimulus(&U)"));
        m_simRecordAct->setText(tr("Record VCD(&R)..."));
    });
    m_simRecordAct->setCheckable(true);
    connect(m_simRecordAct, &QAction::triggered, this, &CMainFrame::OnRecordVcd);
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
    m_simPauseAct->setEnabled(on);
    m_simRecordAct->setEnabled(on);
    if (!on) {
        m_simPauseAct->setChecked(false);
    }
    ShowSimulationTexts(on);
    UpdateSimulationPane();
    if (!on) {
        UpdateEditCommands();
    }
}

void CMainFrame::ShowSimulationTexts(bool on) {
    m_simStartAct->setText(on ? tr("Stop Simulation(&S)") : tr("Start Simulation(&S)"));
    m_idle->setText(on ? tr("Simulating: the program is read-only (F5 stops, F10 runs one scan, "
                            "Space switches the contact at the cursor)")
                       : tr("be ready"));
}

}  // namespace rungpad
