#include "model/FixedText.h"

namespace rungpad {

std::size_t GbkFitLength(std::string_view bytes, std::size_t max) {
    std::size_t len = 0;
    while (len < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[len]);
        const bool twoByte = lead >= 0x81 && lead <= 0xFE && len + 1 < bytes.size();
        const std::size_t next = len + (twoByte ? 2 : 1);
        if (next > max) {
            break;
        }
        len = next;
    }
    return len;
}

}  // namespace rungpad
