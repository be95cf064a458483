#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "doc/FixedText.h"
#include "doc/LadLine.h"

namespace rungpad {

class MessageBoxHost;

using NoteText = FixedText<20>;

// The line table of a document: three header words, 1600 note slots and 1600 line slots.
// Inserting and deleting lines moves line references and note slots, never cells.
class LadProgram {
  public:
    static constexpr int kMaxLines = 1600;

    LadProgram() = default;
    LadProgram(const LadProgram& other);
    LadProgram& operator=(const LadProgram& other);
    LadProgram(LadProgram&&) noexcept = default;
    LadProgram& operator=(LadProgram&&) noexcept = default;

    // Where InsertLines reports "行数超出范围!"; none means silent refusal.
    void SetMessageBox(MessageBoxHost* box) { m_box = box; }

    int LineCount() const { return m_count; }
    bool IsValidLine(int i) const { return i >= 0 && i < m_count; }

    // Line slot i; throws std::out_of_range outside 0 .. line count - 1.
    LadLine& Line(int i);
    const LadLine& Line(int i) const;
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
    // A line allocation, reusing a released one when there is one; NewLine also resets it.
    std::unique_ptr<LadLine> TakeLine();
    std::unique_ptr<LadLine> NewLine();
    void Release(std::unique_ptr<LadLine> line);

    std::array<NoteText, kMaxLines> m_notes{};
    std::array<std::unique_ptr<LadLine>, kMaxLines> m_lines{};
    int m_count = 0;
    // Released lines kept for reuse, so reading a file or undoing a deletion allocates nothing.
    std::vector<std::unique_ptr<LadLine>> m_spare;
    MessageBoxHost* m_box = nullptr;
};

}  // namespace rungpad
