#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rungpad {

class SignalMemory;

// One signal named by its address text, as the stimulus, the watch list and the signal table
// give it: a bit (X000.0, R100.7), a byte (X000, R100) or a 16-bit word of the data types
// (D010, C005, T005, DC0001, DT0001). Located by the binary image's operand encoding.
struct SimSignal {
    std::string name;  // the stored form (X001.2, R005, DT0001), however it was typed
    std::uint16_t operand = 0;
    std::uint8_t mask = 0;  // non-zero for a bit
    int bytes = 1;          // 1 for bits and bytes, 2 for words

    bool IsBit() const { return mask != 0; }
    int Width() const { return IsBit() ? 1 : 8 * bytes; }  // in bits
    std::uint32_t MaxValue() const { return IsBit() ? 1u : (1u << Width()) - 1u; }

    // The signal named by text, or none with problem set.
    static std::optional<SimSignal> Parse(std::string_view text, std::string& problem);
    // What the user wrote, in quotes for a message; a long text shortened to its start and "...".
    static std::string Quote(std::string_view text);

    std::uint32_t Read(const SignalMemory& memory) const;
    void Write(SignalMemory& memory, std::uint32_t value) const;
    void Force(SignalMemory& memory, std::uint32_t value) const;
    void Release(SignalMemory& memory) const;
    bool IsForced(const SignalMemory& memory) const;
    // Whether writing one of the two signals can change the other (a shared bit or byte).
    bool Overlaps(const SimSignal& other) const;
};

}  // namespace rungpad
