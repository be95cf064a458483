#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ErrorCode.h"
#include "model/LadLine.h"

namespace rungpad {

// The outcome of checking one function parameter or CODT table entry.
struct ParameterVerdict {
    static constexpr int kNotAllowed = -1;  // value or symbol not allowed: error 1012
    static constexpr int kMalformed = -2;   // error 1011

    int value = kMalformed;  // the value, or one of the two refusals
    std::string text;        // the entry as it is stored: zero-padded to the rule's length
    int clearColumn = -1;    // a dependent parameter whose text is to be cleared, or -1
    int codTableLines = 0;   // COD capacity: the table lines the entry asks for

    bool Accepted() const { return value >= 0; }
    // The error a refusal reports (kAddressData for kMalformed, else kUndefinedSymbol); kNone
    // for an accepted value.
    static ErrorCode ErrorOf(int result) {
        if (result >= 0) {
            return ErrorCode::kNone;
        }
        return result == kMalformed ? ErrorCode::kAddressData : ErrorCode::kUndefinedSymbol;
    }
    ErrorCode Error() const { return ErrorOf(value); }
};

// The entry rules of function box parameters and CODT table entries: which values, letters and
// lengths each parameter takes. Pure: reads the line the parameter is on, changes nothing.
class ParameterRules {
  public:
    // Checks text (at most 6 characters, already in capitals) for the parameter cell with element
    // code code in column of line.
    static ParameterVerdict Validate(std::uint16_t code, int column, std::string_view text,
                                     const LadLine& line);
};

}  // namespace rungpad
