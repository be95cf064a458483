#include "sim/SimSignal.h"

#include <algorithm>

#include <cctype>

#include "model/Messages.h"
#include "model/PlcAddress.h"
#include "sim/SignalMemory.h"

namespace rungpad {

namespace {

bool IsWordType(std::string_view letters) {
    return letters == "C" || letters == "T" || letters == "D" || letters == "DC" || letters == "DT";
}

bool IsKnownType(std::string_view letters) {
    return IsWordType(letters) ||
           (letters.size() == 1 &&
            std::string_view("XYFGRAK").find(letters[0]) != std::string_view::npos);
}

bool InRange(std::string_view letters, int number) {
    return letters.size() == 2 ? number <= 255 : PlcAddress::CheckByteRange(letters[0], number);
}

// The form the program stores an address in, so that one signal has one name however it was
// typed: X1.2 is X001.2, r5 is R005, dt1 is DT0001.
std::string StoredForm(std::string_view letters, int number, char bit) {
    const int width = letters.size() == 2 ? 4 : 3;
    std::string digits = std::to_string(number);
    std::string name(letters);
    name.append(static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))),
                '0');
    name += digits;
    if (bit != '\0') {
        name += '.';
        name += bit;
    }
    return name;
}

}  // namespace

std::optional<SimSignal> SimSignal::Parse(std::string_view text, std::string& problem) {
    std::string upper;
    for (char c : text) {
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    problem = Messages::Format("%1 is not a signal address", {Quote(upper)});
    std::size_t at = 0;
    while (at < upper.size() && at < 2 && std::isalpha(static_cast<unsigned char>(upper[at]))) {
        ++at;
    }
    const std::string_view letters = std::string_view(upper).substr(0, at);
    const std::size_t digitsStart = at;
    while (at < upper.size() && std::isdigit(static_cast<unsigned char>(upper[at]))) {
        ++at;
    }
    const std::size_t digits = at - digitsStart;
    if (!IsKnownType(letters) || digits == 0 || digits > 4) {
        return std::nullopt;
    }
    const int number = PlcAddress::LeadingNumber(std::string_view(upper).substr(digitsStart), 4);
    const bool bit = at < upper.size();
    if (bit && (upper.size() != at + 2 || upper[at] != '.' || upper[at + 1] < '0' ||
                upper[at + 1] > '7' || letters.size() == 2)) {
        return std::nullopt;
    }
    if (!InRange(letters, number)) {
        problem = Messages::Format("%1 is out of the address range of %2", {Quote(upper), letters});
        return std::nullopt;
    }
    SimSignal signal;
    signal.name = StoredForm(letters, number, bit ? upper[at + 1] : '\0');
    const EncodedAddress encoded = PlcAddress::EncodeAddress(signal.name);
    signal.operand = encoded.operand;
    signal.mask = encoded.mask;
    signal.bytes = !bit && IsWordType(letters) ? 2 : 1;
    problem.clear();
    return signal;
}

std::string SimSignal::Quote(std::string_view text) {
    constexpr std::size_t kShown = 24;
    if (text.size() <= kShown) {
        return "'" + std::string(text) + "'";
    }
    // Cut on a character boundary of UTF-8.
    std::size_t cut = kShown - 4;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return "'" + std::string(text.substr(0, cut)) + "...'";
}

std::uint32_t SimSignal::Read(const SignalMemory& memory) const {
    return IsBit() ? (memory.Bit(operand, mask) ? 1u : 0u) : memory.Value(operand, bytes);
}

void SimSignal::Write(SignalMemory& memory, std::uint32_t value) const {
    if (IsBit()) {
        memory.WriteBit(operand, mask, value != 0);
    } else {
        memory.WriteValue(operand, bytes, value);
    }
}

void SimSignal::Force(SignalMemory& memory, std::uint32_t value) const {
    if (IsBit()) {
        memory.Force(operand, mask, value != 0 ? mask : 0);
        return;
    }
    for (int i = 0; i < bytes; ++i) {
        memory.Force(static_cast<std::uint16_t>(operand + i), 0xFF,
                     static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void SimSignal::Release(SignalMemory& memory) const {
    for (int i = 0; i < bytes; ++i) {
        memory.Release(static_cast<std::uint16_t>(operand + i), IsBit() ? mask : 0xFF);
    }
}

bool SimSignal::IsForced(const SignalMemory& memory) const {
    return (memory.ForceMask(operand) & (IsBit() ? mask : 0xFF)) != 0;
}

bool SimSignal::Overlaps(const SimSignal& other) const {
    const int start = operand;
    const int otherStart = other.operand;
    if (start + bytes <= otherStart || otherStart + other.bytes <= start) {
        return false;
    }
    return !IsBit() || !other.IsBit() || (mask & other.mask) != 0;
}

}  // namespace rungpad
