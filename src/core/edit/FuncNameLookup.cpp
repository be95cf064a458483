#include "edit/FuncNameLookup.h"

#include <algorithm>

#include "model/HostInterfaces.h"
#include "model/Messages.h"

namespace rungpad {

std::array<std::string_view, FuncInstrTable::kCount> FuncNameLookup::SortedNames() {
    std::array<std::string_view, FuncInstrTable::kCount> names{};
    for (int i = 0; i < FuncInstrTable::kCount; ++i) {
        names[static_cast<std::size_t>(i)] = FuncInstrTable::At(i).name;
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::uint16_t> FuncNameLookup::CodeOfName(std::string_view name) {
    for (int i = 0; i < FuncInstrTable::kCount; ++i) {
        if (FuncInstrTable::At(i).name != name) {
            continue;
        }
        // Index i is read as two decimal digits in the high byte, from 0x10 on.
        const int code = ((i / 10 + 1) * 16 + i % 10) * 256;
        if (code == 0x2300) {
            return 0x7100;
        }
        if (code == 0x2400) {
            return 0x7200;
        }
        return static_cast<std::uint16_t>(code);
    }
    return std::nullopt;
}

std::optional<std::uint16_t> FuncNameLookup::Accept(std::string_view name, MessageBoxHost& box) {
    const std::optional<std::uint16_t> code = CodeOfName(name);
    if (!code) {
        box.ShowMessage(Messages::Text(kInputError));
    }
    return code;
}

}  // namespace rungpad
