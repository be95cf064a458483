#include "model/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace rungpad {

namespace {

// Converts in; a sequence that cannot be converted becomes '?' and counts in *failures.
std::string Convert(std::string_view in, const char* to, const char* from,
                    std::size_t* failures = nullptr) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::string(in);
    }
    std::string out;
    std::vector<char> buffer(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), dst - buffer.data());
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: mark it and go on with the next byte.
            out.push_back('?');
            if (failures) {
                ++*failures;
            }
            ++src;
            --srcLeft;
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string TextCodec::GbkToUtf8(std::string_view gbk) {
    return Convert(gbk, "UTF-8", "GBK");
}

std::string TextCodec::Utf8ToGbk(std::string_view utf8) {
    return Convert(utf8, "GBK", "UTF-8");
}

bool TextCodec::Utf8ToGbkExactly(std::string_view utf8, std::string& gbk) {
    std::size_t failures = 0;
    gbk = Convert(utf8, "GBK", "UTF-8", &failures);
    return failures == 0;
}

}  // namespace rungpad
