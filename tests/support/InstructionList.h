#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "convert/LadConvert.h"

namespace rungpad::test {

// An instruction text entry with every run of spaces collapsed to one: "RD X000.0 1".
inline std::string Compact(std::string_view entry) {
    std::string out;
    for (char c : entry) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) {
            continue;
        }
        out.push_back(c);
    }
    if (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

// The converter's instruction list, each entry compacted.
inline std::vector<std::string> CompactTexts(const CLadConvert& convert) {
    std::vector<std::string> texts;
    for (int i = 0; i < convert.TextCount(); ++i) {
        texts.push_back(Compact(convert.TextAt(i)));
    }
    return texts;
}

// "code@line" of the converter's last error (1-based line), or "none".
inline std::string LastErrorOf(const CLadConvert& convert) {
    if (convert.ErrorCount() == 0) {
        return "none";
    }
    const ConvertError& e = convert.ErrorAt(convert.ErrorCount() - 1);
    return std::to_string(e.code) + "@" + std::to_string(e.line + 1);
}

}  // namespace rungpad::test
