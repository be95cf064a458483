#include "shell/frame/CommandTable.h"

#include <QAction>
#include <algorithm>
#include <vector>

#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "shell/frame/CommandPrompts.h"
#include "shell/frame/MainFrm.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

using C = EditCommands;
using F = CommandTable;
using I = CommandTable::Icon;
using Frame = CMainFrame;
using Doc = CRungpadDoc;
using View = CRungpadView;
using Ed = CLadEditor;

using KeyPair = std::array<QKeyCombination, 2>;
constexpr KeyPair kNoKeys{};
constexpr KeyPair Keys(QKeyCombination first, QKeyCombination second = Qt::Key_unknown) {
    return {first, second};
}
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr std::uint16_t kDocEdit = F::kDocument | F::kEditing;
constexpr std::uint16_t kToggle = F::kWindowToggle | F::kCheckable;

// What a command runs, by the kind of its handler.
using Handler = CommandTable::Handler;
// A window's show/hide toggle runs what the window's own action does.
constexpr Handler kOwnToggle{};
constexpr Handler Run(void (CMainFrame::*frame)()) {
    Handler handler;
    handler.frame = frame;
    return handler;
}
constexpr Handler Run(bool (CRungpadDoc::*document)()) {
    Handler handler;
    handler.document = document;
    return handler;
}
constexpr Handler Run(void (CRungpadView::*view)()) {
    Handler handler;
    handler.view = view;
    return handler;
}
constexpr Handler Run(void (CLadEditor::*editor)()) {
    Handler handler;
    handler.editor = editor;
    return handler;
}
constexpr Handler Run(bool (CLadEditor::*editorById)(int)) {
    Handler handler;
    handler.editorById = editorById;
    return handler;
}
constexpr Handler Checked(void (CMainFrame::*checked)(bool)) {
    Handler handler;
    handler.checked = checked;
    return handler;
}
constexpr Handler Toggled(void (CMainFrame::*toggled)(bool)) {
    Handler handler;
    handler.toggled = toggled;
    return handler;
}

QString FunctionName(int id) {
    for (const EditCommands::FunctionCommand& function : EditCommands::kFunctionMenu) {
        if (function.id == id) {
            return QtText::ToQString(function.MenuText());
        }
    }
    return {};
}

}  // namespace

std::vector<CommandTable::Command> CommandTable::MakeCommands() {
    // The prompts of the program's own commands are its strings, two of them mended ("Insert Linen"
    // and "Modify note(" were cut short); the framework's commands have the usual desktop wording.
    static constexpr Command kCommands[] = {
        // File
        {C::kFileNew, QT_TRANSLATE_NOOP("Command", "New(&N)"), nullptr, Keys(kCtrl | Qt::Key_N),
         QT_TRANSLATE_NOOP("Command", "Create a new document\nNew"), I::kNew, 0,
         Run(&Frame::OnFileNew)},
        {C::kFileOpen, QT_TRANSLATE_NOOP("Command", "Open(&O)..."), nullptr,
         Keys(kCtrl | Qt::Key_O), QT_TRANSLATE_NOOP("Command", "Open an existing document\nOpen"),
         I::kOpen, 0, Run(&Frame::OnFileOpen)},
        {C::kFileClose, QT_TRANSLATE_NOOP("Command", "Close(&C)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Close the active document\nClose"), I::kNone, F::kDocument,
         Run(&Frame::OnFileClose)},
        {C::kFileSave, QT_TRANSLATE_NOOP("Command", "Save(&S)"), nullptr, Keys(kCtrl | Qt::Key_S),
         QT_TRANSLATE_NOOP("Command", "Save the active document\nSave"), I::kSave,
         F::kDocument | F::kNamesFile, Run(&Doc::DoFileSave)},
        {C::kFileSaveAs, QT_TRANSLATE_NOOP("Command", "Save As(&A)..."), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Save the active document with a new name\nSave As"),
         I::kNone, F::kDocument | F::kNamesFile, Run(&Doc::DoFileSaveAs)},
        {C::kExportNote, QT_TRANSLATE_NOOP("Command", "Export Note(&E)..."), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Export  Note\n"), I::kNone, F::kDocument,
         Run(&Doc::OnExportNote)},
        {C::kImportNote, QT_TRANSLATE_NOOP("Command", "Import Note(&I)..."), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Import Note\n"), I::kNone, F::kDocument,
         Run(&Doc::OnImportNote)},
        {C::kLadderGeneratedFile, QT_TRANSLATE_NOOP("Command", "Ladder Generated File(&L)..."),
         nullptr, kNoKeys, QT_TRANSLATE_NOOP("Command", "Save as command file\n"), I::kNone,
         F::kDocument, Run(&Doc::OnLadderGeneratedFile)},
        {C::kGenerateBinaryFile, QT_TRANSLATE_NOOP("Command", "Generate Binary File(&B)..."),
         nullptr, kNoKeys, QT_TRANSLATE_NOOP("Command", "Generate binary file\n"), I::kNone,
         F::kDocument, Run(&Doc::OnGenerateBinaryFile)},
        {C::kEditLadderInfo, QT_TRANSLATE_NOOP("Command", "Edit Ladder Diagram Information(&M)"),
         nullptr, kNoKeys, QT_TRANSLATE_NOOP("Command", "Generate ladder diagram file \n"),
         I::kNone, F::kDocument, Run(&Doc::OnEditLadderInfo)},
        {C::kGenerateOldLadderFile,
         QT_TRANSLATE_NOOP("Command", "Generate The Old Ladder Diagram File(&D)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Generate the old ladder diagram file\n"), I::kNone,
         F::kDocument, Run(&Doc::OnGenerateOldLadderFile)},
        {C::kGenerateInstructionList, QT_TRANSLATE_NOOP("Command", "Generate Instruction List(&T)"),
         nullptr, Keys(kCtrl | Qt::Key_M),
         QT_TRANSLATE_NOOP("Command", "Generate Instruction List \n"), I::kNone, F::kDocument,
         Run(&Doc::OnGenerateInstructionList)},
        {C::kFilePrint, QT_TRANSLATE_NOOP("Command", "Print(&P)..."), nullptr,
         Keys(kCtrl | Qt::Key_P), QT_TRANSLATE_NOOP("Command", "Print the active document\nPrint"),
         I::kPrint, F::kDocument, Run(&View::OnFilePrint)},
        {C::kFilePrintPreview, QT_TRANSLATE_NOOP("Command", "Print Preview(&V)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Display full pages\nPrint Preview"), I::kNone, F::kDocument,
         Run(&View::OnFilePrintPreview)},
        // Without a document the short menu's print command.
        {C::kFilePrintSetup, QT_TRANSLATE_NOOP("Command", "Print Setup(&R)..."),
         QT_TRANSLATE_NOOP("Command", "Print(&R)..."), kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Change the printer and printing options\nPrint Setup"),
         I::kNone, 0, Run(&Frame::OnFilePrintSetup)},
        {C::kPrintDocumentation, QT_TRANSLATE_NOOP("Command", "Print Documentation..."), nullptr,
         kNoKeys,
         QT_TRANSLATE_NOOP("Command",
                           "The program's documentation as one PDF: title page, ladder pages with "
                           "coil references, "
                           "cross-reference, address notes, review findings and instruction list"),
         I::kNone, F::kDocument | F::kPlainPrompt, Run(&Frame::OnPrintDocumentation)},
        {C::kCompareWith, QT_TRANSLATE_NOOP("Command", "Compare With(&W)..."), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Mark the lines that differ from another program"), I::kNone,
         F::kDocument | F::kPlainPrompt, Run(&Frame::OnCompareWith)},
        {C::kNextDifference, QT_TRANSLATE_NOOP("Command", "Next Difference"), nullptr,
         Keys(kAlt | Qt::Key_Down), nullptr, I::kNone, F::kDocument, Run(&Frame::OnNextDifference)},
        {C::kPreviousDifference, QT_TRANSLATE_NOOP("Command", "Previous Difference"), nullptr,
         Keys(kAlt | Qt::Key_Up), nullptr, I::kNone, F::kDocument,
         Run(&Frame::OnPreviousDifference)},
        {C::kOpenTrace, QT_TRANSLATE_NOOP("Command", "Open Trace(&K)..."), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP(
             "Command",
             "Shows a VCD file of a simulation run or a failed ladder test in the Timing Diagram "
             "window"),
         I::kNone, F::kPlainPrompt, Run(&Frame::OnOpenTrace)},
        {C::kAppExit, QT_TRANSLATE_NOOP("Command", "Exit(&X)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Quit the application; prompts to save documents\nExit"),
         I::kNone, 0, Run(&Frame::OnAppExit)},
        // Edit
        {C::kUndo, QT_TRANSLATE_NOOP("Command", "Undo(&U)"), nullptr,
         Keys(kCtrl | Qt::Key_Z, kAlt | Qt::Key_Backspace),
         QT_TRANSLATE_NOOP("Command", "Undo the last action\nUndo"), I::kUndo, kDocEdit,
         Run(&Ed::OnUndo)},
        {C::kRedo, QT_TRANSLATE_NOOP("Command", "Redo(&Y)"), nullptr, Keys(kCtrl | Qt::Key_Y),
         QT_TRANSLATE_NOOP("Command", "Redo the action last undone\nRedo"), I::kRedo, kDocEdit,
         Run(&Ed::OnRedo)},
        {C::kSelectLines, QT_TRANSLATE_NOOP("Command", "Multiple Line Selection(&S)"), nullptr,
         Keys(kCtrl | Qt::Key_B),
         QT_TRANSLATE_NOOP("Command", "Select several whole lines\nMultiple Line Selection"),
         I::kNone, kDocEdit, Run(&Ed::OnSelectLines)},
        {C::kCut, QT_TRANSLATE_NOOP("Command", "Cut(&T)"), nullptr,
         Keys(kCtrl | Qt::Key_X, kShift | Qt::Key_Delete),
         QT_TRANSLATE_NOOP("Command", "Cut the selection to the editor's clipboard\nCut"), I::kCut,
         kDocEdit, Run(&Ed::OnCut)},
        {C::kCopy, QT_TRANSLATE_NOOP("Command", "Copy(&C)"), nullptr,
         Keys(kCtrl | Qt::Key_C, kCtrl | Qt::Key_Insert),
         QT_TRANSLATE_NOOP("Command", "Copy the selection to the editor's clipboard\nCopy"),
         I::kCopy, kDocEdit, Run(&Ed::OnCopy)},
        {C::kPaste, QT_TRANSLATE_NOOP("Command", "Paste(&P)"), nullptr,
         Keys(kCtrl | Qt::Key_V, kShift | Qt::Key_Insert),
         QT_TRANSLATE_NOOP("Command", "Insert the editor's clipboard contents\nPaste"), I::kPaste,
         kDocEdit, Run(&Ed::OnPaste)},
        {C::kModifyNote, QT_TRANSLATE_NOOP("Command", "Modify Note(&M)"), nullptr,
         Keys(kCtrl | Qt::Key_T), QT_TRANSLATE_NOOP("Command", "Modify note\n"), I::kNone, kDocEdit,
         Run(&Ed::OnModifyNote)},
        {C::kInsertLine, QT_TRANSLATE_NOOP("Command", "Insert Line(&I)"), nullptr,
         Keys(Qt::Key_Insert), QT_TRANSLATE_NOOP("Command", "Insert Line\n"), I::kNone, kDocEdit,
         Run(&Ed::OnInsertLine)},
        {C::kDeleteLine, QT_TRANSLATE_NOOP("Command", "Delete Line(&D)"), nullptr,
         Keys(kCtrl | Qt::Key_Delete), QT_TRANSLATE_NOOP("Command", "Delete Line\n"), I::kNone,
         kDocEdit, Run(&Ed::OnDeleteLine)},
        {C::kGoLine, QT_TRANSLATE_NOOP("Command", "Go Line(&G)"), nullptr, Keys(kCtrl | Qt::Key_I),
         QT_TRANSLATE_NOOP("Command", "Go to a line by its number\nGo Line"), I::kNone, kDocEdit,
         Run(&Ed::OnGoLine)},
        {C::kFind, QT_TRANSLATE_NOOP("Command", "Find(&F)"), nullptr, Keys(kCtrl | Qt::Key_F),
         QT_TRANSLATE_NOOP("Command", "Find(Ctrl+F)\n"), I::kFind, F::kDocument,
         Run(&View::OnFind)},
        {C::kReplace, QT_TRANSLATE_NOOP("Command", "Replace(&R)"), nullptr, Keys(kCtrl | Qt::Key_H),
         QT_TRANSLATE_NOOP("Command", "Replace"), I::kNone, F::kDocument,
         Run(&Frame::OnEditReplace)},
        {C::kConvert, QT_TRANSLATE_NOOP("Command", "Convert(&V)"), nullptr, Keys(Qt::Key_F7),
         QT_TRANSLATE_NOOP("Command", "Convert Ladder diagram(F7)\n"), I::kConvert, 0,
         Run(&Frame::OnConvert)},
        // The element toolbar
        {C::kNoContactTool, QT_TRANSLATE_NOOP("Command", "Normally Open Contact"), nullptr,
         Keys(kCtrl | Qt::Key_Q), QT_TRANSLATE_NOOP("Command", "Normally open contact(Ctrl+Q)\n"),
         I::kElement, kDocEdit, Run(&Ed::OnElementCommand)},
        {C::kNcContactTool, QT_TRANSLATE_NOOP("Command", "Normally Closed Contact"), nullptr,
         Keys(kCtrl | Qt::Key_W),
         QT_TRANSLATE_NOOP("Command", "Normally closed contact(Ctrl+W)\n(Ctrl+W)"), I::kElement,
         kDocEdit, Run(&Ed::OnElementCommand)},
        {C::kHLineTool, QT_TRANSLATE_NOOP("Command", "Horizontal Conductive Line"), nullptr,
         Keys(kCtrl | Qt::Key_G),
         QT_TRANSLATE_NOOP("Command", "Horizontal conductive line(Ctrl+G)\n"), I::kElement,
         kDocEdit, Run(&Ed::OnElementCommand)},
        {C::kSetLinkTool, QT_TRANSLATE_NOOP("Command", "Vertical Conductive Line"), nullptr,
         Keys(kCtrl | Qt::Key_D),
         QT_TRANSLATE_NOOP("Command", "Vertical conductive line(Ctrl+D)\n"), I::kElement, kDocEdit,
         Run(&Ed::OnElementCommand)},
        {C::kDeleteTool, QT_TRANSLATE_NOOP("Command", "Delete Nodes"), nullptr,
         Keys(kCtrl | kShift | Qt::Key_G), QT_TRANSLATE_NOOP("Command", "Delete nodes(Del)\n"),
         I::kElement, kDocEdit, Run(&Ed::OnElementCommand)},
        {C::kClearLinkTool, QT_TRANSLATE_NOOP("Command", "Remove Vertical Conductive Line"),
         nullptr, Keys(kCtrl | kShift | Qt::Key_D),
         QT_TRANSLATE_NOOP("Command", "Remove vertical conductive line(Ctrl+Shift+D)\n"),
         I::kElement, kDocEdit, Run(&Ed::OnElementCommand)},
        {C::kCoilTool, QT_TRANSLATE_NOOP("Command", "Output Coil"), nullptr,
         Keys(kCtrl | Qt::Key_E), QT_TRANSLATE_NOOP("Command", "Output coil(Ctrl+E)\n"),
         I::kElement, kDocEdit, Run(&Ed::OnElementCommand)},
        {C::kNegCoilTool, QT_TRANSLATE_NOOP("Command", "Negated Output Coil"), nullptr,
         Keys(kCtrl | Qt::Key_R), QT_TRANSLATE_NOOP("Command", "Negated output coil(Ctrl+R)\n"),
         I::kElement, kDocEdit, Run(&Ed::OnElementCommand)},
        {C::kFunctionDialog, QT_TRANSLATE_NOOP("Command", "function command"), nullptr,
         Keys(kCtrl | Qt::Key_A),
         QT_TRANSLATE_NOOP("Command", "function command(Ctrl+A)\n function command(Ctrl+A)"),
         I::kNone, kDocEdit, Run(&Ed::OnFunctionCommand)},
        // View
        {C::kViewToolbar, QT_TRANSLATE_NOOP("Command", "Toolbar(&T)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Show or hide the toolbar\nToggle ToolBar"), I::kNone,
         kToggle, kOwnToggle},
        {C::kViewStatusBar, QT_TRANSLATE_NOOP("Command", "Status Bar(&S)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Show or hide the status bar\nToggle StatusBar"), I::kNone,
         F::kCheckable | F::kChecked, Toggled(&Frame::OnStatusBarToggled)},
        {C::kOutputWindow, QT_TRANSLATE_NOOP("Command", "Output window(&O)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Show or hide the output window\nOutput window"), I::kNone,
         kToggle | F::kDocument, kOwnToggle},
        {C::kInstructionWindow, QT_TRANSLATE_NOOP("Command", "Instruction Window(&I)"), nullptr,
         kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Show or hide the instruction window\nInstruction Window"),
         I::kNone, kToggle | F::kDocument, kOwnToggle},
        {C::kCrossReference, QT_TRANSLATE_NOOP("Command", "Cross Reference"), nullptr, kNoKeys,
         nullptr, I::kNone, kToggle | F::kDocument, kOwnToggle},
        // Off at the start: the view is the plain diagram until asked.
        {C::kCoilReferences, QT_TRANSLATE_NOOP("Command", "Coil References"), nullptr, kNoKeys,
         nullptr, I::kNone, F::kCheckable | F::kDocument, Toggled(&Frame::OnCoilReferencesToggled)},
        {C::kZoomIn, QT_TRANSLATE_NOOP("Command", "Zoom In(&Z)"), nullptr,
         Keys(kCtrl | Qt::Key_Plus, kCtrl | Qt::Key_Equal), nullptr, I::kNone, F::kDocument,
         Run(&View::ZoomIn)},
        {C::kZoomOut, QT_TRANSLATE_NOOP("Command", "Zoom Out(&U)"), nullptr,
         Keys(kCtrl | Qt::Key_Minus), nullptr, I::kNone, F::kDocument, Run(&View::ZoomOut)},
        {C::kActualSize, QT_TRANSLATE_NOOP("Command", "Actual Size(&A)"), nullptr,
         Keys(kCtrl | Qt::Key_0), nullptr, I::kNone, F::kDocument, Run(&View::ZoomToActualSize)},
        {C::kFitWidth, QT_TRANSLATE_NOOP("Command", "Fit Width(&F)"), nullptr, kNoKeys, nullptr,
         I::kNone, F::kDocument, Run(&View::ZoomToFitWidth)},
        // Simulation
        {C::kStartSimulation, QT_TRANSLATE_NOOP("Command", "Start Simulation(&S)"),
         QT_TRANSLATE_NOOP("Command", "Stop Simulation(&S)"), Keys(Qt::Key_F5),
         QT_TRANSLATE_NOOP(
             "Command",
             "Start the simulation of the active program, or stop it\nStart/Stop Simulation"),
         I::kNone, F::kCheckable, Run(&Frame::OnStartStopSimulation)},
        {C::kSingleScan, QT_TRANSLATE_NOOP("Command", "Single Scan(&N)"), nullptr,
         Keys(Qt::Key_F10),
         QT_TRANSLATE_NOOP("Command",
                           "Run one scan of the simulation, starting it paused\nSingle Scan"),
         I::kNone, 0, Run(&Frame::OnSingleScan)},
        {C::kPauseSimulation, QT_TRANSLATE_NOOP("Command", "Pause(&P)"), nullptr, kNoKeys, nullptr,
         I::kNone, F::kCheckable, Toggled(&Frame::OnPauseToggled)},
        {C::kSpeedQuarter, QT_TRANSLATE_NOOP("Command", "Speed x0.25"), nullptr, kNoKeys, nullptr,
         I::kNone, F::kCheckable | F::kSpeed, Run(&Frame::OnSpeedChosen)},
        {C::kSpeedRealTime, QT_TRANSLATE_NOOP("Command", "Real Time (8 ms a Scan)"), nullptr,
         kNoKeys, nullptr, I::kNone, F::kCheckable | F::kChecked | F::kSpeed,
         Run(&Frame::OnSpeedChosen)},
        {C::kSpeedFour, QT_TRANSLATE_NOOP("Command", "Speed x4"), nullptr, kNoKeys, nullptr,
         I::kNone, F::kCheckable | F::kSpeed, Run(&Frame::OnSpeedChosen)},
        {C::kSpeedSixteen, QT_TRANSLATE_NOOP("Command", "Speed x16"), nullptr, kNoKeys, nullptr,
         I::kNone, F::kCheckable | F::kSpeed, Run(&Frame::OnSpeedChosen)},
        {C::kSignals, QT_TRANSLATE_NOOP("Command", "Signals(&G)"), nullptr, kNoKeys, nullptr,
         I::kNone, kToggle, kOwnToggle},
        {C::kTimingDiagram, QT_TRANSLATE_NOOP("Command", "Timing Diagram(&D)"), nullptr, kNoKeys,
         nullptr, I::kNone, kToggle, kOwnToggle},
        {C::kLoadStimulus, QT_TRANSLATE_NOOP("Command", "Load Stimulus(&L)..."), nullptr, kNoKeys,
         nullptr, I::kNone, 0, Run(&Frame::OnLoadStimulus)},
        {C::kUnloadStimulus, QT_TRANSLATE_NOOP("Command", "Unload Stimulus(&U)"), nullptr, kNoKeys,
         nullptr, I::kNone, F::kDisabled, Run(&Frame::OnUnloadStimulus)},
        {C::kRecordVcd, QT_TRANSLATE_NOOP("Command", "Record VCD(&R)..."), nullptr, kNoKeys,
         nullptr, I::kNone, F::kCheckable, Checked(&Frame::OnRecordVcd)},
        {C::kRunTests, QT_TRANSLATE_NOOP("Command", "Run Tests(&E)..."), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Run a ladder test file against the program"), I::kNone,
         F::kPlainPrompt, Run(&Frame::OnRunTests)},
        {C::kTestResults, QT_TRANSLATE_NOOP("Command", "Test Results(&O)"), nullptr, kNoKeys,
         nullptr, I::kNone, kToggle, kOwnToggle},
        {C::kSimulationToolbar, QT_TRANSLATE_NOOP("Command", "Simulation Toolbar(&T)"), nullptr,
         kNoKeys, nullptr, I::kNone, kToggle, kOwnToggle},
        // Window
        {C::kWindowNew, QT_TRANSLATE_NOOP("Command", "New Window(&N)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Open another window for the active document\nNew Window"),
         I::kNone, 0, Run(&Frame::OnWindowNew)},
        {C::kWindowCascade, QT_TRANSLATE_NOOP("Command", "Cascade(&C)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Arrange windows so they overlap\nCascade Windows"), I::kNone,
         0, Run(&Frame::OnWindowCascade)},
        {C::kWindowTile, QT_TRANSLATE_NOOP("Command", "Tile(&T)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Arrange windows as non-overlapping tiles\nTile Windows"),
         I::kNone, 0, Run(&Frame::OnWindowTile)},
        {C::kWindowArrange, QT_TRANSLATE_NOOP("Command", "Array Icon(&A)"), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Arrange icons at the bottom of the window\nArrange Icons"),
         I::kNone, 0, Run(&Frame::OnWindowArrange)},
        // Keys without a menu item.
        {C::kNextPane, QT_TRANSLATE_NOOP("Command", "Next Pane"), nullptr, Keys(Qt::Key_F6),
         nullptr, I::kNone, 0, Run(&Frame::OnNextPane)},
        {C::kPreviousPane, QT_TRANSLATE_NOOP("Command", "Previous Pane"), nullptr,
         Keys(kShift | Qt::Key_F6), nullptr, I::kNone, 0, Run(&Frame::OnPreviousPane)},
        // Help
        {C::kAppAbout, QT_TRANSLATE_NOOP("Command", "About Rungpad(&A)..."), nullptr, kNoKeys,
         QT_TRANSLATE_NOOP("Command", "Display program information and version\nAbout"), I::kAbout,
         0, Run(&Frame::OnAppAbout)},
        {C::kUserGuide, QT_TRANSLATE_NOOP("Command", "User Guide(&G)"), nullptr, Keys(Qt::Key_F1),
         QT_TRANSLATE_NOOP("Command", "Open the user guide\nUser Guide"), I::kNone, 0,
         Run(&Frame::OnUserGuide)},
        {C::kKeyboardShortcuts, QT_TRANSLATE_NOOP("Command", "Keyboard Shortcuts(&K)"), nullptr,
         kNoKeys,
         QT_TRANSLATE_NOOP("Command", "List the keys of every command\nKeyboard Shortcuts"),
         I::kNone, 0, Run(&Frame::OnKeyboardShortcuts)},
    };
    std::vector<Command> all(std::begin(kCommands), std::end(kCommands));
    for (const EditCommands::FunctionCommand& function : EditCommands::kFunctionMenu) {
        all.push_back({function.id, nullptr, nullptr, kNoKeys, nullptr, I::kNone,
                       kDocEdit | F::kFunctionName, Run(&Ed::OnFunctionMenuCommand)});
    }
    return all;
}

QList<QKeySequence> CommandTable::Command::Shortcuts() const {
    QList<QKeySequence> list;
    for (const QKeyCombination key : keys) {
        if (key.key() != Qt::Key_unknown) {
            list << QKeySequence(key);
        }
    }
    return list;
}

std::span<const CommandTable::Command> CommandTable::Commands() {
    static const std::vector<Command> all = MakeCommands();
    return all;
}

const CommandTable::Command* CommandTable::Find(int id) {
    const std::span<const Command> all = Commands();
    const auto found =
        std::find_if(all.begin(), all.end(), [id](const Command& each) { return each.id == id; });
    return found == all.end() ? nullptr : &*found;
}

void CommandTable::ApplyTexts(const Command& command, QAction& action, bool otherState) {
    if (command.Has(kFunctionName)) {
        action.setText(FunctionName(command.id));
    } else {
        action.setText(
            Translate(otherState && command.otherText ? command.otherText : command.text));
    }
    if (command.prompt == nullptr) {
        return;
    }
    const QString prompt = Translate(command.prompt);
    if (command.Has(kPlainPrompt)) {
        action.setStatusTip(prompt);
        return;
    }
    const CommandPrompts::Prompt texts = CommandPrompts::Parse(prompt, action.shortcut());
    if (!texts.status.isEmpty()) {
        action.setStatusTip(texts.status);
        action.setToolTip(texts.tip);
    }
}

}  // namespace rungpad
