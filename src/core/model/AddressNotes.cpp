#include "model/AddressNotes.h"

#include <stdexcept>
#include <utility>

namespace rungpad {

namespace {

struct LetterRange {
    char letter;
    int bytes;
};

// The byte entries in table order.
constexpr std::array<LetterRange, 7> kRanges{{
    {'X', 64},
    {'Y', 48},
    {'A', 32},
    {'F', 64},
    {'G', 64},
    {'K', 64},
    {'R', 512},
}};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

AddressNotes::AddressNotes() = default;

std::vector<AddressNotes::Entry>& AddressNotes::Entries() {
    if (m_entries.empty()) {
        m_entries.resize(kEntryCount);
    }
    return m_entries;
}

const AddressNotes::Entry& AddressNotes::At(int index) const {
    if (index < 0 || index >= kEntryCount) {
        throw std::out_of_range("address note entry out of range");
    }
    static const Entry kNoNotes{};
    return m_entries.empty() ? kNoNotes : m_entries[static_cast<std::size_t>(index)];
}

bool operator==(const AddressNotes& a, const AddressNotes& b) {
    for (int index = 0; index < AddressNotes::kEntryCount; ++index) {
        if (a.At(index) != b.At(index)) {
            return false;
        }
    }
    return true;
}

int AddressNotes::EntryIndex(char letter, int byte) {
    int first = 0;
    for (const LetterRange& r : kRanges) {
        if (r.letter == letter) {
            return byte >= 0 && byte < r.bytes ? first + byte : -1;
        }
        first += r.bytes;
    }
    return -1;
}

void AddressNotes::EntryAddress(int index, char& letter, int& byte) {
    if (index < 0 || index >= kEntryCount) {
        throw std::out_of_range("address note entry out of range");
    }
    for (const LetterRange& r : kRanges) {
        if (index < r.bytes) {
            letter = r.letter;
            byte = index;
            return;
        }
        index -= r.bytes;
    }
}

std::string* AddressNotes::FindBitNote(std::string_view address) {
    Entries();  // the note found may be written
    return const_cast<std::string*>(std::as_const(*this).FindBitNote(address));
}

const std::string* AddressNotes::FindBitNote(std::string_view address) const {
    if (address.size() < 6 || !IsDigit(address[1]) || !IsDigit(address[2]) ||
        !IsDigit(address[3])) {
        return nullptr;
    }
    const int byte = (address[1] - '0') * 100 + (address[2] - '0') * 10 + (address[3] - '0');
    const int index = EntryIndex(address[0], byte);
    const char bit = address[5];
    if (index < 0 || bit < '0' || bit > '7') {
        return nullptr;
    }
    return &At(index)[static_cast<std::size_t>(1 + bit - '0')];
}

void AddressNotes::Clear() {
    for (Entry& entry : m_entries) {
        entry.fill(std::string{});
    }
}

}  // namespace rungpad
