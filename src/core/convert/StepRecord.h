#pragma once

#include <array>
#include <cstdint>

namespace rungpad {

// One 8-byte record of the binary image: opcode, kind, step index, operands A and B (for a bit
// operand, B's low byte is the address type byte and its high byte the bit mask).
struct StepRecord {
    static constexpr std::size_t kSize = 8;

    std::uint8_t opcode = 0;
    std::uint8_t kind = 0;
    std::uint16_t index = 0;  // position in the list; in the trailer the data table's word count
    std::uint16_t a = 0;
    std::uint16_t b = 0;

    std::uint8_t Mask() const { return static_cast<std::uint8_t>(b >> 8); }

    // The record as stored in the image, fields little-endian.
    std::array<std::uint8_t, kSize> Bytes() const {
        return {opcode,
                kind,
                static_cast<std::uint8_t>(index & 0xFF),
                static_cast<std::uint8_t>(index >> 8),
                static_cast<std::uint8_t>(a & 0xFF),
                static_cast<std::uint8_t>(a >> 8),
                static_cast<std::uint8_t>(b & 0xFF),
                static_cast<std::uint8_t>(b >> 8)};
    }

    friend bool operator==(const StepRecord&, const StepRecord&) = default;
};

}  // namespace rungpad
