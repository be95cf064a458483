#pragma once

#include <algorithm>
#include <cstdint>

#include "model/LadLine.h"
#include "model/LadProgram.h"

namespace rungpad {

// The converter's reading of the ladder grid. Every access is clamped: a line outside the program
// reads as its nearest line, a column outside 0-7 as an empty cell, so no input makes the
// translation read outside the program.
class LadderGrid {
  public:
    explicit LadderGrid(LadProgram* program = nullptr) : m_program(program) {}

    // The program read; not owned. The converter also writes its header words through it.
    void SetProgram(LadProgram* program) { m_program = program; }
    LadProgram* Program() const { return m_program; }

    // The last line's index; -1 without a program or lines.
    int LastLine() const { return m_program ? m_program->LineCount() - 1 : -1; }
    bool IsLineInProgram(int line) const { return line >= 0 && line <= LastLine(); }
    // The line at index, clamped into the program; an empty line when the program has none.
    const LadLine& GetLine(int index) const {
        return LastLine() < 0 ? m_emptyLine : m_program->Line(std::clamp(index, 0, LastLine()));
    }
    const LadCell& CellAt(int line, int column) const {
        return column < 0 || column >= LadLine::kColumns ? m_emptyCell : GetLine(line).Cell(column);
    }
    bool HasLinkAt(int line, int column) const {
        return IsLineInProgram(line) && CellAt(line, column).HasLink();
    }

    // The catalogue code of the first box cell in columns 0-6 of line (its column through
    // column), or 0.
    std::uint16_t FindFunction(int line, int& column) const;
    // 1 + the greatest column c, from <= c < to, with a vertical link on line; 0 if none or if
    // line is outside the program.
    int LastVerticalLink(int line, int from, int to) const;
    bool HasEmptyCell(int line, int from, int to) const;
    // True outside the program or when columns from..to hold only empty cells and horizontal
    // lines.
    bool IsBlankLine(int line, int from, int to) const;

  private:
    LadProgram* m_program = nullptr;
    LadLine m_emptyLine{};
    LadCell m_emptyCell{};
};

}  // namespace rungpad
