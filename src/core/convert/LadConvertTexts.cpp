// The instruction text list and its two renderings.
#include <cstdio>

#include "convert/LadConvert.h"

namespace rungpad {

bool CLadConvert::AddText(std::string_view text, int line) {
    if (m_textCount >= kMaxTexts || text.size() > kMaxTextLength) {
        AddError(ConvertError::kConversion, 1004, m_textCount);
        return false;
    }
    TextSlot& slot = m_texts[static_cast<std::size_t>(m_textCount)];
    text.copy(slot.chars.data(), text.size());
    // The slot leaves room for the longest suffix ("  " and an 11-character line number).
    const int written =
        std::snprintf(slot.chars.data() + text.size(), slot.chars.size() - text.size(), "  %4lld",
                      static_cast<long long>(line) + 1);
    slot.length = static_cast<std::uint8_t>(text.size() + static_cast<std::size_t>(written));
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
