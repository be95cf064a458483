#include "model/NoteCsv.h"

#include <algorithm>
#include <map>

#include "model/Messages.h"
#include "model/NoteFile.h"
#include "model/TextCodec.h"

namespace rungpad {

namespace {

std::string Quoted(std::string_view field) {
    const bool plain = field.find_first_of(",\"\r\n") == std::string_view::npos &&
                       (field.empty() || (field.front() != ' ' && field.back() != ' '));
    if (plain) {
        return std::string(field);
    }
    std::string out = "\"";
    for (const char c : field) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + '"';
}

std::string AddressText(char letter, int byte, std::size_t slot) {
    std::string out(1, letter);
    const std::string digits = std::to_string(byte);
    out += std::string(3 - digits.size(), '0') + digits;
    if (slot != AddressNotes::kByteNote) {
        out += '.';
        out += static_cast<char>('0' + slot - 1);
    }
    return out;
}

struct Record {
    int line = 0;  // the line of the text the record starts on, from 1
    std::vector<std::string> fields;
};

// The length of the line break at text[i] (CR LF, LF or CR alone), 0 for none.
std::size_t BreakAt(std::string_view text, std::size_t i) {
    if (text[i] == '\r') {
        return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    }
    return text[i] == '\n' ? 1 : 0;
}

// Splits the text into records of fields (quotes as RFC 4180 has them; lines may end in CR LF,
// LF or CR). False with an error when a quoted field is not closed or text follows its
// closing quote.
bool SplitRecords(std::string_view text, std::vector<Record>& records, std::string& error) {
    int line = 1;
    Record record{line, {std::string{}}};
    bool quoted = false;
    bool closed = false;  // just after a closing quote
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::size_t lineBreak = BreakAt(text, i);
        std::string& field = record.fields.back();
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                closed = true;
            } else {
                line += lineBreak > 0 ? 1 : 0;
                field.append(text.substr(i, std::max<std::size_t>(lineBreak, 1)));
                i += lineBreak > 1 ? lineBreak - 1 : 0;
            }
            continue;
        }
        if (closed && c != ',' && lineBreak == 0) {
            error = Messages::Format("line %1: text after the closing quote of a field",
                                     {std::to_string(line)});
            return false;
        }
        closed = false;
        if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record.fields.emplace_back();
        } else if (lineBreak > 0) {
            i += lineBreak - 1;
            records.push_back(std::move(record));
            record = Record{++line, {std::string{}}};
        } else {
            field += c;
        }
    }
    if (quoted) {
        error = Messages::Format("line %1: a quoted field is not closed",
                                 {std::to_string(record.line)});
        return false;
    }
    if (record.fields.size() > 1 || !record.fields[0].empty()) {
        records.push_back(std::move(record));
    }
    return true;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// The entry and slot a table address names: L###.b for a bit, L### for the byte; false when
// no note can be attached to it.
bool ParseAddress(std::string_view text, int& entry, std::size_t& slot) {
    if (text.size() != 4 && text.size() != 6) {
        return false;
    }
    int byte = 0;
    for (std::size_t i = 1; i <= 3; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        byte = byte * 10 + (text[i] - '0');
    }
    const char letter =
        text[0] >= 'a' && text[0] <= 'z' ? static_cast<char>(text[0] - 32) : text[0];
    entry = AddressNotes::EntryIndex(letter, byte);
    slot = AddressNotes::kByteNote;
    if (text.size() == 6) {
        if (text[4] != '.' || text[5] < '0' || text[5] > '7') {
            return false;
        }
        slot = static_cast<std::size_t>(1 + text[5] - '0');
    }
    return entry >= 0;
}

// How a message names a control character: NUL, TAB or its code.
std::string ControlName(unsigned char byte) {
    if (byte == 0) {
        return "NUL";
    }
    if (byte == '\t') {
        return "TAB";
    }
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 0x0F];
}

// The GBK note of a row, or an error text.
bool NoteBytes(const std::string& address, const std::string& utf8, std::string& gbk,
               std::string& error) {
    if (utf8.find_first_of("\r\n") != std::string::npos) {
        error = Messages::Format("the note of %1 holds a line break", {address});
        return false;
    }
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            error = Messages::Format("the note of %1 holds a control character (%2)",
                                     {address, ControlName(byte)});
            return false;
        }
    }
    if (!TextCodec::Utf8ToGbkExactly(utf8, gbk)) {
        error = Messages::Format("the note of %1 holds a character that GBK cannot represent",
                                 {address});
        return false;
    }
    if (gbk.size() > NoteFile::kMaxNoteLength) {
        error = Messages::Format(
            "the note of %1 is %2 bytes in GBK; a note holds at most %3",
            {address, std::to_string(gbk.size()), std::to_string(NoteFile::kMaxNoteLength)});
        return false;
    }
    return true;
}

bool IsHeader(const Record& record) {
    std::string first = Trimmed(record.fields[0]);
    for (char& c : first) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
    return first == "address";
}

}  // namespace

std::string NoteCsv::Format(const AddressNotes& notes) {
    std::string out = "address,note\r\n";
    notes.ForEachNote([&out](char letter, int byte, std::size_t slot, const std::string& text) {
        out += AddressText(letter, byte, slot) + ',' + Quoted(TextCodec::GbkToUtf8(text)) + "\r\n";
    });
    return out;
}

std::vector<std::string> NoteCsv::Parse(std::string_view csv, AddressNotes& notes) {
    if (csv.starts_with("\xEF\xBB\xBF")) {
        csv.remove_prefix(3);
    }
    std::vector<Record> records;
    std::string error;
    if (!SplitRecords(csv, records, error)) {
        return {error};
    }
    std::vector<std::string> errors;
    AddressNotes read = notes;
    std::map<std::pair<int, std::size_t>, int> seen;  // entry and slot -> line
    for (std::size_t r = 0; r < records.size(); ++r) {
        const Record& record = records[r];
        const auto fail = [&errors, &record](const std::string& text) {
            errors.push_back(Messages::Format("line %1: %2", {std::to_string(record.line), text}));
        };
        if ((r == 0 && IsHeader(record)) ||
            (record.fields.size() == 1 && Trimmed(record.fields[0]).empty())) {
            continue;
        }
        if (record.fields.size() == 1) {
            fail(std::string(Messages::Text("no comma: a row is ADDRESS,NOTE")));
            continue;
        }
        for (std::size_t f = 2; f < record.fields.size(); ++f) {
            if (!record.fields[f].empty()) {
                fail(std::string(
                    Messages::Text("more than two fields (quote a note that holds a comma)")));
                break;
            }
        }
        const std::string address = Trimmed(record.fields[0]);
        int entry = -1;
        std::size_t slot = 0;
        if (!ParseAddress(address, entry, slot)) {
            fail(Messages::Format(
                "\"%1\" is not an address that can carry a note (X, Y, A, F, G, K or R with its "
                "three-digit byte in range, and .0 to .7 for a bit)",
                {address}));
            continue;
        }
        const auto [at, inserted] = seen.emplace(std::pair{entry, slot}, record.line);
        if (!inserted) {
            fail(Messages::Format("%1 is given a second time (first on line %2)",
                                  {address, std::to_string(at->second)}));
            continue;
        }
        std::string gbk;
        if (!NoteBytes(address, record.fields[1], gbk, error)) {
            fail(error);
            continue;
        }
        read.At(entry)[slot] = gbk;
    }
    if (errors.empty()) {
        notes = std::move(read);
    }
    return errors;
}

}  // namespace rungpad
