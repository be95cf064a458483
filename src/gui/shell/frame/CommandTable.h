#pragma once

#include <QCoreApplication>
#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

class QAction;

namespace rungpad {

class CMainFrame;
class CRungpadDoc;
class CRungpadView;
class CLadEditor;

// Every command of the editor, declared once: its id (named in EditCommands), text, keys,
// prompt, icon and handler. The main frame makes one QAction per command from this table and
// shares it between the menus, the toolbars and the view's right-click menu, which name the
// commands by id (MenuLayout); nothing else writes a command's text, key or number.
//
// Texts and prompts are source texts of the translation context "Command". A few commands show
// another text in one state (otherText): Print Setup is "Print(&R)..." while no document is open,
// Start Simulation is "Stop Simulation(&S)" while simulating. The recent files and the list of
// open windows in the Window menu are made at run time and are not commands of the table.
class CommandTable {
  public:
    static constexpr const char* kContext = "Command";

    enum Flag : std::uint16_t {
        kDocument = 1 << 0,      // shown only while a document is open
        kEditing = 1 << 1,       // changes the program: disabled while simulating
        kCheckable = 1 << 2,     // on or off
        kChecked = 1 << 3,       // on at the start
        kDisabled = 1 << 4,      // disabled at the start
        kWindowToggle = 1 << 5,  // shows or hides a toolbar or window, whose own action it is
        kPlainPrompt = 1 << 6,   // the prompt is the status tip alone, without key or tool tip
        kNamesFile = 1 << 7,     // a document command that saves under the document's name
        kSpeed = 1 << 8,         // one of the exclusive simulation speeds
        kFunctionName = 1 << 9,  // the text is the function instruction's name, never translated
    };

    enum class Icon : std::uint8_t {
        kNone,
        kNew,
        kOpen,
        kSave,
        kCut,
        kCopy,
        kPaste,
        kUndo,
        kRedo,
        kConvert,
        kFind,
        kPrint,
        kAbout,
        kElement,  // the picture of the element the tool places
    };

    // What a command runs: exactly one member is set, or none for a window's show/hide toggle.
    struct Handler {
        void (CMainFrame::*frame)() = nullptr;          // on the main frame
        void (CMainFrame::*checked)(bool) = nullptr;    // on the frame, with the new check state
        void (CMainFrame::*toggled)(bool) = nullptr;    // on every change of the check state
        bool (CRungpadDoc::*document)() = nullptr;      // on the active document
        void (CRungpadView::*view)() = nullptr;         // on the active view
        void (CLadEditor::*editor)() = nullptr;         // on the active view's editor
        bool (CLadEditor::*editorById)(int) = nullptr;  // on the editor, given the command id
    };

    struct Command {
        int id;
        const char* text;       // menu text; nullptr for a function instruction (its name)
        const char* otherText;  // the text in the command's other state; nullptr: none
        std::array<QKeyCombination, 2> keys;  // Qt::Key_unknown: none
        const char* prompt;                   // "status\ntool tip"; nullptr: none
        Icon icon;
        std::uint16_t flags;
        Handler handler;

        bool Has(Flag flag) const { return (flags & flag) != 0; }
        QList<QKeySequence> Shortcuts() const;
    };

    // Every command: the fixed ones, then the 36 function instructions.
    static std::span<const Command> Commands();
    // The command of id; nullptr when there is none.
    static const Command* Find(int id);
    // Puts command's text (its other text when otherState), status tip and tool tip on action,
    // translated in context "Command" (the source texts while no translator is installed).
    static void ApplyTexts(const Command& command, QAction& action, bool otherState);
    // A source text of the context "Command" in the current language.
    static QString Translate(const char* source) {
        return QCoreApplication::translate(kContext, source);
    }

  private:
    // The table itself; a friend of the main frame, whose handlers it names.
    static std::vector<Command> MakeCommands();
};

}  // namespace rungpad
