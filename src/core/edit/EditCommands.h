#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/FuncInstrTable.h"
#include "model/LadCell.h"

namespace rungpad {

// The command ids of the view's editing commands, with the menu texts and what they do, so the
// GUI builds its menus, toolbars and shortcuts from one table and forwards the ids.
class EditCommands {
  public:
    // Kinds of PlaceElement that are not element codes.
    static constexpr int kSetLink = 16;
    static constexpr int kClearLink = 17;

    struct ElementTool {
        int id;
        std::string_view menuText;
        std::string_view key;
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

    // The editing commands' ids, with the numbers the menus have always had.
    enum CommandId : int {
        kNoContactTool = 32771,
        kCoilTool = 32772,
        kNcContactTool = 32773,
        kHLineTool = 32774,
        kNegCoilTool = 32775,
        kSetLinkTool = 32776,
        kDeleteTool = 32777,
        kClearLinkTool = 32778,
        kFunctionDialog = 32779,  // "function command(Ctrl+A)"
    };

    // In menu order; the toolbar shows 32771, 32773, 32774, 32776, 32777, 32778, 32772, 32775.
    static constexpr std::array<ElementTool, 8> kElementTools = {{
        {kNoContactTool, "Normally Open Contact", "Ctrl+Q", Element::kNoContact},
        {kNcContactTool, "Normally Closed Contact", "Ctrl+W", Element::kNcContact},
        {kCoilTool, "Output Coil", "Ctrl+E", Element::kCoil},
        {kNegCoilTool, "Negated Output Coil", "Ctrl+R", Element::kNegCoil},
        {kHLineTool, "Horizontal Conductive Line", "Ctrl+G", Element::kHLine},
        {kSetLinkTool, "Vertical Conductive Line", "Ctrl+D", kSetLink},
        {kClearLinkTool, "Remove Vertical Conductive Line", "Ctrl+Shift+D", kClearLink},
        {kDeleteTool, "Delete Nodes", "Ctrl+Shift+G", Element::kEmpty},
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
