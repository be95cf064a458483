#include "model/CellValue.h"

namespace rungpad {

std::optional<int> CellValue::Of(std::string_view text) {
    constexpr int kCeiling = 100000000;  // beyond every parameter's range; no overflow
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (value < kCeiling) {
            value = value * 10 + (c - '0');
        }
    }
    return value;
}

}  // namespace rungpad
