#pragma once

#include <array>
#include <vector>

namespace rungpad {

class LadProgram;
class SignalMemory;

// Power at one cell: at its left edge, at its right edge (after the vertical links there), and
// whether the element itself conducts (a closed contact, a horizontal line, a coil that is on).
struct CellPower {
    bool left = false;
    bool right = false;
    bool closed = false;
};

using LinePower = std::array<CellPower, 8>;

// Evaluates the diagram directly from the grid, as it is drawn: power enters every line from the
// left rail and flows left to right through horizontal lines and closed contacts; a vertical link
// joins the right edges of its cell and the cell below. Independent of the converter, so it is the
// scan engine's oracle, and the monitor draws from it.
class GridEvaluator {
  public:
    // Power of every cell of program with the signals as memory holds them. Cells right of a
    // function box show the box's output as its coil holds it.
    static std::vector<LinePower> Evaluate(const LadProgram& program, const SignalMemory& memory);

    // Runs the networks of contacts and coils in program order as one scan does: each network
    // is evaluated, then its coils are written. Networks holding a function box are skipped.
    static void RunCoilNetworks(const LadProgram& program, SignalMemory& memory);
};

}  // namespace rungpad
