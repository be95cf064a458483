#include "model/NoteFile.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "model/FileIo.h"

namespace rungpad {

namespace {

struct ExportRange {
    char letter;
    int firstByte;
    int lastByte;
};

// The bytes Export Note writes, in its order.
constexpr std::array<ExportRange, 5> kExportRanges{{
    {'X', 0, 6},
    {'Y', 0, 5},
    {'K', 6, 63},
    {'A', 0, 31},
    {'R', 0, 511},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The C integer conversion of a short field: leading blanks, an optional sign, then digits up to
// the first other character; 0 when there are none.
int FieldValue(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && IsSpace(field[i])) {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    int value = 0;
    for (; i < field.size() && IsDigit(field[i]); ++i) {
        value = value * 10 + (field[i] - '0');
    }
    return negative ? -value : value;
}

enum class LineResult { kNext, kStop };

// Applies one line of an address note file.
LineResult ApplyLine(std::string_view line, AddressNotes& notes) {
    const char letter = Upper(line[0]);
    if (letter == 'I') {
        return LineResult::kNext;
    }
    const int byte = FieldValue(line.substr(1, 3));
    const int entry = AddressNotes::EntryIndex(letter, byte);
    if (entry < 0) {
        // A known letter with a byte out of its range is skipped; any other letter ends the file.
        return AddressNotes::EntryIndex(letter, 0) >= 0 ? LineResult::kNext : LineResult::kStop;
    }
    const int slot = line.size() > 4 && IsDigit(line[4]) ? line[4] - '0' : 0;
    if (slot > 8) {
        return LineResult::kStop;
    }
    notes.At(entry)[static_cast<std::size_t>(slot)] =
        line.size() > 6 ? std::string(line.substr(6)) : std::string{};
    return LineResult::kNext;
}

}  // namespace

bool NoteFile::Load(const std::string& path, AddressNotes& notes, std::string* error) {
    std::vector<std::uint8_t> bytes;
    std::string why;
    if (!FileIo::ReadFile(path, bytes, why)) {
        if (error != nullptr) {
            *error = std::move(why);
        }
        return false;
    }
    Parse({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, notes);
    return true;
}

void NoteFile::Parse(std::string_view text, AddressNotes& notes) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t newline = text.find('\n', pos);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        line = line.substr(0, line.find('\0'));  // a line is a C string
        const bool tooLong = line.size() > kMaxLineLength;
        line = line.substr(0, kMaxLineLength);
        if (line.size() < 3 || line.substr(0, 3) == "end") {
            return;
        }
        if (ApplyLine(line, notes) == LineResult::kStop || tooLong) {
            return;
        }
    }
}

std::string NoteFile::Format(const AddressNotes& notes) {
    std::string out;
    notes.ForEachNote([&out](char letter, int byte, std::size_t slot, const std::string& text) {
        std::array<char, 16> head{};
        std::snprintf(head.data(), head.size(), "%c%03d%zu ", letter, byte, slot);
        out += head.data() + text + "\r\n";
    });
    return out;
}

std::string NoteFile::FormatExport(const NoteLookup& noteOf) {
    std::string out = "%\r\n";
    for (const ExportRange& range : kExportRanges) {
        for (int byte = range.firstByte; byte <= range.lastByte; ++byte) {
            for (int bit = 0; bit < 8; ++bit) {
                std::array<char, 16> address{};
                std::snprintf(address.data(), address.size(), "%c%03d.%d", range.letter, byte, bit);
                const std::string note = noteOf(address.data());
                if (note.empty()) {
                    continue;
                }
                std::array<char, 16> number{};
                std::snprintf(number.data(), number.size(), "%c%04d     ", range.letter,
                              byte * 10 + bit);
                out += number.data();
                out += note;
                out += "\r\n";
            }
        }
    }
    out += "end\r\n";
    return out;
}

}  // namespace rungpad
