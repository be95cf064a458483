#include "convert/ConvertErrorList.h"

namespace rungpad {

void ConvertErrorList::Add(int kind, int code, int line) {
    if (m_count >= kMaxCount) {
        return;
    }
    ConvertError& error = m_errors[static_cast<std::size_t>(m_count)];
    error.kind = static_cast<std::uint8_t>(kind);
    error.code = static_cast<std::uint16_t>(code);
    error.line = line;
    ++m_count;
}

const ConvertError& ConvertErrorList::At(int i) const {
    static constexpr ConvertError kNone{};
    return i >= 0 && i < m_count ? m_errors[static_cast<std::size_t>(i)] : kNone;
}

void ConvertErrorList::SetLastLine(int line) {
    if (m_count > 0) {
        m_errors[static_cast<std::size_t>(m_count - 1)].line = line;
    }
}

std::string ConvertErrorList::FormatLast(const Language language) const {
    if (m_count == 0) {
        return {};
    }
    const ConvertError& last = At(m_count - 1);
    return ConvertError::FormatReport(last.line, last.code, language);
}

}  // namespace rungpad
