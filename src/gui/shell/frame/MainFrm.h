#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <span>

#include "dialogs/QtMessageBox.h"
#include "edit/LadClipboard.h"
#include "edit/ReplaceButtons.h"
#include "model/HostInterfaces.h"
#include "model/SelectionState.h"
#include "shell/frame/CommandTable.h"
#include "shell/frame/QtDocumentHost.h"
#include "shell/frame/QtReloadPrompt.h"
#include "shell/frame/ShortcutTable.h"
#include "shell/frame/UiLanguage.h"
#include "view/FirstShowQueue.h"
#include "view/PrinterSetup.h"

class QAction;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace rungpad {

class CChildFrame;
class CCoolBar;
class CDiskWatcher;
class CUserGuide;
class CLadEditor;
class COutputNavigator;
class CRungpadDoc;
class CXrefWindow;
class CSimMonitor;
class CSignalsWindow;
class CTimingDiagramWindow;
class CTestResultsWindow;
class DocumentHost;
struct RecoveryCopy;

// The multiple-document main window: menus, toolbar, status bar, the child windows of the open
// documents, and the output, comment and instruction windows through which documents and views
// report (the message channel).
class CMainFrame : public QMainWindow, public MessageChannel {
    Q_OBJECT

  public:
    static constexpr int kRecentFiles = 4;
    static constexpr int kOutputHeight = 120;  // the output window's height at the start

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Where documents show message boxes and ask for files; tests put scripted hosts here before
    // opening documents.
    void SetMessageBox(MessageBoxHost* box) { m_box = box ? box : &m_qtBox; }
    void SetDocumentHost(DocumentHost* host) { m_host = host ? host : &m_qtHost; }
    MessageBoxHost& MessageBox() const { return *m_box; }

    // Opens path in a new child window, or brings the window that already shows it to the front.
    // False when the file cannot be read (reported in a message box).
    bool OpenDocumentFile(const QString& path);
    // Opens path, prints all its pages on printer without a dialog, and closes it again; false
    // when the file cannot be read or printed.
    bool PrintDocumentFile(const QString& path, QPrinter& printer);
    CChildFrame* NewDocument();
    // Opens a recovery copy in a new child window as a modified document of the copy's path;
    // nullptr when the copy cannot be read (reported in a message box).
    CChildFrame* OpenRecoveredDocument(const RecoveryCopy& copy);
    // Closes every document, asking first about each changed one; false, with nothing closed,
    // when the user cancels.
    bool CloseAllDocuments();

    // Help > User Guide and Keyboard Shortcuts (MainFrmHelp.cpp); the rows come from the
    // registered commands.
    void OnUserGuide();
    void OnKeyboardShortcuts();
    QList<ShortcutTable::Row> ShortcutRows() const;
    CUserGuide* UserGuide() const;
    // Notices files changed by other programs and offers to reload them (MainFrmDisk.cpp).
    CDiskWatcher* DiskWatcher() const { return m_diskWatcher; }
    // Reads doc's file again into a new document shown in as many windows; false, with doc
    // kept, when the file cannot be read.
    bool ReloadDocument(CRungpadDoc& doc);

    CChildFrame* ActiveChild() const;
    // The one action of command id, shared by the menus, the toolbars and the right-click menu;
    // nullptr for an id without one.
    QAction* Command(int id) const;
    // Puts every command's text, status tip and tool tip and every menu title on again from the
    // command table in the current language (after a change of language).
    void RetranslateCommands();
    CRungpadDoc* ActiveDocument() const;
    QList<CChildFrame*> Children() const;
    CCoolBar* OutputWindow() const { return m_output; }
    CCoolBar* CommentWindow() const { return m_comment; }
    CCoolBar* InstructionWindow() const { return m_instruction; }
    CSimMonitor* Simulation() const { return m_sim; }
    // The Signals, Timing Diagram, Test Results and Cross Reference windows are made the first
    // time they are asked for here or shown from their menu items, not at the start; made late,
    // each takes the place the last run left it in.
    CSignalsWindow* SignalsWindow();
    CTimingDiagramWindow* TimingWindow();
    CTestResultsWindow* TestResultsWindow();
    CXrefWindow* XrefWindow();
    QStringList RecentFiles() const { return m_recentFiles; }
    COutputNavigator* Navigator() const { return m_navigator; }
    QAction* UndoAction() const { return m_undoAct; }
    // Shows the window with its geometry and the docks' places and sizes from the last run
    // (maximized when none was kept).
    void ShowWithLayout();
    // Runs work once the window's first picture is on the screen (at once when it is not on its
    // way there).
    void AfterFirstPicture(const std::function<void()>& work) { m_firstShow.Run(work); }
    void SaveLayout() const;
    QAction* RedoAction() const { return m_redoAct; }
    QAction* CoilReferencesAction() const { return m_coilRefsAct; }
    QAction* DocumentationAction() const { return m_documentationAct; }
    // View > Language: Original, 中文 or English, applied at once and kept for the next start.
    rungpad::Language CurrentLanguage() const { return m_language.Current(); }
    void SetLanguage(rungpad::Language choice);

    // Brings child (the active child when nullptr) to the front and selects from anchor to
    // cursor in its view.
    void ShowPlace(CChildFrame* child, GridPos anchor, GridPos cursor);

    void OutputLine(std::string_view text) override;
    void ClearOutput() override;
    void SetOutputText(std::string_view text) override;
    void ShowCellNote(std::string_view note) override;
    void ShowInstructionList(const std::vector<std::string>& lines) override;
    void ClearInstructionWindow() override;

  public slots:
    void OnFileNew();
    void OnFileOpen();
    void OnConvert();
    // Simulation: F5 starts (converting first, refused as F7 shows) and stops monitor mode.
    void OnStartStopSimulation();

    // The menu of the docks' and toolbars' show/hide actions (a right-click on a toolbar or a
    // dock's title): every docked window, made yet or not, in the order they have always had.
    QMenu* createPopupMenu() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // A language change puts the frame's own texts into the new language.
    void changeEvent(QEvent* event) override;
    // Watches the keys of the whole program for the lock key panes.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    friend class CommandTable;  // names the frame's command handlers

    void CreateDockWindows();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateElementToolBar();
    void AddToolButtons(QToolBar* toolbar, std::span<const int> ids);
    void CreateStatusBar();
    // Makes action the one of command id, with the table's texts; a document command is shown
    // only with a document, an editing command disabled while simulating.
    QAction* AdoptCommand(int id, QAction* action);
    // Connects action to what command runs.
    void BindCommand(const CommandTable::Command& command, QAction* action);
    QIcon CommandIcon(const CommandTable::Command& command) const;
    // Command id of a window made on first use: until the window is made, an action of its own
    // stands in the menus; its first trigger makes the window (make) and shows it.
    void AddDockStandIn(int id, const std::function<void()>& make);
    // Puts dock, just made, where the last run left it, else where place puts it, hidden; its
    // own show/hide action takes over command id from the stand-in and is returned.
    QAction* AddLateDock(int id, QDockWidget& dock, const std::function<void()>& place);
    // Whether command id shows its other text now (Print(&R)... without a document, Stop
    // Simulation while simulating).
    bool ShowsOtherText(int id) const;
    void RetranslateCommand(int id);
    // Command handlers without a home of their own.
    void OnFileClose();
    void OnAppExit();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnEditReplace();
    void OnNextPane();
    void OnPreviousPane();
    void OnStatusBarToggled(bool on);
    void OnCoilReferencesToggled(bool on);
    // The status bar panes of the cursor's line and column, the zoom and, while simulating, the
    // simulated time and Running or Paused.
    void CreateInfoPanes();
    void FitInfoPanes();
    void UpdateInfoPanes();
    void UpdateSimulationPane();
    // A new window takes the zoom last chosen; a change is kept for the next.
    void FollowZoom(CChildFrame* child);
    // The cross-reference window opens wide enough for its columns.
    void FitCrossReference(bool shown);
    // The cross-reference window, when there is one, is rebuilt after the current event.
    void RefreshCrossReference();
    // The cross-reference window and the jumps from the output and instruction windows.
    void CreateNavigation();
    void ConnectView(CChildFrame* child);
    // The active view's live check result in the status bar.
    void ShowLiveStatus();
    // The simulation monitor, its windows and toolbar (the Simulation menu is built with the
    // others).
    void CreateSimulationMenu();
    void OnSingleScan();
    void OnPauseToggled(bool on);
    void OnSpeedChosen();
    void OnUnloadStimulus();
    // Monitor mode on or off: editing commands disabled while on, with a status bar note.
    void SetSimulating(bool on);
    // The status bar's note for monitor mode on or off.
    void ShowSimulationNote(bool on);
    void StopSimulation();
    // Presets set by hand in an earlier run of the document, written before the first scan.
    void RestorePresets(const CRungpadDoc& doc);
    // The Signals window and the recording's report.
    void CreateSimulationExtras();
    void OnLoadStimulus();
    void OnRecordVcd(bool on);
    // The Timing Diagram window and File > Open Trace... (MainFrmTiming.cpp).
    void CreateTimingDiagram();
    void ShowTimingDiagram();
    // The Test Results window, docked in the bottom area, goes beside the output window.
    void KeepTestResultsBesideOutput();
    void OnOpenTrace();
    void OnExportTimingImage();
    // Run Tests and the Test Results window (MainFrmTests.cpp).
    void CreateTestActions();
    void OnRunTests();
    void ShowTestResults();
    void FitTestResults();
    void RunTestFile(CChildFrame& child, const std::string& path);
    // The window to show the last run's failures in (the active one when it shows the tested
    // document); nullptr, with the reason told, once that document is closed or edited.
    CChildFrame* TestedWindow();
    void OnTestFailureActivated(int row);
    // Compare With and the moves between the differences it marks (MainFrmCompare.cpp).
    void OnCompareWith();
    void OnNextDifference();
    void OnPreviousDifference();
    void MoveToDifference(bool forward);
    // Print Documentation (MainFrmDocumentation.cpp).
    void OnPrintDocumentation();
    // Shows the document menus only while a document is open.
    void UpdateMenus();
    // Undo and Modify Note are enabled only when the active view can do them.
    void UpdateEditCommands();
    CChildFrame* AddChild(std::shared_ptr<CRungpadDoc> doc);
    // The open windows of doc, in window order.
    QList<CChildFrame*> ViewsOf(const CRungpadDoc& doc) const;
    void OnViewEdited(CChildFrame* edited);
    // "demo.plf:1", "demo.plf:2" while a document has more than one window.
    void NumberViews();
    void UpdateWindowList();
    void OnWindowNew();
    void OnWindowCascade();
    void OnWindowTile();
    void OnWindowArrange();
    void UpdateLockPanes();
    void RetranslateLockPanes();
    // The Language submenu at the end of the View menu (MainFrmView.cpp).
    void CreateLanguageMenu();
    void RetranslateLanguageMenu();
    // Every text of the frame and its commands again, in the language in force.
    void RetranslateFrame();
    void CreateDiskWatcher();
    // The main title names the active document while its window is not maximized.
    void UpdateTitle();
    CChildFrame* FindChild(const QString& path) const;
    void AddRecentFile(const QString& path);
    void LoadRecentFiles();
    void SaveRecentFiles() const;
    void UpdateRecentFileActions();
    // Runs a document command on the active document and refreshes its window title.
    // namesFile: the command saves the document under its name, which goes to the recent list.
    template <typename Run>
    void OnDocumentCommand(Run command, bool namesFile);
    void SetInstructionText(const std::vector<std::string>& lines);
    // Keeps the instruction window on the active document's list.
    void FollowActiveDocument();
    // Greys the instruction list while the active document's last conversion failed.
    void MarkInstructionList();

    // First in, last out: its translators are in force while the frame's widgets are made.
    UiLanguage m_language;
    QtMessageBox m_qtBox;
    QtDocumentHost m_qtHost;
    QtReloadPrompt m_qtReload{this};
    CDiskWatcher* m_diskWatcher = nullptr;
    QPointer<CUserGuide> m_guide;
    MessageBoxHost* m_box;
    DocumentHost* m_host;
    PrinterSetup m_printer;
    FirstShowQueue m_firstShow;
    LadClipboard m_clipboard;
    ReplaceButtons m_replaceButtons;  // their wrap flags outlive each replace dialog
    QMdiArea* m_mdi = nullptr;
    CCoolBar* m_output = nullptr;
    CCoolBar* m_comment = nullptr;
    CCoolBar* m_instruction = nullptr;
    QLabel* m_idle = nullptr;
    QLabel* m_positionPane = nullptr;
    QLabel* m_zoomPane = nullptr;
    QLabel* m_simPane = nullptr;
    std::array<QLabel*, 3> m_lockPanes{};  // Caps Lock, Num Lock, Scroll Lock
    int m_untitledCount = 0;
    CRungpadDoc* m_listDocument = nullptr;  // the active document the instruction window follows
    QStringList m_recentFiles;

    QAction* m_convertAct = nullptr;
    QHash<int, QAction*> m_commands;
    QList<std::pair<QMenu*, const char*>> m_menuTitles;  // each menu with its source title
    QMenu* m_functionMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_windowListActions;
    int m_windowCount = 0;
    QAction* m_undoAct = nullptr;
    QAction* m_redoAct = nullptr;
    CXrefWindow* m_xref = nullptr;
    COutputNavigator* m_navigator = nullptr;
    QAction* m_modifyNoteAct = nullptr;
    QAction* m_coilRefsAct = nullptr;
    QAction* m_documentationAct = nullptr;
    QList<QAction*> m_editActions;  // disabled while simulating
    CSimMonitor* m_sim = nullptr;
    QAction* m_simStartAct = nullptr;
    QAction* m_simScanAct = nullptr;
    QAction* m_simPauseAct = nullptr;
    QAction* m_simUnloadAct = nullptr;
    QAction* m_simRecordAct = nullptr;
    CSignalsWindow* m_signals = nullptr;
    bool m_monitorStarted = false;  // a Signals window made since shows the watch list at once
    CTimingDiagramWindow* m_timing = nullptr;
    bool m_timingPlaced = false;  // split above the output window once shown
    CTestResultsWindow* m_tests = nullptr;
    std::weak_ptr<CRungpadDoc> m_testDocument;  // the document of the results shown
    QList<QAction*> m_documentActions;          // shown only with a document open
    QList<QMenu*> m_documentMenus;
    std::array<QAction*, kRecentFiles> m_recentActs{};
    QAction* m_recentSeparator = nullptr;
    QMenu* m_languageMenu = nullptr;
    QList<QAction*> m_languageActs;  // in the order of UiLanguage::kChoices
};

}  // namespace rungpad
