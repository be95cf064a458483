#include "convert/InstructionList.h"

#include <algorithm>

namespace rungpad {

namespace {

// "  %4d" of line + 1: two spaces, the number right-aligned in four places.
std::string LineSuffix(int line) {
    const long long shown = static_cast<long long>(line) + 1;
    std::string digits = std::to_string(shown);
    std::string suffix = "  ";
    if (digits.size() < 4) {
        suffix.append(4 - digits.size(), ' ');
    }
    return suffix + digits;
}

}  // namespace

InstructionList::InstructionList() = default;

InstructionList::Instruction& InstructionList::NextSlot() {
    const auto next = static_cast<std::size_t>(m_count);
    if (next == m_items.size()) {
        m_items.emplace_back();
    }
    return m_items[next];
}

InstructionList::Words InstructionList::SplitWords(std::string_view text) {
    Words words;
    std::size_t at = 0;
    const std::size_t size = std::min(text.size(), kMaxTextLength);
    while (words.count < kMaxWords) {
        while (at < size && text[at] == ' ') {
            ++at;
        }
        if (at == size) {
            break;
        }
        const std::size_t start = at;
        while (at < size && text[at] != ' ') {
            words.lowerCase |= text[at] >= 'a' && text[at] <= 'z';
            ++at;
        }
        const auto word = static_cast<std::size_t>(words.count++);
        words.at[word] = static_cast<std::uint8_t>(start);
        words.length[word] = static_cast<std::uint8_t>(at - start);
    }
    return words;
}

bool InstructionList::Add(std::string_view text, int line) {
    return Store(text, line, SplitWords(text));
}

bool InstructionList::AddInstruction(std::string_view mnemonic, std::size_t operandColumn,
                                     std::string_view operand, int line) {
    const std::size_t column = std::max(mnemonic.size(), operandColumn);
    // An operand that is one upper-case word gives the words directly.
    const bool plainOperand = std::none_of(
        operand.begin(), operand.end(), [](char c) { return c == ' ' || (c >= 'a' && c <= 'z'); });
    // A mnemonic that reaches the operand's column would run into it: one word, found by a split.
    const bool separate = operand.empty() || mnemonic.size() < operandColumn;
    if (mnemonic.empty() || !plainOperand || !separate) {
        std::string text(mnemonic);
        text.resize(column, ' ');
        return Add(text.append(operand), line);
    }
    if (m_count >= kMaxCount || column + operand.size() > kMaxTextLength) {
        return false;
    }
    Instruction& item = NextSlot();
    ++m_count;
    // Most mnemonics pad to the usual column: one fixed-size copy of spaces covers them.
    static constexpr std::array<char, 16> kSpaces = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                                     ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    if (column <= kSpaces.size()) {
        std::copy(kSpaces.begin(), kSpaces.end(), item.chars.begin());
    } else {
        std::fill(item.chars.begin(), item.chars.begin() + static_cast<std::ptrdiff_t>(column),
                  ' ');
    }
    mnemonic.copy(item.chars.data(), mnemonic.size());
    operand.copy(item.chars.data() + column, operand.size());
    item.length = static_cast<std::uint8_t>(column + operand.size());
    item.line = line;
    Words& words = item.words;
    words.at[0] = 0;
    words.length[0] = static_cast<std::uint8_t>(mnemonic.size());
    words.at[1] = static_cast<std::uint8_t>(column);
    words.length[1] = static_cast<std::uint8_t>(operand.size());
    words.count = operand.empty() ? 1 : 2;
    words.lowerCase = false;
    return true;
}

bool InstructionList::Store(std::string_view text, int line, const Words& words) {
    if (m_count >= kMaxCount || text.size() > kMaxTextLength) {
        return false;
    }
    Instruction& item = NextSlot();
    text.copy(item.chars.data(), text.size());
    item.length = static_cast<std::uint8_t>(text.size());
    item.line = line;
    item.words = words;
    ++m_count;
    return true;
}

std::string_view InstructionList::TextAt(int i) const {
    if (i < 0 || i >= m_count) {
        return {};
    }
    const Instruction& item = m_items[static_cast<std::size_t>(i)];
    return {item.chars.data(), item.length};
}

const InstructionList::Words& InstructionList::WordsAt(int i) const {
    static const Words kNone{};
    return i >= 0 && i < m_count ? m_items[static_cast<std::size_t>(i)].words : kNone;
}

int InstructionList::LineAt(int i) const {
    return i >= 0 && i < m_count ? m_items[static_cast<std::size_t>(i)].line : -1;
}

std::string InstructionList::EntryAt(int i) const {
    if (i < 0 || i >= m_count) {
        return {};
    }
    return std::string(TextAt(i)) + LineSuffix(LineAt(i));
}

std::string InstructionList::RenderWindow() const {
    std::string window;
    for (int i = 0; i < m_count; ++i) {
        const std::string entry = EntryAt(i);
        window.append(entry, 0, entry.size() > 6 ? entry.size() - 6 : 0);
        window.append("\r\n");
    }
    return window;
}

std::string InstructionList::WriteListFile() const {
    std::string file;
    for (int i = 0; i < m_count; ++i) {
        const std::string entry = EntryAt(i);
        const std::size_t space = entry.rfind(' ');
        file.append(entry, 0, space == std::string::npos ? entry.size() : space);
        file.append("\r\n");
    }
    return file;
}

}  // namespace rungpad
