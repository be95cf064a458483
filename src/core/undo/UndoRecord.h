#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/LadCell.h"
#include "model/LadProgram.h"

namespace rungpad {

// One slot of the undo ring: what an editing step is about to change, and where.
struct UndoRecord {
    // Stored kind values.
    enum Kind : std::uint16_t {
        kUnused = 0,
        UNDO_CELL = 1,
        UNDO_DELETE_LINES = 2,
        UNDO_INSERT_LINES = 3,
        UNDO_REPLACE_LINES = 4,
        UNDO_LINE_NOTE = 5,
        UNDO_ADDRESS_NOTE = 6,
    };

    Kind kind = kUnused;
    std::uint16_t lineCount = 0;      // whole lines saved (delete and replace)
    std::uint16_t insertedCount = 0;  // lines the step inserted (insert and replace)
    int column = 0;
    int line = 0;
    std::vector<NoteText> notes;  // line notes of the saved lines, or the one line note
    std::string text;             // the old address note
    std::vector<LadCell> cells;   // one cell, or eight per saved line

    // Drops the snapshot, keeping the slot's position fields for the next writer.
    void ReleaseSnapshot() {
        notes.clear();
        text.clear();
        cells.clear();
    }
};

}  // namespace rungpad
