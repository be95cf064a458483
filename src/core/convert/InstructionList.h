#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rungpad {

// The converter's instruction list: each instruction's text and, beside it as data, the ladder line
// it came from. The line is formatted only when an entry is shown or written.
class InstructionList {
  public:
    static constexpr int kMaxCount = 4000;
    static constexpr std::size_t kMaxTextLength = 49;  // longest instruction text accepted

    InstructionList();

    // Appends text of line; false (nothing added) when the list is full or the text too long.
    bool Add(std::string_view text, int line);
    void Clear() { m_count = 0; }
    int Count() const { return m_count; }

    // Instruction i's text, and its 0-based ladder line; empty and -1 outside the list.
    std::string_view TextAt(int i) const;
    int LineAt(int i) const;
    // Instruction i as stored: its text and the line suffix ("  %4d" of line + 1); empty
    // outside the list.
    std::string EntryAt(int i) const;

    // The instruction window: each entry without its last 6 characters, CR LF after each.
    std::string RenderWindow() const;
    // The instruction list file: each entry cut at its last space, CR LF after each.
    std::string WriteListFile() const;

  private:
    struct Instruction {
        std::array<char, kMaxTextLength> chars{};
        std::uint8_t length = 0;
        int line = 0;
    };

    std::vector<Instruction> m_items;
    int m_count = 0;
};

}  // namespace rungpad
