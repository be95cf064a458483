#include "convert/InstructionList.h"

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

InstructionList::InstructionList() : m_items(static_cast<std::size_t>(kMaxCount)) {}

bool InstructionList::Add(std::string_view text, int line) {
    if (m_count >= kMaxCount || text.size() > kMaxTextLength) {
        return false;
    }
    Instruction& item = m_items[static_cast<std::size_t>(m_count)];
    text.copy(item.chars.data(), text.size());
    item.length = static_cast<std::uint8_t>(text.size());
    item.line = line;
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
