#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/SelectionState.h"
#include "undo/UndoRecord.h"

namespace rungpad {

class AddressNoteTarget;
class LadProgram;
class NumberRegistry;

// The last 50 editing steps of one view, undone newest first; there is no redo. Each record holds
// exactly what its step is about to change. When the ring is full a new record overwrites the
// oldest one.
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

    int GetCount() const { return m_count; }
    // A record that can still be undone: age 0 is the newest; nullptr when age is not below
    // GetCount.
    const UndoRecord* Peek(int age = 0) const;

  private:
    UndoRecord& StartRecord(UndoRecord::Kind kind, int column, int line);
    void FinishRecord();
    void SaveLines(UndoRecord& record, int line, int lineCount) const;
    static int StepBack(int index) { return index == 0 ? kSlots - 1 : index - 1; }

    void UndoCell(UndoRecord& record);
    void UndoDeleteLines(UndoRecord& record);
    void UndoInsertLines(const UndoRecord& record);
    int CodtTableAfter(int first, int inserted) const;

    std::array<UndoRecord, kSlots> m_slots{};
    int m_head = 0;
    LadProgram* m_program = nullptr;
    NumberRegistry* m_numbers = nullptr;
    AddressNoteTarget* m_notes = nullptr;
    int m_count = 0;
};

}  // namespace rungpad
