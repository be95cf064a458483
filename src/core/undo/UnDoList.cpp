#include "undo/UnDoList.h"

#include <algorithm>

#include "model/LadProgram.h"
#include "undo/AddressNoteTarget.h"
#include "undo/NumberParameters.h"

namespace rungpad {

void CUnDoList::Attach(LadProgram& program, NumberRegistry& numbers, AddressNoteTarget* notes) {
    m_program = &program;
    m_numbers = &numbers;
    m_notes = notes;
}

// --- recording ----------------------------------------------------------------------------------

UndoRecord& CUnDoList::StartRecord(UndoRecord::Kind kind, int column, int line) {
    DiscardRedo();
    UndoRecord& record = m_slots[static_cast<std::size_t>(m_head)];
    record.ReleaseSnapshot();
    record.kind = kind;
    record.column = column;
    record.line = line;
    record.lineCount = 0;
    record.insertedCount = 0;
    return record;
}

void CUnDoList::FinishRecord() {
    if (m_count < kSlots) {
        ++m_count;
    }
    m_head = (m_head + 1) % kSlots;
}

bool CUnDoList::RecordCell(int column, int line) {
    if (!m_program || !m_program->IsValidLine(line) || column < 0 || column >= LadLine::kColumns) {
        return false;
    }
    UndoRecord& record = StartRecord(UndoRecord::UNDO_CELL, column, line);
    record.cells.push_back(m_program->Cell(column, line));
    FinishRecord();
    return true;
}

void CUnDoList::SaveLines(UndoRecord& record, int line, int lineCount) const {
    record.lineCount = static_cast<std::uint16_t>(lineCount);
    record.notes.reserve(static_cast<std::size_t>(lineCount));
    record.cells.reserve(static_cast<std::size_t>(lineCount) * LadLine::kColumns);
    for (int i = line; i < line + lineCount; ++i) {
        record.notes.push_back(m_program->Note(i));
        for (LadCell cell : m_program->Line(i).cells) {
            cell.highlight = 1;  // restored lines come back drawn as selected
            record.cells.push_back(cell);
        }
    }
}

bool CUnDoList::RecordDeleteLines(int column, int line, int lineCount) {
    if (!m_program || !m_program->IsValidLine(line) || lineCount <= 0) {
        return false;
    }
    lineCount = std::min(lineCount, m_program->LineCount() - line);
    UndoRecord& record = StartRecord(UndoRecord::UNDO_DELETE_LINES, column, line);
    SaveLines(record, line, lineCount);
    FinishRecord();
    return true;
}

bool CUnDoList::RecordInsertLines(int column, int line, int insertedCount) {
    if (!m_program || line < 0 || line > m_program->LineCount() || insertedCount <= 0) {
        return false;
    }
    UndoRecord& record = StartRecord(UndoRecord::UNDO_INSERT_LINES, column, line);
    record.insertedCount = static_cast<std::uint16_t>(insertedCount);
    FinishRecord();
    return true;
}

bool CUnDoList::RecordReplaceLines(int column, int line, int lineCount, int insertedCount) {
    if (insertedCount < 0 || !RecordDeleteLines(column, line, lineCount)) {
        return false;
    }
    m_head = StepBack(m_head);
    UndoRecord& record = m_slots[static_cast<std::size_t>(m_head)];
    record.kind = UndoRecord::UNDO_REPLACE_LINES;
    record.insertedCount = static_cast<std::uint16_t>(insertedCount);
    m_head = (m_head + 1) % kSlots;
    return true;
}

bool CUnDoList::RecordLineNote(int line) {
    if (!m_program || line < 0 || line >= LadProgram::kMaxLines) {
        return false;
    }
    UndoRecord& record = StartRecord(UndoRecord::UNDO_LINE_NOTE, LadLine::kOutputColumn, line);
    record.notes.push_back(m_program->Note(line));
    FinishRecord();
    return true;
}

bool CUnDoList::RecordAddressNote(int column, int line, std::string_view oldText) {
    if (!m_program) {
        return false;
    }
    UndoRecord& record = StartRecord(UndoRecord::UNDO_ADDRESS_NOTE, column, line);
    record.text = std::string(oldText);
    FinishRecord();
    return true;
}

const UndoRecord* CUnDoList::Peek(int age) const {
    if (age < 0 || age >= m_count) {
        return nullptr;
    }
    return &m_slots[static_cast<std::size_t>((m_head - 1 - age + 2 * kSlots) % kSlots)];
}

// --- undo ---------------------------------------------------------------------------------------

GridPos CUnDoList::Undo(int& lineCount) {
    if (m_count == 0 || !m_program) {
        return {};
    }
    --m_count;
    m_head = StepBack(m_head);
    const UndoRecord& record = m_slots[static_cast<std::size_t>(m_head)];
    RedoSnapshot& snapshot = m_redo[static_cast<std::size_t>(m_head)];
    snapshot.Release();
    switch (record.kind) {
        case UndoRecord::UNDO_CELL:
            if (m_program->IsValidLine(record.line) && !record.cells.empty()) {
                snapshot.cells.push_back(m_program->Cell(record.column, record.line));
                ReplaceCell(record.column, record.line, record.cells.front());
            }
            break;
        case UndoRecord::UNDO_DELETE_LINES:
            snapshot.restoredLines = UndoDeleteLines(record);
            break;
        case UndoRecord::UNDO_INSERT_LINES:
            snapshot.deletedLines = UndoInsertLines(record, snapshot);
            break;
        case UndoRecord::UNDO_REPLACE_LINES:
            snapshot.deletedLines = UndoInsertLines(record, snapshot);
            snapshot.restoredLines = UndoDeleteLines(record);
            break;
        case UndoRecord::UNDO_LINE_NOTE:
            if (!record.notes.empty()) {
                snapshot.notes.push_back(m_program->Note(record.line));
                m_program->Note(record.line) = record.notes.front();
            }
            break;
        case UndoRecord::UNDO_ADDRESS_NOTE:
            if (m_notes) {
                snapshot.text = m_notes->AddressNoteAt(record.column, record.line);
                m_notes->RestoreAddressNote(record.column, record.line, record.text);
            }
            break;
        default:
            break;
    }
    lineCount = record.lineCount;
    ++m_redoCount;
    return {record.column, record.line};
}

// The number the current cell claims is given back, and the new cell's number is claimed again,
// so the registry matches the boxes also after a refused entry is rolled back. A cell that keeps
// its number leaves the registry as it is.
void CUnDoList::ReplaceCell(int column, int line, const LadCell& with) {
    LadCell& cell = m_program->Cell(column, line);
    const bool sameNumber =
        IsNumberParameter(cell.code) && IsNumberParameter(with.code) &&
        FuncInstrTable::PoolOf(cell.code) == FuncInstrTable::PoolOf(with.code) &&
        cell.number == with.number;
    if (!sameNumber) {
        ReleaseNumberOf(*m_numbers, *m_program, cell);
    }
    cell = with;
    if (!sameNumber) {
        ClaimNumberOf(*m_numbers, cell);
    }
}

int CUnDoList::UndoDeleteLines(const UndoRecord& record) {
    return InsertSavedLines(std::clamp(record.line, 0, m_program->LineCount()), record.notes,
                            record.cells);
}

// Lines are put back only when they fit; a refused insertion leaves every other line untouched.
// Their box numbers are claimed again. Returns the lines inserted.
int CUnDoList::InsertSavedLines(int at, const std::vector<NoteText>& notes,
                                const std::vector<LadCell>& cells) {
    const int n = static_cast<int>(std::min(notes.size(), cells.size() / LadLine::kColumns));
    if (n <= 0 || !m_program->InsertLines(at, n)) {
        return 0;
    }
    for (int i = 0; i < n; ++i) {
        m_program->Note(at + i) = notes[static_cast<std::size_t>(i)];
        LadLine& line = m_program->Line(at + i);
        for (int c = 0; c < LadLine::kColumns; ++c) {
            line.Cell(c) = cells[static_cast<std::size_t>(i * LadLine::kColumns + c)];
            ClaimNumberOf(*m_numbers, line.Cell(c));
        }
    }
    return n;
}

// The lines taken away are kept for a redo; the numbers their boxes held (pasted boxes) are given
// back, as deleting the lines would.
int CUnDoList::UndoInsertLines(const UndoRecord& record, RedoSnapshot& snapshot) {
    const int n = record.insertedCount + CodtTableAfter(record.line, record.insertedCount);
    const int count = std::clamp(m_program->LineCount() - record.line, 0, n);
    KeepLines(snapshot, record.line, count);
    RemoveLines(record.line, count);
    return count;
}

void CUnDoList::KeepLines(RedoSnapshot& snapshot, int line, int lineCount) const {
    for (int i = line; i < line + lineCount; ++i) {
        snapshot.notes.push_back(m_program->Note(i));
        const auto& cells = m_program->Line(i).cells;
        snapshot.cells.insert(snapshot.cells.end(), cells.begin(), cells.end());
    }
}

// The CODT table the item check built below a COD box among the inserted lines, without a record
// of its own: the number of its lines right after them. Lines not made for such a box are never
// counted.
int CUnDoList::CodtTableAfter(int first, int inserted) const {
    const int t = first + inserted;
    if (inserted <= 0 || !m_program->IsValidLine(t)) {
        return 0;
    }
    const LadLine& lastInserted = m_program->Line(t - 1);
    const bool endsWithCod =
        std::any_of(lastInserted.cells.begin(), lastInserted.cells.end(),
                    [](const LadCell& c) { return Element::Kind(c.code) == 0x26; });
    if (!endsWithCod) {
        return 0;
    }
    for (int column = 0; column < LadLine::kColumns; ++column) {
        if (m_program->Cell(column, t).code != Element::kCodt) {
            continue;
        }
        int n = 0;
        while (m_program->IsValidLine(t + n) &&
               Element::IsCodt(m_program->Cell(column, t + n).code)) {
            ++n;
        }
        return n;
    }
    return 0;
}

}  // namespace rungpad
