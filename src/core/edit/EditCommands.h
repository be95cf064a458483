#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/FuncInstrTable.h"
#include "model/LadCell.h"

namespace rungpad {

// The editor's command ids by name, and what the editing commands among them do (the element
// kind a tool places, the function a menu entry inserts), so the GUI forwards the ids.
class EditCommands {
  public:
    // Kinds of PlaceElement that are not element codes.
    static constexpr int kSetLink = 16;
    static constexpr int kClearLink = 17;

    struct ElementTool {
        int id;
        int kind;  // the PlaceElement kind
    };
    // A function menu entry: its command id and the catalogue entry it inserts, whose name is
    // the menu text.
    struct FunctionCommand {
        int id;
        int index;  // FuncInstrTable index
        std::string_view MenuText() const { return FuncInstrTable::At(index).name; }
        std::uint16_t Code() const { return FuncInstrTable::At(index).code; }
    };

    // Every command's id by name, with the numbers the menus have always had; the commands
    // beyond the original's take numbers from 33101 up. The function instructions' ids are in
    // kFunctionMenu. What each command shows and does is the GUI's command table.
    enum CommandId : int {
        // The element tools and the function instruction dialog.
        kNoContactTool = 32771,
        kCoilTool = 32772,
        kNcContactTool = 32773,
        kHLineTool = 32774,
        kNegCoilTool = 32775,
        kSetLinkTool = 32776,
        kDeleteTool = 32777,
        kClearLinkTool = 32778,
        kFunctionDialog = 32779,  // "function command(Ctrl+A)"
        // The program's own commands.
        kInsertLine = 32780,
        kDeleteLine = 32781,
        kFind = 32782,
        kOutputWindow = 32787,
        kConvert = 32789,
        kInstructionWindow = 32791,
        kGenerateBinaryFile = 32821,
        kLadderGeneratedFile = 32822,
        kModifyNote = 32823,
        kExportNote = 32825,
        kImportNote = 32826,
        kReplace = 32827,
        kEditLadderInfo = 32828,
        kGenerateInstructionList = 32830,
        kSelectLines = 32831,
        kGoLine = 32832,
        kGenerateOldLadderFile = 61452,
        // The framework's commands.
        kFileNew = 57600,
        kFileOpen = 57601,
        kFileClose = 57602,
        kFileSave = 57603,
        kFileSaveAs = 57604,
        kFilePrintSetup = 57606,
        kFilePrint = 57607,
        kFilePrintPreview = 57609,
        kCopy = 57634,
        kCut = 57635,
        kPaste = 57637,
        kUndo = 57643,
        kRedo = 57644,
        kWindowNew = 57648,
        kWindowArrange = 57649,
        kWindowCascade = 57650,
        kWindowTile = 57651,
        kAppAbout = 57664,
        kAppExit = 57665,
        kNextPane = 57680,
        kPreviousPane = 57681,
        kViewToolbar = 59392,
        kViewStatusBar = 59393,
        // Beyond the original.
        kStartSimulation = 33101,
        kSingleScan = 33102,
        kPauseSimulation = 33103,
        kSpeedQuarter = 33104,
        kSpeedRealTime = 33105,
        kSpeedFour = 33106,
        kSpeedSixteen = 33107,
        kSignals = 33108,
        kTimingDiagram = 33109,
        kZoomIn = 33110,
        kZoomOut = 33111,
        kActualSize = 33112,
        kFitWidth = 33113,
        kLoadStimulus = 33114,
        kUnloadStimulus = 33115,
        kRecordVcd = 33116,
        kRunTests = 33117,
        kTestResults = 33118,
        kSimulationToolbar = 33119,
        kUserGuide = 33120,
        kKeyboardShortcuts = 33121,
        kCrossReference = 33130,
        kCoilReferences = 33131,
        kPrintDocumentation = 33132,
        kCompareWith = 33133,
        kNextDifference = 33134,
        kPreviousDifference = 33135,
        kOpenTrace = 33136,
    };

    // The kind each element tool places (the toolbar's order is the GUI's).
    static constexpr std::array<ElementTool, 8> kElementTools = {{
        {kNoContactTool, Element::kNoContact},
        {kNcContactTool, Element::kNcContact},
        {kCoilTool, Element::kCoil},
        {kNegCoilTool, Element::kNegCoil},
        {kHLineTool, Element::kHLine},
        {kSetLinkTool, kSetLink},
        {kClearLinkTool, kClearLink},
        {kDeleteTool, Element::kEmpty},
    }};

    // The function instruction menu, in its display order (CODT is not offered).
    static constexpr std::array<FunctionCommand, 36> kFunctionMenu = {{
        {32783, FuncInstrTable::kCTR},   {32784, FuncInstrTable::kTMR},
        {32785, FuncInstrTable::kROT},   {32786, FuncInstrTable::kCOMP},
        {32788, FuncInstrTable::kMOVN},  {32790, FuncInstrTable::kDSCH},
        {32792, FuncInstrTable::kCOIN},  {32793, FuncInstrTable::kCALL},
        {32794, FuncInstrTable::kSP},    {32795, FuncInstrTable::kSPE},
        {32796, FuncInstrTable::kEND1},  {32797, FuncInstrTable::kEND2},
        {32798, FuncInstrTable::kADD},   {32799, FuncInstrTable::kSUB},
        {32800, FuncInstrTable::kXMOV},  {32801, FuncInstrTable::kDEC},
        {32802, FuncInstrTable::kCOD},   {32803, FuncInstrTable::kDIFU},
        {32804, FuncInstrTable::kDIFD},  {32805, FuncInstrTable::kEOR},
        {32806, FuncInstrTable::kANDF},  {32807, FuncInstrTable::kORF},
        {32808, FuncInstrTable::kNOT},   {32809, FuncInstrTable::kJMPB},
        {32810, FuncInstrTable::kLBL},   {32811, FuncInstrTable::kRST},
        {32812, FuncInstrTable::kSET},   {32813, FuncInstrTable::kSFT},
        {32814, FuncInstrTable::kCOM},   {32815, FuncInstrTable::kCOME},
        {32817, FuncInstrTable::kTMRC},  {32816, FuncInstrTable::kTMRB},
        {32818, FuncInstrTable::kCALLU}, {32819, FuncInstrTable::kMOVB},
        {32820, FuncInstrTable::kMOVW},  {32829, FuncInstrTable::kAXCTL},
    }};

    // The PlaceElement kind of an element tool command, or -1 for another id.
    static constexpr int ElementKindOf(int id) {
        for (const ElementTool& tool : kElementTools) {
            if (tool.id == id) {
                return tool.kind;
            }
        }
        return -1;
    }
    // The function code of a function menu command, or 0 for another id.
    static std::uint16_t FunctionCodeOf(int id) {
        for (const FunctionCommand& command : kFunctionMenu) {
            if (command.id == id) {
                return command.Code();
            }
        }
        return 0;
    }
};

}  // namespace rungpad
