#pragma once

#include <vector>

#include "analysis/ReviewFinding.h"
#include "analysis/XrefUse.h"

namespace rungpad {

class LadProgram;

// The review of a program's address uses: addresses written in more than one place (SET and RST
// of one address alone are the usual latch and pass), R and K relays read but never written or
// written but never read, timer and counter numbers held twice, and constants wider than the data
// length of their box (a run uses their low bytes only). Inputs (X, F) are never written
// by a program and outputs (Y, G) are normally never read, so neither is questioned.
class ReviewFindings {
  public:
    // uses are the program's cross-reference uses; findings come ordered by kind, then address.
    static std::vector<ReviewFinding> Find(const LadProgram& program,
                                           const std::vector<XrefUse>& uses);
    // The constants of program too wide for their box's data length, one finding per value and
    // length, places in program order.
    static std::vector<ReviewFinding> WideConstants(const LadProgram& program);
};

}  // namespace rungpad
