// The instruction text list and its two renderings.
#include "convert/LadConvert.h"

namespace rungpad {

namespace {

// Writes "  %4d" of line + 1 at out (two spaces, the number right-aligned in four places) and
// returns its length, at most 13.
std::size_t WriteLineSuffix(char* out, int line) {
    const long long shown = static_cast<long long>(line) + 1;
    unsigned long long magnitude = shown < 0 ? 0ull - static_cast<unsigned long long>(shown)
                                             : static_cast<unsigned long long>(shown);
    char digits[24];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (shown < 0) {
        digits[count++] = '-';
    }
    std::size_t length = 0;
    out[length++] = ' ';
    out[length++] = ' ';
    for (std::size_t pad = count; pad < 4; ++pad) {
        out[length++] = ' ';
    }
    while (count > 0) {
        out[length++] = digits[--count];
    }
    return length;
}

}  // namespace

bool CLadConvert::AddText(std::string_view text, int line) {
    if (m_textCount >= kMaxTexts || text.size() > kMaxTextLength) {
        AddError(ConvertError::kConversion, 1004, m_textCount);
        return false;
    }
    TextSlot& slot = m_texts[static_cast<std::size_t>(m_textCount)];
    text.copy(slot.chars.data(), text.size());
    // The slot leaves room for the longest suffix ("  " and an 11-character line number).
    const std::size_t suffix = WriteLineSuffix(slot.chars.data() + text.size(), line);
    slot.length = static_cast<std::uint8_t>(text.size() + suffix);
    slot.line = line;
    ++m_textCount;
    return true;
}

std::string_view CLadConvert::TextAt(int i) const {
    if (i < 0 || i >= m_textCount) {
        return {};
    }
    const TextSlot& slot = m_texts[static_cast<std::size_t>(i)];
    return {slot.chars.data(), slot.length};
}

int CLadConvert::TextLineAt(int i) const {
    return i >= 0 && i < m_textCount ? m_texts[static_cast<std::size_t>(i)].line : -1;
}

std::string CLadConvert::RenderWindow() const {
    std::string window;
    for (int i = 0; i < m_textCount; ++i) {
        const std::string_view entry = TextAt(i);
        window.append(entry.substr(0, entry.size() > 6 ? entry.size() - 6 : 0));
        window.append("\r\n");
    }
    return window;
}

std::string CLadConvert::WriteListFile() const {
    std::string file;
    for (int i = 0; i < m_textCount; ++i) {
        const std::string_view entry = TextAt(i);
        const std::size_t space = entry.rfind(' ');
        file.append(entry.substr(0, space == std::string_view::npos ? entry.size() : space));
        file.append("\r\n");
    }
    return file;
}

}  // namespace rungpad
