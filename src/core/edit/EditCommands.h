#pragma once

#include <array>
#include <cstdint>
#include <string_view>

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
    struct FunctionCommand {
        int id;
        std::string_view menuText;
        std::uint16_t code;
    };

    static constexpr int kFunctionDialog = 32779;  // "function command(Ctrl+A)"

    // In menu order; the toolbar shows 32771, 32773, 32774, 32776, 32777, 32778, 32772, 32775.
    static constexpr std::array<ElementTool, 8> kElementTools = {{
        {32771, "Normally Open Contact", "Ctrl+Q", 0x300},
        {32773, "Normally Closed Contact", "Ctrl+W", 0x200},
        {32772, "Output Coil", "Ctrl+E", 0x400},
        {32775, "Negated Output Coil", "Ctrl+R", 0x500},
        {32774, "Horizontal Conductive Line", "Ctrl+G", 0x100},
        {32776, "Vertical Conductive Line", "Ctrl+D", kSetLink},
        {32778, "Remove Vertical Conductive Line", "Ctrl+Shift+D", kClearLink},
        {32777, "Delete Nodes", "Ctrl+Shift+G", 0},
    }};

    // The function instruction menu, in its display order (CODT is not offered).
    static constexpr std::array<FunctionCommand, 36> kFunctionMenu = {{
        {32783, "CTR", 0x1000},  {32784, "TMR", 0x1900},  {32785, "ROT", 0x1100},
        {32786, "COMP", 0x1200}, {32788, "MOVN", 0x1300}, {32790, "DSCH", 0x1700},
        {32792, "COIN", 0x1800}, {32793, "CALL", 0x1400}, {32794, "SP", 0x1500},
        {32795, "SPE", 0x1600},  {32796, "END1", 0x7100}, {32797, "END2", 0x7200},
        {32798, "ADD", 0x2000},  {32799, "SUB", 0x2100},  {32800, "XMOV", 0x2200},
        {32801, "DEC", 0x2500},  {32802, "COD", 0x2600},  {32803, "DIFU", 0x2700},
        {32804, "DIFD", 0x2800}, {32805, "EOR", 0x2900},  {32806, "ANDF", 0x3000},
        {32807, "ORF", 0x3100},  {32808, "NOT", 0x3200},  {32809, "JMPB", 0x3300},
        {32810, "LBL", 0x3400},  {32811, "RST", 0x3500},  {32812, "SET", 0x3600},
        {32813, "SFT", 0x3700},  {32814, "COM", 0x3800},  {32815, "COME", 0x3900},
        {32817, "TMRC", 0x4200}, {32816, "TMRB", 0x4100}, {32818, "CALLU", 0x4300},
        {32819, "MOVB", 0x4400}, {32820, "MOVW", 0x4500}, {32829, "AXCTL", 0x4600},
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
    static constexpr std::uint16_t FunctionCodeOf(int id) {
        for (const FunctionCommand& command : kFunctionMenu) {
            if (command.id == id) {
                return command.code;
            }
        }
        return 0;
    }
};

}  // namespace rungpad
