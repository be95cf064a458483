#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rungpad {

// The notes of PLC bit addresses: 848 byte entries (X 0-63, Y 0-47, A 0-31, F 0-63, G 0-63,
// K 0-63, R 0-511), each with a byte note and the notes of bits 0 to 7. Texts are GBK bytes.
class AddressNotes {
  public:
    static constexpr int kEntryCount = 848;
    static constexpr int kByteNote = 0;  // text index of the byte note; bit b is at 1 + b

    using Entry = std::array<std::string, 9>;

    AddressNotes();

    // The entry index of a byte address, or -1 when the letter has no notes or the byte is out of
    // its range.
    static int EntryIndex(char letter, int byte);
    // The bit note slot for a bit address text of the form letter, three digits, '.', bit 0-7
    // (R511.7); nullptr when the text does not name a noteable bit.
    std::string* FindBitNote(std::string_view address);
    const std::string* FindBitNote(std::string_view address) const;

    // Entry by index; throws std::out_of_range outside 0 .. 847.
    Entry& At(int index) { return Entries().at(static_cast<std::size_t>(index)); }
    const Entry& At(int index) const;

    // The letter and byte number of an entry index (inverse of EntryIndex).
    static void EntryAddress(int index, char& letter, int& byte);
    void Clear();

    // Calls visit(letter, byte, slot, text) for every non-empty note, in entry order and the
    // byte note (slot 0) before the bits (slot 1 + bit).
    template <typename Visit>
    void ForEachNote(Visit visit) const {
        for (int index = 0; index < kEntryCount; ++index) {
            char letter = 0;
            int byte = 0;
            EntryAddress(index, letter, byte);
            const Entry& entry = At(index);
            for (std::size_t slot = 0; slot < entry.size(); ++slot) {
                if (!entry[slot].empty()) {
                    visit(letter, byte, slot, entry[slot]);
                }
            }
        }
    }

    friend bool operator==(const AddressNotes& a, const AddressNotes& b);

  private:
    // Most documents note few addresses or none: the table is made on the first write.
    std::vector<Entry>& Entries();

    std::vector<Entry> m_entries;
};

}  // namespace rungpad
