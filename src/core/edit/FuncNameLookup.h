#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/FuncInstrTable.h"

namespace rungpad {

class MessageBoxHost;

// The rules of the function instruction dialog: the names it lists and the code an entered
// name stands for.
class FuncNameLookup {
  public:
    static constexpr std::string_view kInputError = "功能指令输入错误!";

    // The catalogue names in alphabetical order, as the dialog's sorted list shows them.
    static std::array<std::string_view, FuncInstrTable::kCount> SortedNames();
    // The code of a catalogue name (exact, case-sensitive); none for any other text, empty
    // included. END1 and END2 give 0x7100 and 0x7200.
    static std::optional<std::uint16_t> CodeOfName(std::string_view name);
    // The dialog's OK: the code of name, or the message box "功能指令输入错误!" and none (the
    // dialog then stays open).
    static std::optional<std::uint16_t> Accept(std::string_view name, MessageBoxHost& box);
};

}  // namespace rungpad
