#pragma once

#include <cstdint>
#include <string_view>

#include "model/ErrorCode.h"

namespace rungpad {

struct LadLine;

// The conversion's check of operand texts: a text that the entry checks would refuse comes from
// a damaged or foreign file and must not become an operand of the image. The rules themselves are
// the entry rules of addresses and parameters.
class OperandCheck {
  public:
    // kNone when text is a bit address in the form contacts and coils hold (X000.0), inside its
    // type's byte range; else kAddressData.
    static ErrorCode BitAddressError(std::string_view text);

    // kNone when the parameter text is a constant or an address that the parameter entry rules
    // allow for the parameter cell with element code code in column of line; else kAddressData
    // (malformed) or kUndefinedSymbol (symbol or address outside the allowed ranges). Constants
    // are left to the number and table checks of the conversion.
    static ErrorCode ParameterError(std::uint16_t code, int column, std::string_view text,
                                    const LadLine& line);
};

}  // namespace rungpad
