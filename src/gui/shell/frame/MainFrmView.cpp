// The main frame's view beyond the original: the status bar's position, zoom and simulation
// panes, the zoom a new window takes, the window layout kept between runs, and the language of
// the texts.

#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <array>
#include <utility>

#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "shell/frame/AppIcon.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/MenuLayout.h"
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

// The toolbars by object name, with their titles (the toolbars' own menu lists them).
constexpr std::array<std::pair<const char*, const char*>, 3> kToolBarTitles = {{
    {"StandardToolBar", QT_TRANSLATE_NOOP("rungpad::CMainFrame", "Standard")},
    {"ElementToolBar", QT_TRANSLATE_NOOP("rungpad::CMainFrame", "Elements")},
    {"SimulationToolBar", QT_TRANSLATE_NOOP("rungpad::CMainFrame", "Simulation")},
}};

QLabel* Pane(QWidget* parent, const QString& name, const QString& widest) {
    auto* pane = new QLabel(parent);
    pane->setObjectName(name);
    pane->setAlignment(Qt::AlignCenter);
    if (!widest.isEmpty()) {
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 12);
    }
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return pane;
}

}  // namespace

void CMainFrame::CreateInfoPanes() {
    m_positionPane = Pane(this, QStringLiteral("position"), QString());
    m_zoomPane = Pane(this, QStringLiteral("zoom"), QStringLiteral("300%"));
    m_simPane = Pane(this, QStringLiteral("simulation"), QString());
    FitInfoPanes();
    m_simPane->hide();
    statusBar()->addPermanentWidget(m_simPane);
    statusBar()->addPermanentWidget(m_positionPane);
    statusBar()->addPermanentWidget(m_zoomPane);
}

void CMainFrame::FitInfoPanes() {
    // Wide enough for the longest text of the language in force.
    const auto fit = [](QLabel* pane, const QString& widest) {
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + 12);
    };
    fit(m_positionPane, tr("Lines %1-%2").arg(QStringLiteral("0000"), QStringLiteral("0000")));
    fit(m_simPane, tr("%1 s  %2").arg(QStringLiteral("00000.000"), tr("Running")));
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
        m_positionPane->setText(tr("Line %1, Column %2")
                                    .arg(selection.cursor.line + 1)
                                    .arg(selection.cursor.column + 1));
    } else {
        m_positionPane->setText(
            tr("Lines %1-%2").arg(selection.FirstLine() + 1).arg(selection.LastLine() + 1));
    }
}

void CMainFrame::UpdateSimulationPane() {
    const bool on = m_sim->IsActive();
    m_simPane->setVisible(on);
    if (on) {
        const double seconds = static_cast<double>(m_sim->Engine().TimeMs()) / 1000.0;
        m_simPane->setText(tr("%1 s  %2")
                               .arg(seconds, 0, 'f', 3)
                               .arg(m_sim->IsPaused() || m_sim->Engine().IsStopped()
                                        ? tr("Paused")
                                        : tr("Running")));
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

void CMainFrame::AddDockStandIn(int id, const std::function<void()>& make) {
    auto* standIn = new QAction(this);
    standIn->setCheckable(true);
    AdoptCommand(id, standIn);
    connect(standIn, &QAction::triggered, this, [this, id, make](bool on) {
        make();
        if (on) {
            Command(id)->trigger();  // the window's own action now, which shows it
        }
    });
}

QAction* CMainFrame::AddLateDock(int id, QDockWidget& dock, const std::function<void()>& place) {
    // Hidden until asked for, as every window but the output window is after the start.
    dock.hide();
    if (!restoreDockWidget(&dock)) {
        place();
    }
    dock.hide();
    QAction* standIn = Command(id);
    QAction* toggle = dock.toggleViewAction();
    toggle->setVisible(standIn->isVisible());
    for (QObject* holder : standIn->associatedObjects()) {
        if (auto* widget = qobject_cast<QWidget*>(holder)) {
            widget->insertAction(standIn, toggle);
            widget->removeAction(standIn);
        }
    }
    m_documentActions.removeOne(standIn);
    m_editActions.removeOne(standIn);
    // Gone from the frame now; deleted later, as it may be on its way through its own trigger.
    standIn->disconnect(this);
    standIn->setParent(nullptr);
    standIn->deleteLater();
    AdoptCommand(id, toggle);
    return toggle;
}

QMenu* CMainFrame::createPopupMenu() {
    QMenu* menu = QMainWindow::createPopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    // Qt lists the docks made so far in the order they were made, then the toolbars after a
    // separator: the docks' part is put back whole, with the stand-ins of those not made yet.
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            menu->insertActions(
                action, {m_output->toggleViewAction(), m_comment->toggleViewAction(),
                         m_instruction->toggleViewAction(), Command(EditCommands::kCrossReference),
                         Command(EditCommands::kSignals), Command(EditCommands::kTimingDiagram),
                         Command(EditCommands::kTestResults)});
            break;
        }
        menu->removeAction(action);
    }
    return menu;
}

void CMainFrame::FitCrossReference(bool shown) {
    // Opened narrow (its first time, or squeezed), the window takes a width its columns fit in.
    if (shown && m_xref->width() < kXrefWidth * 3 / 4) {
        resizeDocks({m_xref}, {kXrefWidth}, Qt::Horizontal);
    }
}

void CMainFrame::CreateLanguageMenu() {
    QMenu* view = nullptr;
    for (const MenuLayout::Menu& layout : MenuLayout::MenuBar()) {
        for (const auto& [menu, title] : m_menuTitles) {
            if (layout.name == MenuLayout::Name::kView && title == layout.title) {
                view = menu;
            }
        }
    }
    Q_ASSERT(view != nullptr);
    view->addSeparator();
    m_languageMenu = view->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(this);
    for (const Language choice : UiLanguage::kChoices) {
        QAction* action = m_languageMenu->addAction(UiLanguage::MenuText(choice));
        action->setCheckable(true);
        action->setChecked(choice == m_language.Current());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { SetLanguage(choice); });
        m_languageActs << action;
    }
    // The rest of the frame was made in the language in force; with a translator installed, Qt
    // has a LanguageChange on its way anyway.
    RetranslateLanguageMenu();
}

void CMainFrame::RetranslateLanguageMenu() {
    m_languageMenu->setTitle(tr("Language(&L)"));
    m_languageMenu->menuAction()->setStatusTip(
        tr("Show the texts in the original wording, in Chinese or in English"));
}

void CMainFrame::SetLanguage(Language choice) {
    if (!m_language.Apply(choice)) {
        m_box->ShowMessage(tr("The translation of the texts could not be loaded: the texts stay "
                              "as they are.")
                               .toStdString());
    }
    for (qsizetype i = 0; i < m_languageActs.size(); ++i) {
        m_languageActs.at(i)->setChecked(UiLanguage::kChoices.at(static_cast<std::size_t>(i)) ==
                                         m_language.Current());
    }
}

void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_languageMenu) {
        RetranslateFrame();
    }
    QMainWindow::changeEvent(event);
}

void CMainFrame::RetranslateFrame() {
    RetranslateLanguageMenu();
    UpdateTitle();
    // A window's or toolbar's title is also its show/hide command's text, which the commands
    // then put back.
    m_output->setWindowTitle(tr("输出窗口"));
    m_comment->setWindowTitle(tr("注释窗口"));
    m_instruction->setWindowTitle(tr("指令表输出窗口"));
    for (const auto& [name, title] : kToolBarTitles) {
        if (auto* toolbar = findChild<QToolBar*>(QLatin1String(name))) {
            toolbar->setWindowTitle(tr(title));
        }
    }
    RetranslateCommands();
    ShowSimulationNote(m_sim->IsActive());
    FitInfoPanes();
    UpdateInfoPanes();
    UpdateSimulationPane();
    RetranslateLockPanes();
    MarkInstructionList();
    ShowLiveStatus();
}

}  // namespace rungpad
