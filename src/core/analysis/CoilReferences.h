#pragma once

#include <span>
#include <vector>

#include "analysis/CoilReference.h"

namespace rungpad {

class LadProgram;

// Where the contacts of each coil are: for every write of an address in a program, the lines
// whose contacts read it. A bit written is read by contacts of that bit; a byte operand written
// by a box is read by contacts of every bit of the bytes it spans. Built afresh from a program;
// holds no reference to it.
class CoilReferences {
  public:
    // Cells are told apart as the cross-reference tells them (CrossReference::UseOfCell).
    static CoilReferences Build(const LadProgram& program);

    // Every write, ordered by line and column.
    const std::vector<CoilReference>& All() const { return m_coils; }
    // The writes on line, ordered by column; empty for a line without one.
    std::span<const CoilReference> OfLine(int line) const;

    friend bool operator==(const CoilReferences&, const CoilReferences&) = default;

  private:
    std::vector<CoilReference> m_coils;
};

}  // namespace rungpad
