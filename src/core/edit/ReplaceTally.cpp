#include "edit/ReplaceTally.h"
#include "model/Messages.h"

#include <cstdio>
#include <utility>

namespace rungpad {

void ReplaceTally::Refused(int line, std::string reason) {
    m_refused.push_back({line, std::move(reason)});
}

std::string ReplaceTally::Text() const {
    std::string text = Messages::Format("%1 replaced", {std::to_string(m_replaced)});
    for (const Refusal& refusal : m_refused) {
        char number[16];
        std::snprintf(number, sizeof number, "%04d", refusal.line + 1);
        text += Messages::Format("; line %1: %2", {number, refusal.reason});
    }
    return text;
}

}  // namespace rungpad
