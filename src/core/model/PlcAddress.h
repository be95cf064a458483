#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ErrorCode.h"

namespace rungpad {

class LadProgram;

// The binary form of an operand text: the 16-bit operand, the type byte and, for bit addresses,
// the bit mask.
struct EncodedAddress {
    std::uint16_t operand = 0;
    std::uint8_t type = 0;
    std::uint8_t mask = 0;

    friend bool operator==(const EncodedAddress&, const EncodedAddress&) = default;
};

// The textual PLC address notation: a type letter (X Y F G R A K C T D, or DC and DT), a byte
// number and, for bit addresses, "." and a bit 0 to 7.
class PlcAddress {
  public:
    // Bit flags of the converter's coil table: Y, G, R, K and A bits, one flag each.
    static constexpr int kCoilFlagCount = 5760;

    // Normalises a typed bit address in place (upper case, byte number padded to three digits,
    // "x1.2" becomes "X001.2") and returns its byte number, or -1 when the address is refused.
    static int ParseBitAddress(std::string& text);

    // Whether a bit address of type letter may carry byte number number (C, T, D: 0-255).
    static bool CheckByteRange(char letter, int number);

    // The entry check of a coil address typed into column 7 of line: kNone when it passes, else
    // kIllegalOutput (not a coil type, or reserved at entry: G063.7, K000-K005, R510, R511) or
    // kOutputReused (another line already has a coil with this address). A coil that is given the
    // address it already holds passes.
    static ErrorCode CheckCoilAddress(const LadProgram& program, std::string_view text, int line);

    // The conversion-time reserved coils: G063.7, K000-K005 and R255.
    static bool IsReservedCoil(std::string_view text);

    // Index of a coil's bit in the converter's coil table, or -1 when the text names no coil bit
    // inside the Y, G, R, K or A ranges.
    static int CoilFlagIndex(std::string_view text);

    // The binary form of an upper-case operand text; an unknown letter gives operand and type 0.
    static EncodedAddress EncodeAddress(std::string_view text);

    // The decimal value of the leading digits of text (0 when none); at most maxDigits digits.
    static int LeadingNumber(std::string_view text, std::size_t maxDigits = 9);
};

}  // namespace rungpad
