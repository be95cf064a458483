#pragma once

#include <QMainWindow>
#include <QPrinter>
#include <QStringList>
#include <array>
#include <functional>

#include "dialogs/QtMessageBox.h"
#include "edit/LadClipboard.h"
#include "edit/ReplaceButtons.h"
#include "model/HostInterfaces.h"
#include "model/SelectionState.h"
#include "shell/QtDocumentHost.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace rungpad {

class CChildFrame;
class CCoolBar;
class CLadEditor;
class COutputNavigator;
class CRungpadDoc;
class CXrefWindow;
class DocumentHost;

// The multiple-document main window: menus, toolbar, status bar, the child windows of the open
// documents, and the output, comment and instruction windows through which documents and views
// report (the message channel).
class CMainFrame : public QMainWindow, public MessageChannel {
    Q_OBJECT

  public:
    static constexpr int kRecentFiles = 4;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Where documents show message boxes and ask for files; tests put scripted hosts here before
    // opening documents.
    void SetMessageBox(MessageBoxHost* box) { m_box = box ? box : &m_qtBox; }
    void SetDocumentHost(DocumentHost* host) { m_host = host ? host : &m_qtHost; }

    // Opens path in a new child window, or brings the window that already shows it to the front.
    // False when the file cannot be read (reported in a message box).
    bool OpenDocumentFile(const QString& path);
    CChildFrame* NewDocument();
    // Closes every document, asking first about each changed one; false, with nothing closed,
    // when the user cancels.
    bool CloseAllDocuments();

    CChildFrame* ActiveChild() const;
    CRungpadDoc* ActiveDocument() const;
    QList<CChildFrame*> Children() const;
    CCoolBar* OutputWindow() const { return m_output; }
    CCoolBar* CommentWindow() const { return m_comment; }
    CCoolBar* InstructionWindow() const { return m_instruction; }
    QStringList RecentFiles() const { return m_recentFiles; }
    CXrefWindow* XrefWindow() const { return m_xref; }
    COutputNavigator* Navigator() const { return m_navigator; }
    QAction* UndoAction() const { return m_undoAct; }
    QAction* RedoAction() const { return m_redoAct; }

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

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateDockWindows();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateEditMenu();
    void CreateElementToolBar();
    // An action that runs command on the active view's editor.
    QAction* AddEditAction(QWidget* into, const QString& text, const QList<QKeySequence>& keys,
                           const std::function<void(CLadEditor&)>& command);
    void CreateStatusBar();
    // The cross-reference window and the jumps from the output and instruction windows.
    void CreateNavigation();
    void ConnectView(CChildFrame* child);
    // The active view's live check result in the status bar.
    void ShowLiveStatus();
    // Shows the document menus only while a document is open.
    void UpdateMenus();
    // Undo and Modify Note are enabled only when the active view can do them.
    void UpdateEditCommands();
    CChildFrame* AddChild(std::unique_ptr<CRungpadDoc> doc);
    CChildFrame* FindChild(const QString& path) const;
    void AddRecentFile(const QString& path);
    void LoadRecentFiles();
    void SaveRecentFiles() const;
    void UpdateRecentFileActions();
    // Runs a document command on the active document and refreshes its window title.
    // namesFile: the command saves the document under its name, which goes to the recent list.
    template <typename Command>
    void OnDocumentCommand(Command command, bool namesFile);
    QAction* AddDocumentAction(QMenu* menu, const QString& text, bool (CRungpadDoc::*command)(),
                               const QKeySequence& key = {}, bool namesFile = false);
    void SetInstructionText(const std::vector<std::string>& lines);
    // Keeps the instruction window on the active document's list.
    void FollowActiveDocument();

    QtMessageBox m_qtBox;
    QtDocumentHost m_qtHost;
    MessageBoxHost* m_box;
    DocumentHost* m_host;
    QPrinter m_printer;
    LadClipboard m_clipboard;
    ReplaceButtons m_replaceButtons;  // their wrap flags outlive each replace dialog
    QMdiArea* m_mdi = nullptr;
    CCoolBar* m_output = nullptr;
    CCoolBar* m_comment = nullptr;
    CCoolBar* m_instruction = nullptr;
    QLabel* m_idle = nullptr;
    int m_untitledCount = 0;
    CRungpadDoc* m_listDocument = nullptr;  // the active document the instruction window follows
    QStringList m_recentFiles;

    QAction* m_newAct = nullptr;
    QAction* m_openAct = nullptr;
    QAction* m_convertAct = nullptr;
    QAction* m_exitAct = nullptr;
    QAction* m_undoAct = nullptr;
    QAction* m_redoAct = nullptr;
    CXrefWindow* m_xref = nullptr;
    COutputNavigator* m_navigator = nullptr;
    QAction* m_modifyNoteAct = nullptr;
    QList<QAction*> m_documentActions;  // shown only with a document open
    QList<QMenu*> m_documentMenus;
    std::array<QAction*, kRecentFiles> m_recentActs{};
    QAction* m_recentSeparator = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
};

}  // namespace rungpad
