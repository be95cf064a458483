#pragma once

#include <cstdint>
#include <string_view>

#include "analysis/XrefUse.h"

namespace rungpad {

struct LadLine;

// What a function box does with the addresses in its parameters, as far as the program text can
// tell: outputs are written, shift data is read and written, everything else is read. How many
// bytes a byte operand spans is known for the moves only; the others are taken as four bytes so
// that a relay inside a wider operand is not reported as never written or never read.
class ParameterAccess {
  public:
    // The access of parameter (1-based) of the box with catalogue code function.
    static XrefAccess Of(std::uint16_t function, int parameter);
    // Bytes that a byte operand in parameter of the box spans; boxLine is the box's first line
    // (MOVN takes its byte count from its first parameter).
    static int Width(std::uint16_t function, int parameter, const LadLine& boxLine, int column);
    // Whether a parameter text names an address (type letters followed by digits) rather than a
    // constant.
    static bool IsAddress(std::string_view text);
};

}  // namespace rungpad
