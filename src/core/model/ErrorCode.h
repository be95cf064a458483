#pragma once

#include <cstdint>

namespace rungpad {

// The numbered errors of the entry checks and the converter; each value is the number the user
// sees. The entry rules of the model report them too, so the enum lives on the bottom floor.
enum class ErrorCode : std::uint16_t {
    kNone = 0,                    // no error: the check passed
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

}  // namespace rungpad
