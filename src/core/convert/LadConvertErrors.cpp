// The converter's error list and its report line.
#include "convert/LadConvert.h"

namespace rungpad {

void CLadConvert::AddError(int kind, int code, int line) {
    if (m_errorCount >= kMaxErrors) {
        return;
    }
    ConvertError& error = m_errors[m_errorCount];
    error.kind = static_cast<std::uint8_t>(kind);
    error.code = static_cast<std::uint16_t>(code);
    error.line = line;
    ++m_errorCount;
}

const ConvertError& CLadConvert::ErrorAt(int i) const {
    static constexpr ConvertError kNone{};
    return i >= 0 && i < m_errorCount ? m_errors[static_cast<std::size_t>(i)] : kNone;
}

std::string CLadConvert::FormatLastError() const {
    if (m_errorCount == 0) {
        return {};
    }
    const ConvertError& last = m_errors[m_errorCount - 1];
    return ConvertError::FormatReport(last.line, last.code);
}

}  // namespace rungpad
