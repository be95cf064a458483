#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rungpad {

// The converter's instruction list: each instruction's text and, beside it as data, the ladder line
// it came from and where its words lie (the mnemonic, then the operands). The line is formatted
// only when an entry is shown or written; the step list reads the words without parsing the text.
class InstructionList {
  public:
    static constexpr int kMaxCount = 4000;
    static constexpr std::size_t kMaxTextLength = 49;  // longest instruction text accepted

    static constexpr int kMaxWords = 12;

    // Where an instruction's words lie in its text: what lies between runs of spaces, at most
    // kMaxWords of them.
    struct Words {
        std::array<std::uint8_t, kMaxWords> at{};
        std::array<std::uint8_t, kMaxWords> length{};
        int count = 0;
        bool lowerCase = false;  // a word holds a lower-case letter
    };
    static Words SplitWords(std::string_view text);

    InstructionList();

    // Appends text of line; false (nothing added) when the list is full or the text too long.
    bool Add(std::string_view text, int line);
    // Appends "mnemonic, padded with spaces to operandColumn, operand" (a mnemonic of upper-case
    // letters and dots); its words are known without splitting the text.
    bool AddInstruction(std::string_view mnemonic, std::size_t operandColumn,
                        std::string_view operand, int line);
    void Clear() { m_count = 0; }
    int Count() const { return m_count; }

    // Instruction i's text, and its 0-based ladder line; empty and -1 outside the list.
    std::string_view TextAt(int i) const;
    int LineAt(int i) const;
    // Instruction i's words; none outside the list.
    const Words& WordsAt(int i) const;
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
        Words words;
    };

    bool Store(std::string_view text, int line, const Words& words);
    // The slot of the next instruction; the list grows as it is first filled, so a document
    // that is never converted keeps no room for 4000 instructions.
    Instruction& NextSlot();

    std::vector<Instruction> m_items;
    int m_count = 0;
};

}  // namespace rungpad
