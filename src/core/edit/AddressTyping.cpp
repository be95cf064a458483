#include "edit/AddressTyping.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace rungpad {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNumberTail(std::string_view tail) {
    if (tail.empty() || tail.find('.') == std::string_view::npos) {
        return false;
    }
    for (const char c : tail) {
        if (c != '-' && c != '.' && !IsDigit(c)) {
            return false;
        }
    }
    return true;
}

// The decimal fraction the tail starts with: a sign, digits, a point and digits; reading stops
// at the first character that cannot continue it (1.2.3 reads as 1.2, --1 as nothing, 0).
double LeadingFraction(std::string_view tail) {
    std::size_t end = 0;
    if (end < tail.size() && tail[end] == '-') {
        ++end;
    }
    bool digits = false;
    while (end < tail.size() && IsDigit(tail[end])) {
        ++end;
        digits = true;
    }
    if (end < tail.size() && tail[end] == '.') {
        ++end;
        while (end < tail.size() && IsDigit(tail[end])) {
            ++end;
            digits = true;
        }
    }
    if (!digits) {
        return 0.0;
    }
    double value = 0.0;
    std::from_chars(tail.data(), tail.data() + end, value);  // locale-independent
    return value;
}

// printf's "%05.1f": one decimal, rounded, zero-padded after any sign to five characters.
// Nothing when the number does not fit the buffer (far beyond any address).
std::optional<std::string> FormatFixed(double value) {
    char buffer[64];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    if (result.ec != std::errc{}) {
        return std::nullopt;
    }
    std::string text(buffer, result.ptr);
    const std::size_t digitsAt = text[0] == '-' ? 1 : 0;
    while (text.size() < 5) {
        text.insert(digitsAt, 1, '0');
    }
    return text;
}

}  // namespace

std::string AddressTyping::Normalise(std::string_view text) {
    if (text.empty() || !IsNumberTail(text.substr(1))) {
        return std::string(text);
    }
    const std::optional<std::string> number = FormatFixed(LeadingFraction(text.substr(1)));
    return number ? text[0] + *number : std::string(text);
}

}  // namespace rungpad
