// The main frame's timing diagram: its docking window beside Signals in the Simulation menu,
// File > Open Trace... and the window's Export Image..., beside the specified menus.

#include <QAction>

#include "document/DocumentHost.h"
#include "edit/EditCommands.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/TimingDiagramWindow.h"
#include "shell/panels/TestResultsWindow.h"
#include "shell/panels/XrefWindow.h"
#include "text/QtText.h"

namespace rungpad {

namespace {

// The file dialogs put the filters' descriptions into the language chosen.
constexpr const char* kTraceFilter = "Value Change Dump (*.vcd)|*.vcd|All files (*.*)||";
constexpr const char* kImageFilter = "PNG image (*.png)|*.png|SVG image (*.svg)|*.svg||";
constexpr int kDockHeight = 300;

}  // namespace

void CMainFrame::CreateTimingDiagram() {
    AddDockStandIn(EditCommands::kTimingDiagram, [this] { TimingWindow(); });
    // File > Open Trace... needs no document, so it stays in the short menu too.
}

CTimingDiagramWindow* CMainFrame::TimingWindow() {
    if (m_timing) {
        return m_timing;
    }
    m_timing = new CTimingDiagramWindow(*m_sim, this);
    // Split above the output window only once shown: split while hidden, it would still take
    // its height from the diagram.
    QAction* toggle = AddLateDock(EditCommands::kTimingDiagram, *m_timing,
                                  [this] { addDockWidget(Qt::BottomDockWidgetArea, m_timing); });
    connect(toggle, &QAction::triggered, this, [this](bool on) {
        if (on) {
            ShowTimingDiagram();
        }
    });
    connect(m_timing, &CTimingDiagramWindow::SignalNameClicked, this,
            [this](const QString& name) { XrefWindow()->SelectAddress(name); });
    connect(m_timing, &CTimingDiagramWindow::ExportRequested, this,
            &CMainFrame::OnExportTimingImage);
    return m_timing;
}

void CMainFrame::ShowTimingDiagram() {
    CTimingDiagramWindow* timing = TimingWindow();
    if (!m_timingPlaced) {
        m_timingPlaced = true;
        // Across the whole width, the output window along the bottom below it.
        removeDockWidget(timing);
        addDockWidget(Qt::BottomDockWidgetArea, timing, Qt::Vertical);
        splitDockWidget(timing, m_output, Qt::Vertical);
        KeepTestResultsBesideOutput();  // and the Test Results window beside it
    }
    timing->show();
    timing->raise();
    resizeDocks({timing}, {kDockHeight}, Qt::Vertical);
}

void CMainFrame::KeepTestResultsBesideOutput() {
    // Else, below a timing diagram, it would open across the whole width above the diagram.
    if (m_tests && !m_tests->isFloating() && dockWidgetArea(m_tests) == Qt::BottomDockWidgetArea) {
        splitDockWidget(m_output, m_tests, Qt::Horizontal);
    }
}

void CMainFrame::OnOpenTrace() {
    const auto path = m_host->ChooseOpenFile({"vcd", "", kTraceFilter});
    if (!path) {
        return;
    }
    std::string error;
    if (!TimingWindow()->OpenTrace(*path, error)) {
        OutputLine(error);
        m_box->ShowMessage(error);
        return;
    }
    OutputLine(tr("Trace opened: %1").arg(QtText::FromLocalPath(*path)).toStdString());
    ShowTimingDiagram();
}

void CMainFrame::OnExportTimingImage() {
    const auto path = m_host->ChooseSaveFile({"png", "timing.png", kImageFilter});
    if (!path) {
        return;
    }
    std::string error;
    if (!TimingWindow()->ExportImage(*path, error)) {
        OutputLine(error);
        m_box->ShowMessage(error);
        return;
    }
    OutputLine(tr("Image written: %1").arg(QtText::FromLocalPath(*path)).toStdString());
}

}  // namespace rungpad
