#include "analysis/XrefAddress.h"

#include <cctype>
#include <cstdio>

#include "model/PlcAddress.h"

namespace rungpad {

XrefAddress XrefAddress::Parse(std::string_view text) {
    XrefAddress address;
    std::size_t i = 0;
    while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) != 0) {
        address.type.push_back(
            static_cast<char>(std::toupper(static_cast<unsigned char>(text[i]))));
        ++i;
    }
    address.byte = PlcAddress::LeadingNumber(text.substr(i), 5);
    const std::size_t dot = text.find('.', i);
    if (dot != std::string_view::npos && dot + 1 < text.size() &&
        std::isdigit(static_cast<unsigned char>(text[dot + 1])) != 0) {
        address.bit = text[dot + 1] - '0';
    }
    return address;
}

std::string XrefAddress::Text() const {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", byte);
    std::string text = type + number;
    if (IsBit()) {
        text += '.';
        text += static_cast<char>('0' + bit);
    }
    return text;
}

}  // namespace rungpad
