#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ErrorCode.h"
#include "model/Language.h"

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
    static std::string_view MessageOf(ErrorCode code) { return MessageOf(static_cast<int>(code)); }
    // The report line of an error: "梯图第%04d行  错误代号 " with line + 1, then the message.
    // Without a language it is the original, the form files and reports keep.
    static std::string FormatReport(std::int64_t line, int code);
    static std::string FormatReport(std::int64_t line, int code, Language language);
    // The 0-based ladder line of a report line in any language ("梯图第0012行  错误代号 ..." or
    // "Ladder line 0012  error code ..." gives 11); -1 for any other text.
    static int LineOfReport(std::string_view text);

    friend bool operator==(const ConvertError&, const ConvertError&) = default;
};

}  // namespace rungpad
