#include "analysis/XrefUse.h"

#include <cctype>

#include "model/FuncInstrTable.h"
#include "model/Messages.h"

namespace rungpad {

std::string XrefUse::Describe(const Language language) const {
    switch (kind) {
        case XrefKind::kNoContact:
            return std::string(Messages::Text("NO contact", language));
        case XrefKind::kNcContact:
            return std::string(Messages::Text("NC contact", language));
        case XrefKind::kCoil:
            return std::string(Messages::Text("coil", language));
        case XrefKind::kNegCoil:
            return std::string(Messages::Text("negated coil", language));
        case XrefKind::kParameter:
            break;
    }
    const FuncInstr* instr = FuncInstrTable::FindFunctionCode(function);
    std::string text(instr ? instr->name : std::string_view("?"));
    text += ' ';
    text += std::to_string(parameter);
    if (instr && parameter >= 1 && parameter <= static_cast<int>(instr->labels.size())) {
        text += ' ';
        text += Messages::Text(instr->labels[static_cast<std::size_t>(parameter - 1)], language);
    }
    return text;
}

std::string_view XrefUse::AccessName(const Language language) const {
    return Messages::Text(AccessName(), language);
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
