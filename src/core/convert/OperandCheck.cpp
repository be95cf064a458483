#include "convert/OperandCheck.h"

#include "model/ParameterRules.h"
#include "model/PlcAddress.h"

namespace rungpad {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

// Only the stored form is accepted ("X012.3": a capital letter, three digits, the bit 0-7): a
// lower-case letter or an unpadded byte number would be encoded differently from what the list
// shows. The byte must lie inside its letter's range.
ErrorCode OperandCheck::BitAddressError(std::string_view text) {
    const bool storedForm = text.size() == 6 && !(text[0] >= 'a' && text[0] <= 'z') &&
                            IsDigit(text[1]) && IsDigit(text[2]) && IsDigit(text[3]) &&
                            text[4] == '.' && text[5] >= '0' && text[5] <= '7';
    if (!storedForm) {
        return ErrorCode::kAddressData;
    }
    const int byte = (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
    return PlcAddress::CheckByteRange(text[0], byte) ? ErrorCode::kNone : ErrorCode::kAddressData;
}

ErrorCode OperandCheck::ParameterError(std::uint16_t code, int column, std::string_view text,
                                       const LadLine& line) {
    if (text.empty() || IsDigit(text[0])) {
        return ErrorCode::kNone;
    }
    return ParameterRules::Validate(code, column, text, line).Error();
}

}  // namespace rungpad
