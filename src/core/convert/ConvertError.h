#pragma once

#include <cstdint>
#include <string_view>

namespace rungpad {

// One entry of the converter's error list: a numbered error and the ladder line it belongs to.
struct ConvertError {
    static constexpr std::uint8_t kConversion = 0;  // added while converting
    static constexpr std::uint8_t kEntry = 1;       // added by the editor's entry checks
    static constexpr int kFirstCode = 1001;
    static constexpr int kLastCode = 1041;

    std::uint8_t kind = kConversion;
    std::uint16_t code = 0;
    std::int32_t line = 0;  // 0-based ladder line (for 1004 from the text list: the text count)

    // The fixed message of a code ("1009 网络水平线未连上"); empty for a code outside 1001-1041.
    static std::string_view MessageOf(int code);

    friend bool operator==(const ConvertError&, const ConvertError&) = default;
};

}  // namespace rungpad
