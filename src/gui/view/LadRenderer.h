#pragma once

#include <QString>

#include "view/GridGeometry.h"

namespace rungpad {

struct LadCell;
class LadPainter;
class LadProgram;

// Draws the ladder grid: one cell, a line's number and note, the rails, and the lines of a
// program that a paint request asks for. Screen and paper use the same cell drawing; on paper a
// line sits on row line mod 25 of its page.
class LadRenderer {
  public:
    static void DrawCell(LadPainter& p, const LadCell& cell, int column, int line, bool forPrint);
    static void DrawLineCells(LadPainter& p, const LadProgram& program, int line, bool forPrint);
    static void DrawLineNumber(LadPainter& p, int line, bool forPrint);
    static void DrawLineNote(LadPainter& p, const LadProgram& program, int line);
    static void DrawRails(LadPainter& p, int lineCount);

    // Draws the rails and the lines of wanted (clipped to the program) and returns the lines it
    // drew. A COD table's lines show only the note of their last line. Draws nothing for a program
    // of no lines or more lines than a program can hold.
    static LineRange DrawView(LadPainter& p, const LadProgram& program, LineRange wanted);

    static QString LineNumberText(int line);

  private:
    static void DrawElement(LadPainter& p, const LadCell& cell, int x, int t);
    static void DrawBoxCell(LadPainter& p, const LadCell& cell, int x, int t);
    static int TableRunStart(const LadProgram& program, int line);
};

}  // namespace rungpad
