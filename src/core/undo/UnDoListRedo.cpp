// Redo: each undone record keeps, beside it, what its undo replaced; a redo puts that back and
// makes the record undoable again.
#include <algorithm>

#include "model/LadProgram.h"
#include "undo/AddressNoteTarget.h"
#include "undo/NumberParameters.h"
#include "undo/UnDoList.h"

namespace rungpad {

GridPos CUnDoList::Redo(int& lineCount) {
    if (m_redoCount == 0 || !m_program) {
        return {};
    }
    const UndoRecord& record = m_slots[static_cast<std::size_t>(m_head)];
    RedoSnapshot& snapshot = m_redo[static_cast<std::size_t>(m_head)];
    int restored = 0;
    switch (record.kind) {
        case UndoRecord::UNDO_CELL:
            if (m_program->IsValidLine(record.line) && !snapshot.cells.empty()) {
                ReplaceCell(record.column, record.line, snapshot.cells.front());
            }
            break;
        case UndoRecord::UNDO_DELETE_LINES:
        case UndoRecord::UNDO_INSERT_LINES:
        case UndoRecord::UNDO_REPLACE_LINES:
            restored = RedoLines(record, snapshot);
            break;
        case UndoRecord::UNDO_LINE_NOTE:
            if (!snapshot.notes.empty()) {
                m_program->Note(record.line) = snapshot.notes.front();
            }
            break;
        case UndoRecord::UNDO_ADDRESS_NOTE:
            if (m_notes) {
                m_notes->RestoreAddressNote(record.column, record.line, snapshot.text);
            }
            break;
        default:
            break;
    }
    snapshot.Release();
    --m_redoCount;
    ++m_count;
    m_head = (m_head + 1) % kSlots;
    lineCount = restored;
    return {record.column, record.line};
}

void CUnDoList::DiscardRedo() {
    for (int i = 0; i < m_redoCount; ++i) {
        const auto index = static_cast<std::size_t>((m_head + i) % kSlots);
        m_redo[index].Release();
        m_slots[index].ReleaseSnapshot();
    }
    m_redoCount = 0;
}

// Takes away the lines the undo put back, then inserts the lines it took away. Returns the lines
// inserted.
int CUnDoList::RedoLines(const UndoRecord& record, const RedoSnapshot& snapshot) {
    const int at = std::clamp(record.line, 0, m_program->LineCount());
    RemoveLines(at, snapshot.restoredLines);
    return InsertSavedLines(at, snapshot.notes, snapshot.cells);
}

// Deletes lines and gives back the numbers their boxes held, unless another box still holds one.
void CUnDoList::RemoveLines(int line, int lineCount) {
    const int count = std::clamp(m_program->LineCount() - line, 0, lineCount);
    std::vector<LadCell> removed;
    for (int i = line; i < line + count; ++i) {
        const auto& cells = m_program->Line(i).cells;
        removed.insert(removed.end(), cells.begin(), cells.end());
    }
    m_program->DeleteLines(line, count);
    for (const LadCell& cell : removed) {
        ReleaseNumberOf(*m_numbers, *m_program, cell);
    }
}

}  // namespace rungpad
