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
    UndoRecord& record = m_slots[static_cast<std::size_t>(m_head)];
    switch (record.kind) {
        case UndoRecord::UNDO_CELL:
            UndoCell(record);
            break;
        case UndoRecord::UNDO_DELETE_LINES:
            UndoDeleteLines(record);
            break;
        case UndoRecord::UNDO_INSERT_LINES:
            UndoInsertLines(record);
            break;
        case UndoRecord::UNDO_REPLACE_LINES:
            UndoInsertLines(record);
            UndoDeleteLines(record);
            break;
        case UndoRecord::UNDO_LINE_NOTE:
            if (!record.notes.empty()) {
                m_program->Note(record.line) = record.notes.front();
            }
            break;
        case UndoRecord::UNDO_ADDRESS_NOTE:
            if (m_notes) {
                m_notes->RestoreAddressNote(record.column, record.line, record.text);
            }
            break;
        default:
            break;
    }
    lineCount = record.lineCount;
    record.ReleaseSnapshot();
    return {record.column, record.line};
}

// The number the current cell claims is given back, and the restored cell's number is claimed
// again, so the registry matches the boxes also after a refused entry is rolled back.
void CUnDoList::UndoCell(UndoRecord& record) {
    if (!m_program->IsValidLine(record.line) || record.cells.empty()) {
        return;  // the line went away through another view
    }
    LadCell& cell = m_program->Cell(record.column, record.line);
    ReleaseNumberOf(*m_numbers, *m_program, cell);
    cell = record.cells.front();
    ClaimNumberOf(*m_numbers, cell);
}

// Lines are put back only when they fit; a refused insertion leaves every other line untouched.
void CUnDoList::UndoDeleteLines(UndoRecord& record) {
    const int n = record.lineCount;
    const int at = std::clamp(record.line, 0, m_program->LineCount());
    if (n <= 0 || !m_program->InsertLines(at, n)) {
        return;
    }
    for (int i = 0; i < n; ++i) {
        m_program->Note(at + i) = record.notes[static_cast<std::size_t>(i)];
        LadLine& line = m_program->Line(at + i);
        for (int c = 0; c < LadLine::kColumns; ++c) {
            line.Cell(c) = record.cells[static_cast<std::size_t>(i * LadLine::kColumns + c)];
            ClaimNumberOf(*m_numbers, line.Cell(c));
        }
    }
}

void CUnDoList::UndoInsertLines(const UndoRecord& record) {
    const int n = record.insertedCount;
    m_program->DeleteLines(record.line, n + CodtTableAfter(record.line, n));
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
