#pragma once

#include "view/GridGeometry.h"

namespace rungpad {

class DiffMarks;
class LadPainter;

// The marks of a comparison in the line-number margin, left of the line numbers: a green bar
// beside an inserted line, an orange one beside a changed line, and a red rule under a line
// after which lines of the other program are missing (over the first line when they are
// missing before it).
class DiffMargin {
  public:
    static void Draw(LadPainter& p, const DiffMarks& marks, LineRange lines);
};

}  // namespace rungpad
