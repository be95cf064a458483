#include "edit/ReplaceTally.h"

#include <cstdio>
#include <utility>

namespace rungpad {

void ReplaceTally::Refused(int line, std::string reason) {
    m_refused.push_back({line, std::move(reason)});
}

std::string ReplaceTally::Text() const {
    std::string text = std::to_string(m_replaced) + " replaced";
    for (const Refusal& refusal : m_refused) {
        char number[16];
        std::snprintf(number, sizeof number, "%04d", refusal.line + 1);
        text += "; line ";
        text += number;
        text += ": ";
        text += refusal.reason;
    }
    return text;
}

}  // namespace rungpad
