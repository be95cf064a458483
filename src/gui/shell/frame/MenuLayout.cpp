#include "shell/frame/MenuLayout.h"

#include <QtGlobal>
#include <array>

#include "edit/EditCommands.h"

namespace rungpad {

namespace {

using C = EditCommands;
using S = MenuLayout::Slot;
using Item = MenuLayout::Item;

constexpr Item Cmd(int id) {
    return {S::kCommand, id};
}
constexpr Item kSep{S::kSeparator, 0};
constexpr Item kDocSep{S::kDocumentSeparator, 0};

// The specified items first, in their order; the program's own additions after the items they
// belong with (Redo after Undo, the zoom commands at the end of View, Print Documentation,
// Compare With and Open Trace before the recent files).
constexpr Item kFile[] = {
    Cmd(C::kFileNew),
    Cmd(C::kFileOpen),
    Cmd(C::kFileClose),
    Cmd(C::kFileSave),
    Cmd(C::kFileSaveAs),
    kDocSep,
    Cmd(C::kExportNote),
    Cmd(C::kImportNote),
    kDocSep,
    Cmd(C::kLadderGeneratedFile),
    Cmd(C::kGenerateBinaryFile),
    Cmd(C::kEditLadderInfo),
    Cmd(C::kGenerateOldLadderFile),
    Cmd(C::kGenerateInstructionList),
    kDocSep,
    Cmd(C::kFilePrint),
    Cmd(C::kFilePrintPreview),
    Cmd(C::kFilePrintSetup),
    Cmd(C::kPrintDocumentation),
    kDocSep,
    Cmd(C::kCompareWith),
    Cmd(C::kNextDifference),
    Cmd(C::kPreviousDifference),
    Cmd(C::kOpenTrace),
    {S::kRecentFiles, 0},
    kSep,
    Cmd(C::kAppExit),
};

constexpr Item kEdit[] = {
    Cmd(C::kUndo),
    Cmd(C::kRedo),
    kSep,
    Cmd(C::kSelectLines),
    Cmd(C::kCut),
    Cmd(C::kCopy),
    Cmd(C::kPaste),
    Cmd(C::kModifyNote),
    kSep,
    Cmd(C::kInsertLine),
    Cmd(C::kDeleteLine),
    kSep,
    Cmd(C::kGoLine),
    Cmd(C::kFind),
    Cmd(C::kReplace),
    kSep,
    Cmd(C::kConvert),
};

constexpr Item kView[] = {
    Cmd(C::kViewToolbar),
    Cmd(C::kViewStatusBar),
    kSep,
    Cmd(C::kOutputWindow),
    Cmd(C::kInstructionWindow),
    Cmd(C::kCrossReference),
    Cmd(C::kCoilReferences),
    kSep,
    Cmd(C::kZoomIn),
    Cmd(C::kZoomOut),
    Cmd(C::kActualSize),
    Cmd(C::kFitWidth),
};

// The Simulation menu holds its own toolbar's toggle, so the View menu stays as it was.
constexpr Item kSimulation[] = {
    Cmd(C::kStartSimulation),
    Cmd(C::kSingleScan),
    Cmd(C::kPauseSimulation),
    kSep,
    Cmd(C::kSpeedQuarter),
    Cmd(C::kSpeedRealTime),
    Cmd(C::kSpeedFour),
    Cmd(C::kSpeedSixteen),
    kSep,
    Cmd(C::kSignals),
    Cmd(C::kTimingDiagram),
    Cmd(C::kLoadStimulus),
    Cmd(C::kUnloadStimulus),
    Cmd(C::kRecordVcd),
    kSep,
    Cmd(C::kRunTests),
    Cmd(C::kTestResults),
    kSep,
    Cmd(C::kSimulationToolbar),
};

// The list of open windows follows, made each time the menu opens.
constexpr Item kWindow[] = {
    Cmd(C::kWindowNew),
    Cmd(C::kWindowCascade),
    Cmd(C::kWindowTile),
    Cmd(C::kWindowArrange),
};

constexpr Item kHelp[] = {
    Cmd(C::kAppAbout),
    kSep,
    Cmd(C::kUserGuide),
    Cmd(C::kKeyboardShortcuts),
};

using N = MenuLayout::Name;

constexpr std::array<MenuLayout::Menu, 6> kMenuBar = {{
    {N::kFile, QT_TRANSLATE_NOOP("Command", "File(&F)"), false, kFile},
    {N::kEdit, QT_TRANSLATE_NOOP("Command", "Edit(&E)"), true, kEdit},
    {N::kView, QT_TRANSLATE_NOOP("Command", "View(&V)"), false, kView},
    {N::kSimulation, QT_TRANSLATE_NOOP("Command", "Simulation(&S)"), true, kSimulation},
    {N::kWindow, QT_TRANSLATE_NOOP("Command", "Window(&W)"), true, kWindow},
    {N::kHelp, QT_TRANSLATE_NOOP("Command", "Help(&H)"), false, kHelp},
}};

// New, Open, Save | Cut, Copy, Paste | Undo, Redo | Convert, Find | Print, About.
constexpr int kStandardToolBar[] = {
    C::kFileNew,
    C::kFileOpen,
    C::kFileSave,
    0,
    C::kCut,
    C::kCopy,
    C::kPaste,
    0,
    C::kUndo,
    C::kRedo,
    0,
    C::kConvert,
    C::kFind,
    0,
    C::kFilePrint,
    C::kAppAbout,
};

// Contacts, lines, deletions, coils, then the function command with its drop-down.
constexpr int kElementToolBar[] = {
    C::kNoContactTool,  C::kNcContactTool, C::kHLineTool,
    C::kSetLinkTool,    C::kDeleteTool,    C::kClearLinkTool,
    C::kCoilTool,       C::kNegCoilTool,   0,
    C::kFunctionDialog,
};

constexpr int kSimulationToolBar[] = {C::kStartSimulation, C::kSingleScan};

constexpr int kFrameKeys[] = {C::kNextPane, C::kPreviousPane};

}  // namespace

std::span<const MenuLayout::Menu> MenuLayout::MenuBar() {
    return kMenuBar;
}

std::span<const int> MenuLayout::StandardToolBar() {
    return kStandardToolBar;
}

std::span<const int> MenuLayout::ElementToolBar() {
    return kElementToolBar;
}

std::span<const int> MenuLayout::SimulationToolBar() {
    return kSimulationToolBar;
}

std::span<const int> MenuLayout::FrameKeys() {
    return kFrameKeys;
}

}  // namespace rungpad
