#include "model/PlcAddress.h"

#include <array>

#include "model/LadCell.h"
#include "model/LadProgram.h"

namespace rungpad {

namespace {

struct AddressType {
    char letter;
    int bytes;  // byte numbers 0 .. bytes - 1 for bit addresses; 0 for parameter-only types
    bool coil;
    std::uint16_t base;
    std::uint16_t scale;
    std::uint8_t typeByte;
};

constexpr std::array<AddressType, 12> kTypes{{
    {'X', 64, false, 0x8090, 1, 'X'},
    {'Y', 48, true, 0x80D0, 1, 'Y'},
    {'F', 64, false, 0x8010, 1, 'F'},
    {'G', 64, true, 0x8050, 1, 'G'},
    {'R', 512, true, 0x8500, 1, 'R'},
    {'A', 32, true, 0x8C00, 1, 'A'},
    {'K', 64, true, 0x8C80, 1, 'K'},
    {'C', 256, false, 0x8800, 2, 'C'},
    {'T', 256, false, 0x8700, 2, 'T'},
    {'D', 256, false, 0x8300, 2, 'D'},
    {'c', 0, false, 0x8200, 2, 'c'},  // DC
    {'t', 0, false, 0x8100, 2, 't'},  // DT
}};

// kTypes index by letter (-1: no such letter); every operand of a conversion is looked up.
constexpr std::array<std::int8_t, 128> kTypeByLetter = [] {
    std::array<std::int8_t, 128> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < kTypes.size(); ++i) {
        index[static_cast<std::size_t>(kTypes[i].letter)] = static_cast<std::int8_t>(i);
    }
    return index;
}();

const AddressType* FindType(char letter) {
    const auto at = static_cast<unsigned char>(letter);
    const int index = at < kTypeByLetter.size() ? kTypeByLetter[at] : -1;
    return index < 0 ? nullptr : &kTypes[static_cast<std::size_t>(index)];
}

// Where each coil letter's bits start in the coil table, and how many it has.
struct CoilBlock {
    char letter;
    int start;
    int count;
};

constexpr std::array<CoilBlock, 5> kCoilBlocks{{
    {'Y', 0, 384},
    {'G', 384, 512},
    {'R', 896, 4096},
    {'K', 4992, 512},
    {'A', 5504, 256},
}};

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A letter, three digits, a dot and a bit 0-7.
bool IsStoredBitAddress(std::string_view text) {
    return text.size() == 6 && text[0] != '.' && IsDigit(text[1]) && IsDigit(text[2]) &&
           IsDigit(text[3]) && text[4] == '.' && text[5] >= '0' && text[5] <= '7';
}

char ToUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EndsWith(std::string_view text, char c) {
    return !text.empty() && text.back() == c;
}

bool IsReservedAtEntry(char letter, int number, std::string_view text) {
    switch (letter) {
        case 'G':
            return number == 63 && EndsWith(text, '7');
        case 'K':
            return number >= 0 && number <= 5;
        case 'R':
            return number == 510 || number == 511;
        default:
            return false;
    }
}

}  // namespace

int PlcAddress::LeadingNumber(std::string_view text, std::size_t maxDigits) {
    int value = 0;
    for (std::size_t i = 0; i < text.size() && i < maxDigits && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int PlcAddress::ParseBitAddress(std::string& text) {
    for (char& c : text) {
        c = ToUpper(c);
    }
    if (text.size() < 2 || text.size() > 6) {
        return -1;
    }
    const std::size_t dot = text.find('.', 1);
    if (dot == std::string::npos || dot + 1 >= text.size()) {
        return -1;
    }
    for (std::size_t i = 1; i < dot; ++i) {
        if (!IsDigit(text[i])) {
            return -1;
        }
    }
    if (text[dot + 1] < '0' || text[dot + 1] > '7') {
        return -1;
    }
    const std::size_t digits = dot - 1;
    if (digits < 3) {
        text.insert(1, 3 - digits, '0');
    }
    const int number = LeadingNumber(std::string_view(text).substr(1));
    return CheckByteRange(text[0], number) ? number : -1;
}

bool PlcAddress::CheckByteRange(char letter, int number) {
    const AddressType* type = FindType(letter);
    return type != nullptr && number >= 0 && number < type->bytes;
}

ErrorCode PlcAddress::CheckCoilAddress(const LadProgram& program, std::string_view text, int line) {
    const char letter = text.empty() ? '\0' : text[0];
    const AddressType* type = FindType(letter);
    if (type == nullptr || !type->coil) {
        return ErrorCode::kIllegalOutput;
    }
    if (IsReservedAtEntry(letter, LeadingNumber(text.substr(1)), text)) {
        return ErrorCode::kIllegalOutput;
    }
    for (int i = 0; i < program.LineCount(); ++i) {
        const LadCell& cell = program.Cell(7, i);
        // The cell that already holds this address may keep it.
        if (i != line && Element::IsCoil(cell.code) && cell.Text() == text) {
            return ErrorCode::kOutputReused;
        }
    }
    return ErrorCode::kNone;
}

bool PlcAddress::IsReservedCoil(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const int number = LeadingNumber(text.substr(1));
    switch (text[0]) {
        case 'G':
            return number == 63 && EndsWith(text, '7');
        case 'K':
            return number < 6;
        case 'R':
            return number == 255;
        default:
            return false;
    }
}

int PlcAddress::CoilFlagIndex(std::string_view text) {
    if (text.size() < 6 || text[5] < '0' || text[5] > '7') {
        return -1;
    }
    for (const CoilBlock& block : kCoilBlocks) {
        if (block.letter == text[0]) {
            const int bit = LeadingNumber(text.substr(1)) * 8 + (text[5] - '0');
            return bit < block.count ? block.start + bit : -1;
        }
    }
    return -1;
}

EncodedAddress PlcAddress::EncodeAddress(std::string_view text) {
    EncodedAddress result;
    if (text.empty()) {
        return result;
    }
    if (IsStoredBitAddress(text)) {
        // The form contacts and coils hold ("X012.3"), read without searching.
        const AddressType* type = FindType(text[0]);
        result.mask = static_cast<std::uint8_t>(1u << (text[5] - '0'));
        if (type != nullptr) {
            const int number = (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
            result.operand = static_cast<std::uint16_t>(type->base + number * type->scale);
            result.type = type->typeByte;
        }
        return result;
    }
    char letter = text[0];
    std::size_t digitsAt = 1;
    if (letter == 'D' && text.size() > 1 && (text[1] == 'C' || text[1] == 'T')) {
        letter = text[1] == 'C' ? 'c' : 't';
        digitsAt = 2;
    }
    // The mask does not depend on the letter: an unknown one still gives its bit.
    const std::size_t dot = text.find('.');
    if (dot != std::string_view::npos && dot + 1 < text.size() && text[dot + 1] >= '0' &&
        text[dot + 1] <= '7') {
        result.mask = static_cast<std::uint8_t>(1u << (text[dot + 1] - '0'));
    }
    const AddressType* type = FindType(letter);
    if (type == nullptr) {
        return result;
    }
    const int number = LeadingNumber(text.substr(digitsAt), 4);
    result.operand = static_cast<std::uint16_t>(type->base + number * type->scale);
    result.type = type->typeByte;
    return result;
}

}  // namespace rungpad
