#include "convert/OperandCheck.h"

#include <string>

#include "convert/ConvertError.h"
#include "model/ParameterRules.h"
#include "model/PlcAddress.h"

namespace rungpad {

namespace {

constexpr int kMalformed = static_cast<int>(ErrorCode::kAddressData);
constexpr int kOutOfRange = static_cast<int>(ErrorCode::kUndefinedSymbol);

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

int OperandCheck::BitAddressError(std::string_view text) {
    std::string normalised(text);
    // Only the stored form is accepted: a lower-case letter or an unpadded byte number would be
    // encoded differently from what the list shows.
    if (PlcAddress::ParseBitAddress(normalised) < 0 || normalised != text) {
        return kMalformed;
    }
    return 0;
}

int OperandCheck::ParameterError(std::uint16_t code, int column, std::string_view text,
                                 const LadLine& line) {
    if (text.empty() || IsDigit(text[0])) {
        return 0;
    }
    const ParameterVerdict verdict = ParameterRules::Validate(code, column, text, line);
    if (verdict.Accepted()) {
        return 0;
    }
    return verdict.value == ParameterVerdict::kMalformed ? kMalformed : kOutOfRange;
}

}  // namespace rungpad
