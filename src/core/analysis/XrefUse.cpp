#include "analysis/XrefUse.h"

#include <cctype>

#include "model/FuncInstrTable.h"

namespace rungpad {

std::string XrefUse::Describe() const {
    switch (kind) {
        case XrefKind::kNoContact:
            return "NO contact";
        case XrefKind::kNcContact:
            return "NC contact";
        case XrefKind::kCoil:
            return "coil";
        case XrefKind::kNegCoil:
            return "negated coil";
        case XrefKind::kParameter:
            break;
    }
    const FuncInstr* instr = FuncInstrTable::FindFunctionCode(function);
    std::string text(instr ? instr->name : std::string_view("?"));
    text += ' ';
    text += std::to_string(parameter);
    if (instr && parameter >= 1 && parameter <= static_cast<int>(instr->labels.size())) {
        text += ' ';
        text += instr->labels[static_cast<std::size_t>(parameter - 1)];
    }
    return text;
}

std::string_view XrefUse::AccessName() const {
    switch (access) {
        case XrefAccess::kRead:
            return "read";
        case XrefAccess::kWrite:
            return "write";
        case XrefAccess::kReadWrite:
            return "read/write";
    }
    return "read";
}

bool XrefUse::MatchesPrefix(std::string_view prefix) const {
    if (prefix.size() > address.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(address[i]);
        const auto p = static_cast<unsigned char>(prefix[i]);
        if (std::toupper(a) != std::toupper(p)) {
            return false;
        }
    }
    return true;
}

}  // namespace rungpad
