#pragma once

#include <string>
#include <string_view>

namespace rungpad {

// The one GBK helper of core: user texts are GBK bytes in the model and in files, UTF-8 at every
// host interface. Bytes that cannot be converted become '?' so a damaged text never stops a caller.
class TextCodec {
  public:
    static std::string GbkToUtf8(std::string_view gbk);
    static std::string Utf8ToGbk(std::string_view utf8);
    // The GBK bytes of a UTF-8 text when every character has one; false otherwise (for input
    // that must not change silently).
    static bool Utf8ToGbkExactly(std::string_view utf8, std::string& gbk);
};

}  // namespace rungpad
