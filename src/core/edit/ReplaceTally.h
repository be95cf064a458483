#pragma once

#include <string>
#include <vector>

namespace rungpad {

// What one Replace or Replace All did: the cells it replaced and, for every cell it had to leave
// as it was, the line and the reason. Shown in the output window once the command is done, so
// that no refusal passes unseen.
class ReplaceTally {
  public:
    void Replaced() { ++m_replaced; }
    // line is 0-based; reason is the error code of the refused entry, or a short text.
    void Refused(int line, std::string reason);
    void Clear() { *this = ReplaceTally{}; }
    // Nothing was tried.
    bool Empty() const { return m_replaced == 0 && m_refused.empty(); }
    int ReplacedCount() const { return m_replaced; }
    // "2 replaced; line 0012: 1027; line 0015: 1027" (lines shown from 1).
    std::string Text() const;

  private:
    struct Refusal {
        int line = 0;
        std::string reason;
    };
    int m_replaced = 0;
    std::vector<Refusal> m_refused;
};

}  // namespace rungpad
