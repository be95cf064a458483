// The main frame's view beyond the original: the status bar's position, zoom and simulation
// panes, the zoom a new window takes, and the window layout kept between runs.

#include <QDockWidget>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>

#include "document/RungpadDoc.h"
#include "shell/frame/AppIcon.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/panels/XrefWindow.h"
#include "view/RungpadView.h"
#include "view/ZoomSteps.h"

namespace rungpad {

namespace {

const QString kZoomKey = QStringLiteral("View/Zoom");
const QString kGeometryKey = QStringLiteral("MainWindow/Geometry");
const QString kStateKey = QStringLiteral("MainWindow/State");
constexpr int kXrefWidth = 460;

QLabel* Pane(QWidget* parent, const QString& name, const QString& widest) {
    auto* pane = new QLabel(parent);
    pane->setObjectName(name);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 12);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return pane;
}

}  // namespace

void CMainFrame::CreateInfoPanes() {
    m_positionPane = Pane(this, QStringLiteral("position"), QStringLiteral("Lines 0000-0000"));
    m_zoomPane = Pane(this, QStringLiteral("zoom"), QStringLiteral("300%"));
    m_simPane = Pane(this, QStringLiteral("simulation"), QStringLiteral("00000.000 s  Running"));
    m_simPane->hide();
    statusBar()->addPermanentWidget(m_simPane);
    statusBar()->addPermanentWidget(m_positionPane);
    statusBar()->addPermanentWidget(m_zoomPane);
}

void CMainFrame::UpdateInfoPanes() {
    CChildFrame* child = ActiveChild();
    m_zoomPane->setText(child ? QStringLiteral("%1%").arg(child->View()->Zoom()) : QString());
    if (!child || !child->Document().Selection().HasCursor()) {
        m_positionPane->clear();
        return;
    }
    const SelectionState& selection = child->Document().Selection();
    // Lines as the view numbers them, from 1; the column from 1 too.
    if (selection.IsSingleCell()) {
        m_positionPane->setText(QStringLiteral("Line %1, Column %2")
                                    .arg(selection.cursor.line + 1)
                                    .arg(selection.cursor.column + 1));
    } else {
        m_positionPane->setText(QStringLiteral("Lines %1-%2")
                                    .arg(selection.FirstLine() + 1)
                                    .arg(selection.LastLine() + 1));
    }
}

void CMainFrame::UpdateSimulationPane() {
    const bool on = m_sim->IsActive();
    m_simPane->setVisible(on);
    if (on) {
        const double seconds = static_cast<double>(m_sim->Engine().TimeMs()) / 1000.0;
        m_simPane->setText(QStringLiteral("%1 s  %2")
                               .arg(seconds, 0, 'f', 3)
                               .arg(m_sim->IsPaused() || m_sim->Engine().IsStopped()
                                        ? QStringLiteral("Paused")
                                        : QStringLiteral("Running")));
    }
}

void CMainFrame::FollowZoom(CChildFrame* child) {
    // A new window starts at the zoom last chosen, which the next start remembers too.
    child->View()->SetZoom(QSettings().value(kZoomKey, ZoomSteps::kNormal).toInt());
    connect(child->View(), &CRungpadView::ZoomChanged, this, [this](int percent) {
        QSettings().setValue(kZoomKey, percent);
        UpdateInfoPanes();
    });
}

void CMainFrame::SaveLayout() const {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
}

void CMainFrame::ShowWithLayout() {
    QSettings settings;
    if (restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
        show();
    } else {
        showMaximized();
    }
    // Its icon in every size, read and handed to the window manager, and the lock keys (asked of
    // the display, a round trip each) follow the first picture.
    m_firstShow.Run([this] {
        setWindowIcon(AppIcon::Get());
        UpdateLockPanes();
    });
    // The docks' state goes in once the window shows: for a hidden maximized window Qt keeps it
    // to apply later, over a layout that opening a document has changed by then.
    restoreState(settings.value(kStateKey).toByteArray());
    // Places and sizes come back; what a window shows depends on the documents, so each starts
    // as it always does: the output window shown, the others hidden until needed.
    m_output->show();
    for (QDockWidget* dock : findChildren<QDockWidget*>()) {
        if (dock != m_output) {
            dock->hide();
        }
    }
}

void CMainFrame::FitCrossReference(bool shown) {
    // Opened narrow (its first time, or squeezed), the window takes a width its columns fit in.
    if (shown && m_xref->width() < kXrefWidth * 3 / 4) {
        resizeDocks({m_xref}, {kXrefWidth}, Qt::Horizontal);
    }
}

}  // namespace rungpad
