#include "edit/FieldChecks.h"

#include "model/Messages.h"

namespace rungpad {

namespace {

constexpr long long kIntMin = -2147483648LL;
constexpr long long kIntMax = 2147483647LL;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Digits only, at least one; false beyond the range of an int.
bool ReadDigits(std::string_view digits, long long& value) {
    if (digits.empty()) {
        return false;
    }
    value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
        if (value > kIntMax + 1) {
            return false;
        }
    }
    return true;
}

FieldChecks::Result Fail(std::string message) {
    FieldChecks::Result result;
    result.message = std::move(message);
    return result;
}

FieldChecks::Result Pass(long long value) {
    FieldChecks::Result result;
    result.ok = true;
    result.value = value;
    return result;
}

FieldChecks::Result InRange(FieldChecks::Result number, long long lo, long long hi) {
    if (number.ok && (number.value < lo || number.value > hi)) {
        return Fail(FieldChecks::RangeMessage(lo, hi));
    }
    return number;
}

}  // namespace

FieldChecks::Result FieldChecks::Integer(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    if (!ReadDigits(text, value)) {
        return Fail(std::string(Messages::Text(kNotInteger)));
    }
    value = negative ? -value : value;
    if (value < kIntMin || value > kIntMax) {
        return Fail(std::string(Messages::Text(kNotInteger)));
    }
    return Pass(value);
}

FieldChecks::Result FieldChecks::Unsigned(std::string_view text) {
    long long value = 0;
    if (!ReadDigits(Trim(text), value) || value > 2 * kIntMax + 1) {
        return Fail(std::string(Messages::Text(kNotUnsigned)));
    }
    return Pass(value);
}

FieldChecks::Result FieldChecks::IntegerInRange(std::string_view text, long long lo, long long hi) {
    return InRange(Integer(text), lo, hi);
}

FieldChecks::Result FieldChecks::UnsignedInRange(std::string_view text, long long lo,
                                                 long long hi) {
    return InRange(Unsigned(text), lo, hi);
}

FieldChecks::Result FieldChecks::TextLength(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++chars;  // every byte that starts a UTF-8 character
        }
    }
    if (chars > maxChars) {
        return Fail(LengthMessage(maxChars));
    }
    return Pass(static_cast<long long>(chars));
}

std::string FieldChecks::RangeMessage(long long lo, long long hi) {
    return Messages::Format("“请填入一个在%1和%2之间的整数。”",
                            {std::to_string(lo), std::to_string(hi)});
}

std::string FieldChecks::LengthMessage(std::size_t maxChars) {
    return Messages::Format("“请填入不多于%1个的字符。”", {std::to_string(maxChars)});
}

FieldChecks::Result FieldChecks::GoLine(std::string_view lineText) {
    return IntegerInRange(lineText, 1, 9999);
}

FieldChecks::Result FieldChecks::InsertLineCount(std::string_view countText) {
    return UnsignedInRange(countText, 1, 1000);
}

FieldChecks::Result FieldChecks::SelectedLines(std::string_view startText, std::string_view endText,
                                               int& field, long long& start, long long& end) {
    field = 0;
    const Result first = Integer(startText);
    if (!first.ok) {
        return first;
    }
    field = 1;
    const Result second = Integer(endText);
    if (!second.ok) {
        return second;
    }
    start = first.value;
    end = second.value;
    return second;
}

FieldChecks::Result FieldChecks::LadInfo(std::string_view version, std::string_view machine,
                                         std::string_view person, int& field) {
    struct Field {
        int index;
        std::string_view text;
        std::size_t max;
    };
    const Field order[] = {{2, person, 20}, {0, version, 15}, {1, machine, 40}};
    for (const Field& f : order) {
        const Result result = TextLength(f.text, f.max);
        if (!result.ok) {
            field = f.index;
            return result;
        }
    }
    field = -1;
    return Pass(0);
}

}  // namespace rungpad
