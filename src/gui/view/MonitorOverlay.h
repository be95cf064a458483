#pragma once

#include <QString>
#include <vector>

#include "sim/GridEvaluator.h"
#include "view/GridGeometry.h"

class QFont;
class QPainter;

namespace rungpad {

struct LadLine;
class LadProgram;
class LogicalMapping;
class SignalMemory;

// The live state of a simulated program drawn over the diagram: wires, links and contacts that
// carry power in a distinct colour, closed contacts and coils that are on filled, and the current
// values of timers and counters in their boxes' lower row. The power comes from the grid
// evaluator; the values from the signal memory.
class MonitorOverlay {
  public:
    static void Draw(QPainter& painter, const LogicalMapping& mapping, const LadProgram& program,
                     const std::vector<LinePower>& power, const SignalMemory& memory,
                     LineRange lines);
    // The text a timer or counter box whose header is at column of line shows in its lower row
    // ("current/preset"); empty for other cells.
    static QString BoxValueText(const LadLine& line, int column, const SignalMemory& memory);
    // font, made smaller when needed so that text is at most width pixels wide.
    static QFont FittingFont(const QFont& font, const QString& text, int width);
};

}  // namespace rungpad
