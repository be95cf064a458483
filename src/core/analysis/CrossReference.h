#pragma once

#include <string_view>
#include <vector>

#include "analysis/ReviewFinding.h"
#include "analysis/XrefUse.h"

namespace rungpad {

class AddressNotes;
class LadProgram;
struct LadCell;

// Every address a ladder program names, with each of its uses, and what a reviewer would
// question about them. Built afresh from a program; holds no reference to it.
class CrossReference {
  public:
    // The uses of program, ordered by address (type, byte, bit; a byte before its bits), then by
    // line and column; notes, when given, supplies each bit address's note.
    static CrossReference Build(const LadProgram& program, const AddressNotes* notes = nullptr);
    // The uses of program in program order (line, then column), without ordering or review.
    static std::vector<XrefUse> CollectUses(const LadProgram& program,
                                            const AddressNotes* notes = nullptr);
    // Whether cell names an address, and then how it uses it (kind, access, and the box and
    // parameter of a parameter); the address, place and note are left to the caller.
    static bool UseOfCell(const LadCell& cell, XrefUse& use);

    const std::vector<XrefUse>& Uses() const { return m_uses; }
    const std::vector<ReviewFinding>& Findings() const { return m_findings; }

  private:
    std::vector<XrefUse> m_uses;
    std::vector<ReviewFinding> m_findings;
};

}  // namespace rungpad
