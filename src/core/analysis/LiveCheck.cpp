#include "analysis/LiveCheck.h"

#include <algorithm>

namespace rungpad {

const CLiveCheck::Result& CLiveCheck::Check(const LadProgram& program) {
    m_copy = program;
    m_copy.SetMessageBox(nullptr);
    m_convert.ClearErrors();
    const bool converts = m_convert.Convert() == CLadConvert::kConvertSucceeded;
    m_result = Result{};
    if (!converts && m_convert.ErrorCount() > 0) {
        const ConvertError& error = m_convert.ErrorAt(m_convert.ErrorCount() - 1);
        m_result.converts = false;
        // 1004 counts texts, not lines: the marker still stays on the program.
        m_result.line =
            std::clamp(static_cast<int>(error.line), 0, std::max(program.LineCount() - 1, 0));
        m_result.message = m_convert.ShownLastError();
    }
    return m_result;
}

}  // namespace rungpad
