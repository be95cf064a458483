#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "convert/ConvertError.h"

namespace rungpad {

// The errors of the last conversion or entry check, at most 100; further ones are dropped.
class ConvertErrorList {
  public:
    static constexpr int kMaxCount = 100;

    void Add(int kind, ErrorCode code, int line) { Add(kind, static_cast<int>(code), line); }
    void Add(int kind, int code, int line);
    int Count() const { return m_count; }
    bool Empty() const { return m_count == 0; }
    // Entry i; an empty entry outside the list.
    const ConvertError& At(int i) const;
    void Clear() { m_count = 0; }
    // Moves the last error to line (a step builder error belongs to its instruction's line).
    void SetLastLine(int line);
    // "梯图第%04d行  错误代号 " with the last error's line + 1, followed by its message; empty
    // when the list is empty. UTF-8.
    std::string FormatLast() const { return FormatLast(Language::Original); }
    std::string FormatLast(Language language) const;

  private:
    std::array<ConvertError, kMaxCount> m_errors{};
    int m_count = 0;
};

}  // namespace rungpad
