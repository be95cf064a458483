#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rungpad {

// The converter's numbered errors; each value is the number the user sees.
enum class ErrorCode : std::uint16_t {
    kAddressMissing = 1001,       // a contact or coil without its address
    kUnknownFunction = 1002,      // no such function instruction
    kComMisuse = 1003,            // COM/COME not used correctly
    kListFull = 1004,             // too many lines, texts or steps
    kEndMisuse = 1005,            // END1/END2 not used correctly
    kIllegalOutput = 1006,        // an output no coil may have
    kFunctionConnection = 1008,   // a box not connected correctly
    kLineNotConnected = 1009,     // a horizontal line that ends unconnected
    kAddressData = 1011,          // address data not entered correctly
    kUndefinedSymbol = 1012,      // unknown symbol or address out of range
    kIllegalNumber = 1013,        // a number outside its instruction's range
    kCounterInUse = 1014,         // CTR number used twice
    kJumpLabel = 1015,            // JMP/LBL not handled correctly or too many
    kIncompleteNetwork = 1016,    // a network without its output
    kUnsupportedNetwork = 1017,   // a network structure not supported
    kTimerInUse = 1019,           // TMR number used twice
    kMissingParameter = 1020,     // a box parameter missing
    kMissingFunctionName = 1022,  // a box without its first parameter
    kNeedlessOutput = 1023,       // a move reaching beyond its destination area
    kLinesOnly = 1024,            // a row of horizontal lines only
    kFunctionOutput = 1025,       // a box output not correct
    kNetworkTooLong = 1026,       // a network of too many lines
    kOutputReused = 1027,         // one output address used twice
    kBadVerticalLine = 1030,      // a vertical line in the wrong place
    kDataTableFull = 1031,        // the COD data tables too large
    kFirstLevelTooLarge = 1032,   // the first level too long to run in time
    kTooManyShifts = 1033,        // too many SFT
    kEdgeMisuse = 1034,           // DIFU/DIFD not used correctly
    kNotExecutable = 1039,        // an instruction outside the executable range
    kSubprogramMisuse = 1040,     // CALL/SP/SPE not used correctly
    kLineParallelToContacts = 1041,
};

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
    static std::string FormatReport(std::int64_t line, int code);
    // The 0-based ladder line of a report line ("梯图第0012行  错误代号 ..." gives 11); -1 for
    // any other text.
    static int LineOfReport(std::string_view text);

    friend bool operator==(const ConvertError&, const ConvertError&) = default;
};

}  // namespace rungpad
