// The instruction texts the translation adds.
#include "convert/LadConvert.h"

namespace rungpad {

bool CLadConvert::AddText(std::string_view text, int line) {
    if (!m_list.Add(text, line)) {
        AddError(ConvertError::kConversion, ErrorCode::kListFull, m_list.Count());
        return false;
    }
    return true;
}

}  // namespace rungpad
