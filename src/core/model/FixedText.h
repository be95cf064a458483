#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace rungpad {

// Length of the longest prefix of a GBK byte string that fits in max bytes without cutting a
// two-byte character in half.
std::size_t GbkFitLength(std::string_view bytes, std::size_t max);

// A text in a fixed-width byte field, as the ladder files hold it: the bytes, then NULs up to the
// field's end; a text that fills the field has no terminator. Bytes are kept as they are (GBK).
template <std::size_t N>
class FixedText {
  public:
    static constexpr std::size_t kSize = N;

    FixedText() { m_bytes.fill('\0'); }
    explicit FixedText(std::string_view text) { Assign(text); }

    // The text: the bytes up to the first NUL, at most N.
    std::string_view View() const {
        std::size_t len = 0;  // fields are short: a plain scan beats a library call
        while (len < N && m_bytes[len] != '\0') {
            ++len;
        }
        return {m_bytes.data(), len};
    }
    std::string Str() const { return std::string(View()); }
    bool Empty() const { return m_bytes[0] == '\0'; }
    std::size_t Length() const { return View().size(); }

    // Stores at most max (default N) bytes of text, never half a GBK character, NUL padded.
    void Assign(std::string_view text, std::size_t max = N) {
        const std::size_t len = GbkFitLength(text, max < N ? max : N);
        m_bytes.fill('\0');
        if (len > 0) {  // an empty view may carry a null pointer, which memcpy must not get
            std::memcpy(m_bytes.data(), text.data(), len);
        }
    }
    // Takes a whole field as it stands in a file.
    void AssignRaw(const char* field) { std::memcpy(m_bytes.data(), field, N); }
    void Clear() { m_bytes.fill('\0'); }

    // The whole field, N bytes, as it is written to a file.
    const std::array<char, N>& Field() const { return m_bytes; }

    friend bool operator==(const FixedText& a, const FixedText& b) {
        return a.m_bytes == b.m_bytes;
    }

  private:
    std::array<char, N> m_bytes;
};

}  // namespace rungpad
