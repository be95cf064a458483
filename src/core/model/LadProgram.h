#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/FixedText.h"
#include "model/LadLine.h"

namespace rungpad {

class MessageBoxHost;

using NoteText = FixedText<20>;

// The line table of a document: three header words, 1600 note slots and 1600 line slots.
// Each line is allocated together with its note, so inserting and deleting lines moves one
// pointer per line, never cells or note texts. Note slots past the line count are kept apart.
class LadProgram {
  public:
    static constexpr int kMaxLines = 1600;

    LadProgram() = default;
    LadProgram(const LadProgram& other);
    LadProgram& operator=(const LadProgram& other);
    LadProgram(LadProgram&& other) noexcept;
    LadProgram& operator=(LadProgram&& other) noexcept;

    // Where InsertLines reports "行数超出范围!"; none means silent refusal.
    void SetMessageBox(MessageBoxHost* box) { m_box = box; }

    int LineCount() const { return m_count; }
    bool IsValidLine(int i) const { return i >= 0 && i < m_count; }

    // Line slot i; throws std::out_of_range outside 0 .. line count - 1.
    LadLine& Line(int i) {
        CheckLine(i);
        return m_slots[static_cast<std::size_t>(i)]->line;
    }
    const LadLine& Line(int i) const {
        CheckLine(i);
        return m_slots[static_cast<std::size_t>(i)]->line;
    }
    LadCell& Cell(int column, int line) { return Line(line).Cell(column); }
    const LadCell& Cell(int column, int line) const { return Line(line).Cell(column); }

    // Note slot i, 0 .. 1599, also past the line count; throws std::out_of_range otherwise.
    NoteText& Note(int i);
    const NoteText& Note(int i) const;

    // Inserts n empty lines with empty notes before line at (at = line count appends). Refused
    // with "行数超出范围!" when the program would reach 1600 lines. Returns whether it inserted.
    bool InsertLines(int at, int n);
    // Removes n lines from at on; the range is clamped to the program.
    void DeleteLines(int at, int n);
    // Removes all lines; note slots keep their texts.
    void Clear();
    // Appends a copy of line; used by readers and copies. Returns false when the table is full.
    bool AppendLine(const LadLine& line, const NoteText& note);

    // Header words, given meaning by the converter and stored in files.
    std::int16_t end1Line = 0;
    std::int16_t stepCountWord = 0;
    std::int16_t end1Step = 0;

    friend bool operator==(const LadProgram& a, const LadProgram& b);

  private:
    // Kept inline: the converter and the views read lines by the million.
    void CheckLine(int i) const {
        if (!IsValidLine(i)) [[unlikely]] {
            ThrowLineOutOfRange();
        }
    }
    [[noreturn]] static void ThrowLineOutOfRange();

    // A line of the program with the text of its note slot.
    struct Slot {
        LadLine line;
        NoteText note;
    };

    // A slot from the pool, allocating only when none is free; its contents are stale.
    Slot* TakeSlot();
    // Gives the slots of lines from .. to - 1 back to the pool.
    void ReleaseSlots(int from, int to);
    // The note slots past the count remember what the lines there held.
    void KeepNotes(int from, int to);

    // Every slot ever allocated, owned here; m_slots and m_free point into it.
    std::vector<std::unique_ptr<Slot>> m_pool;
    std::vector<Slot*> m_free;
    std::array<Slot*, kMaxLines> m_slots{};
    std::array<NoteText, kMaxLines> m_pastNotes{};  // note slots at or past the line count
    int m_count = 0;
    MessageBoxHost* m_box = nullptr;
};

}  // namespace rungpad
