#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/SelectionState.h"
#include "undo/UndoRecord.h"

namespace rungpad {

class AddressNoteTarget;
class LadProgram;
class NumberRegistry;

// The last 50 editing steps of one document (every view of it shares them), undone newest first and
// redone in turn. Each record holds exactly what its step is about to change; undoing it keeps,
// beside it, what the undo replaced, so that a redo puts the program back byte for byte. A new
// record drops everything undone. When the ring is full a new record overwrites the oldest one;
// undone records keep their slots, so undo and redo together never hold more than 50 steps.
class CUnDoList {
  public:
    static constexpr int kSlots = 50;

    CUnDoList() = default;
    CUnDoList(const CUnDoList&) = delete;
    CUnDoList& operator=(const CUnDoList&) = delete;

    // The program the records work on, the box numbers undo gives back and claims again, and
    // where undone address notes go. Until it is attached every Record call does nothing.
    void Attach(LadProgram& program, NumberRegistry& numbers, AddressNoteTarget* notes = nullptr);

    // Each Record call returns whether it made a record: not before Attach, not for a position
    // outside the program, and not for an empty range.
    bool RecordCell(int column, int line);
    bool RecordDeleteLines(int column, int line, int lineCount);
    bool RecordInsertLines(int column, int line, int insertedCount);
    bool RecordReplaceLines(int column, int line, int lineCount, int insertedCount);
    bool RecordLineNote(int line);
    bool RecordAddressNote(int column, int line, std::string_view oldText);

    // Takes back the newest record. Returns its position and gives out its line count (the lines
    // restored, 0 for other kinds); with nothing to undo returns (-1, -1), lineCount unchanged.
    GridPos Undo(int& lineCount);

    // Puts back the newest undone record and makes it undoable again. Returns its position and
    // gives out the lines it restored (0 for cells and notes); with nothing to redo returns
    // (-1, -1), lineCount unchanged.
    GridPos Redo(int& lineCount);
    // Forgets every undone record: an entry rolled back by its check must not come back.
    void DiscardRedo();

    int GetCount() const { return m_count; }
    int GetRedoCount() const { return m_redoCount; }
    // A record that can still be undone: age 0 is the newest; nullptr when age is not below
    // GetCount.
    const UndoRecord* Peek(int age = 0) const;

  private:
    // What an undo replaced: the state right after the record's step.
    struct RedoSnapshot {
        std::vector<LadCell> cells;   // the cell, or eight per line the undo deleted
        std::vector<NoteText> notes;  // the notes of those lines, or the line note
        std::string text;             // the address note
        int restoredLines = 0;        // lines the undo inserted back
        int deletedLines = 0;         // lines the undo deleted

        void Release() { *this = RedoSnapshot{}; }
    };

    UndoRecord& StartRecord(UndoRecord::Kind kind, int column, int line);
    void FinishRecord();
    void SaveLines(UndoRecord& record, int line, int lineCount) const;
    static int StepBack(int index) { return index == 0 ? kSlots - 1 : index - 1; }

    void ReplaceCell(int column, int line, const LadCell& with);
    int UndoDeleteLines(const UndoRecord& record);
    int InsertSavedLines(int at, const std::vector<NoteText>& notes,
                         const std::vector<LadCell>& cells);
    int CodtTableAfter(int first, int inserted) const;
    int UndoInsertLines(const UndoRecord& record, RedoSnapshot& snapshot);
    void KeepLines(RedoSnapshot& snapshot, int line, int lineCount) const;

    int RedoLines(const UndoRecord& record, const RedoSnapshot& snapshot);
    void RemoveLines(int line, int lineCount);

    std::array<UndoRecord, kSlots> m_slots{};
    std::array<RedoSnapshot, kSlots> m_redo{};  // beside each undone record
    int m_head = 0;
    LadProgram* m_program = nullptr;
    NumberRegistry* m_numbers = nullptr;
    AddressNoteTarget* m_notes = nullptr;
    int m_count = 0;
    int m_redoCount = 0;  // undone records from m_head on
};

}  // namespace rungpad
