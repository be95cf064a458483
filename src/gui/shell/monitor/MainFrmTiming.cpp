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
    m_timing = new CTimingDiagramWindow(*m_sim, this);
    // Hidden until asked for, and split above the output window only then: split while hidden,
    // it would still take its height from the diagram.
    addDockWidget(Qt::BottomDockWidgetArea, m_timing);
    m_timing->hide();
    QAction* toggle = AdoptCommand(EditCommands::kTimingDiagram, m_timing->toggleViewAction());
    connect(toggle, &QAction::triggered, this, [this](bool on) {
        if (on) {
            ShowTimingDiagram();
        }
    });
    connect(m_timing, &CTimingDiagramWindow::SignalNameClicked, m_xref,
            &CXrefWindow::SelectAddress);
    connect(m_timing, &CTimingDiagramWindow::ExportRequested, this,
            &CMainFrame::OnExportTimingImage);
    // File > Open Trace... needs no document, so it stays in the short menu too.
}

void CMainFrame::ShowTimingDiagram() {
    if (!m_timingPlaced) {
        m_timingPlaced = true;
        // Across the whole width, the output window along the bottom below it.
        removeDockWidget(m_timing);
        addDockWidget(Qt::BottomDockWidgetArea, m_timing, Qt::Vertical);
        splitDockWidget(m_timing, m_output, Qt::Vertical);
        // The Test Results window, docked beside the output window, stays beside it (else it
        // would open across the whole width above the diagram).
        if (m_tests && !m_tests->isFloating() &&
            dockWidgetArea(m_tests) == Qt::BottomDockWidgetArea) {
            splitDockWidget(m_output, m_tests, Qt::Horizontal);
        }
    }
    m_timing->show();
    m_timing->raise();
    resizeDocks({m_timing}, {kDockHeight}, Qt::Vertical);
}

void CMainFrame::OnOpenTrace() {
    const auto path = m_host->ChooseOpenFile({"vcd", "", kTraceFilter});
    if (!path) {
        return;
    }
    std::string error;
    if (!m_timing->OpenTrace(*path, error)) {
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
    if (!m_timing->ExportImage(*path, error)) {
        OutputLine(error);
        m_box->ShowMessage(error);
        return;
    }
    OutputLine(tr("Image written: %1").arg(QtText::FromLocalPath(*path)).toStdString());
}

}  // namespace rungpad
