#pragma once

#include <QString>

#include "model/LadLine.h"
#include "view/GridGeometry.h"

namespace rungpad {

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
    // noteX: where the note begins (further right while the coil references show).
    static void DrawLineNote(LadPainter& p, const LadProgram& program, int line,
                             int noteX = GridGeometry::kNoteX);
    static void DrawRails(LadPainter& p, int lineCount);

    // Draws the rails and the lines of wanted (clipped to the program) and returns the lines it
    // drew. A COD table's lines show only the note of their last line. Draws nothing for a program
    // of no lines or more lines than a program can hold.
    static LineRange DrawView(LadPainter& p, const LadProgram& program, LineRange wanted,
                              int noteX = GridGeometry::kNoteX);

    // For a device that cannot invert pixels, where DrawCell leaves highlights out: paints each
    // highlighted cell of lines black and draws in white all that reaches into it (the cells of
    // its own and the neighbouring lines, and what drawFixed draws: rails, borders).
    template <typename DrawFixed>
    static void DrawHighlightInk(LadPainter& p, const LadProgram& program, LineRange lines,
                                 bool forPrint, DrawFixed drawFixed);

    static QString LineNumberText(int line);

  private:
    static void DrawElement(LadPainter& p, const LadCell& cell, int x, int t);
    static void DrawBoxCell(LadPainter& p, const LadCell& cell, int x, int t);
    static int TableRunStart(const LadProgram& program, int line);
    static LogicalRect HighlightRect(int column, int line, bool forPrint);
    static bool IsHighlighted(const LadProgram& program, int column, int line);
    static void BeginHighlightInk(LadPainter& p, const LogicalRect& rect);
    static void EndHighlightInk(LadPainter& p);
};

template <typename DrawFixed>
void LadRenderer::DrawHighlightInk(LadPainter& p, const LadProgram& program, LineRange lines,
                                   bool forPrint, DrawFixed drawFixed) {
    for (int line = lines.first; line <= lines.last; ++line) {
        for (int column = 0; column < LadLine::kColumns; ++column) {
            if (!IsHighlighted(program, column, line)) {
                continue;
            }
            BeginHighlightInk(p, HighlightRect(column, line, forPrint));
            drawFixed();
            const int from = line > lines.first ? line - 1 : line;
            const int to = line < lines.last ? line + 1 : line;
            for (int near = from; near <= to; ++near) {
                DrawLineCells(p, program, near, forPrint);
            }
            EndHighlightInk(p);
        }
    }
}

}  // namespace rungpad
