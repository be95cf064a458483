#pragma once

#include <vector>

#include "model/LadCell.h"
#include "model/LadProgram.h"

namespace rungpad {

// The editor's own cut and paste buffer: one cell or whole lines with their notes. One instance
// serves every view and document of the running program; the application owns it and hands it
// to each editor. The desktop clipboard is never used.
class LadClipboard {
  public:
    static constexpr int kEmpty = -1;
    static constexpr int kOneCell = 0;

    // -1: empty; 0: one cell; n of 1 or more: n whole lines.
    int Count() const { return m_count; }
    bool HoldsCells() const { return !m_cells.empty(); }

    // Drops the held notes and cells; the count stays as it was.
    void Release() {
        m_notes.clear();
        m_cells.clear();
    }
    // Back to the state at program start.
    void Empty() {
        Release();
        m_count = kEmpty;
    }
    // Holds one cell, every field kept.
    void SetCell(const LadCell& cell) {
        Release();
        m_cells.push_back(cell);
        m_count = kOneCell;
    }
    // Holds whole lines: one note and eight cells per line, line by line.
    void SetLines(std::vector<NoteText> notes, std::vector<LadCell> cells) {
        m_count = static_cast<int>(notes.size());
        m_notes = std::move(notes);
        m_cells = std::move(cells);
    }

    const std::vector<NoteText>& Notes() const { return m_notes; }
    const std::vector<LadCell>& Cells() const { return m_cells; }

  private:
    int m_count = kEmpty;
    std::vector<NoteText> m_notes;
    std::vector<LadCell> m_cells;
};

}  // namespace rungpad
