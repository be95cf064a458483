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
};

}  // namespace rungpad
