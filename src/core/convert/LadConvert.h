#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ConvertErrorList.h"
#include "convert/InstructionList.h"
#include "convert/StepListBuilder.h"
#include "convert/StepRecord.h"
#include "model/FuncInstrTable.h"
#include "model/LadLine.h"
#include "model/LadProgram.h"
#include "model/NumberRegistry.h"

namespace rungpad {

class LadProgram;

// The converter of one document: turns the ladder program into the instruction list, checks it
// on the way, and builds the step list and data table of the binary image. It keeps the results
// of the last conversion until the next one, and the number-in-use flags of counters, timers,
// edges, labels and subprograms that the editor keeps up to date through CheckNumber.
//
// Every access to the program is clamped: no input makes the converter read outside it, and every
// scan ends. Each routine adds at most one error (a few add two) and returns failure; its caller
// stops, so a conversion reports one problem.
class CLadConvert {
  public:
    static constexpr int kMaxErrors = ConvertErrorList::kMaxCount;
    static constexpr int kMaxTexts = InstructionList::kMaxCount;
    static constexpr std::size_t kMaxTextLength = InstructionList::kMaxTextLength;
    static constexpr int kMaxCuts = 30;
    static constexpr int kMaxSpans = 30;
    static constexpr int kMaxNetworkLines = 100;
    static constexpr int kMaxSteps = StepListBuilder::kMaxSteps;
    static constexpr int kMaxDataWords = StepListBuilder::kMaxDataWords;
    static constexpr std::uint16_t kDataTableAddress = StepListBuilder::kDataTableAddress;

    // Convert's results; the numbers are what the editor has always been told.
    enum Result : int { kPreCheckFailed = -1, kConvertFailed = 0, kConvertSucceeded = 1 };

    explicit CLadConvert(LadProgram* program = nullptr);

    // The program converted; the document sets it when it creates or loads one. Not owned.
    void SetProgram(LadProgram* program) { m_program = program; }
    LadProgram* Program() const { return m_program; }

    // --- driver and scan ---------------------------------------------------------------------
    // Converts the whole program: -1 the pre-check failed, 0 translation or step building failed,
    // 1 success (the program's step count word is then set). Callers clear the errors first.
    Result Convert();
    // Claims every box number of the program afresh and checks coils and END1/END2.
    bool PreCheck();
    // Claims number for a numbered parameter cell (CTR, TMR, TMRC, TMRB, LBL, SP, DIFU, DIFD by
    // the cell's code). Returns true when it added an error (1013, 1014, 1015, 1019, 1034, 1040).
    // With keep = false (the editor's entry) re-entering the cell's own number changes nothing,
    // and the cell's old number is released. The cell's number field receives number.
    bool CheckNumber(LadCell& cell, int number, int line, bool keep);
    // Releases number in the pool of the box that code (any cell code of the box) belongs to;
    // numbers outside the pool and other codes release nothing.
    void ReleaseNumber(std::uint16_t code, int number) { m_numbers.Release(code, number); }
    bool IsNumberInUse(std::uint16_t code, int number) const {
        return m_numbers.IsInUse(code, number);
    }
    // Clears every number-in-use flag.
    void ClearNumbers() { m_numbers.Clear(); }
    // The number-in-use flags themselves, which the editor and undo keep up to date.
    NumberRegistry& Numbers() { return m_numbers; }
    // The editor's coil address check, adding 1006 or 1027 (kind 1) on line. True when it passes.
    bool CheckCoilAddress(std::string_view text, int line);

    // The line at index, clamped into the program; an empty line when the program has none.
    const LadLine& GetLine(int index) const;
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
    // Cuts the network that starts at start: its last line through last; returns the column of
    // its box, -1 without a box, -2 when the network is too long (1026 added).
    int FindNetwork(int start, int& last);

    // --- translation ----------------------------------------------------------------------------
    bool TranslateCoilNetwork(int first, int last);
    bool TranslateFunctionNetwork(int first, int last, int column);
    bool TranslateCodtLines(int first, int last);
    bool ReduceBlock(int first, int last, int from, int to);
    bool EmitSeries(int line, int from, int to, std::uint16_t code);
    bool EmitOutputs(int first, int last, bool isFunction);
    static bool TakesInput(std::uint16_t code);
    static bool DrivesOutput(std::uint16_t code);

    // --- error list -----------------------------------------------------------------------------
    // Appends an error; beyond 100 entries errors are dropped.
    void AddError(int kind, ErrorCode code, int line) { m_errors.Add(kind, code, line); }
    // Any number, also one without a message.
    void AddError(int kind, int code, int line) { m_errors.Add(kind, code, line); }
    int ErrorCount() const { return m_errors.Count(); }
    const ConvertError& ErrorAt(int i) const { return m_errors.At(i); }
    void ClearErrors() { m_errors.Clear(); }
    // "梯图第%04d行  错误代号 " with the last error's line + 1, followed by its message; empty
    // when the list is empty. UTF-8.
    std::string FormatLastError() const { return m_errors.FormatLast(); }

    // --- instruction texts ----------------------------------------------------------------------
    // Stores text with its ladder line. Refused with 1004 when 4000 texts are held or the text has
    // 50 characters or more.
    bool AddText(std::string_view text, int line);
    void ClearTexts() { m_list.Clear(); }
    int TextCount() const { return m_list.Count(); }
    // Entry i as listed: the text and its line suffix ("  %4d" of line + 1); empty outside the
    // list.
    std::string TextAt(int i) const { return m_list.EntryAt(i); }
    // Instruction i's text alone, and the 0-based ladder line it came from (-1 outside the list).
    std::string_view InstructionText(int i) const { return m_list.TextAt(i); }
    int InstructionLine(int i) const { return m_list.LineAt(i); }
    const InstructionList& Instructions() const { return m_list; }
    // The instruction window: each entry without its last 6 characters, CR LF after each.
    std::string RenderWindow() const { return m_list.RenderWindow(); }
    // The instruction list file: each entry cut at its last space, CR LF after each.
    std::string WriteListFile() const { return m_list.WriteListFile(); }

    // --- step list and binary image -------------------------------------------------------------
    // Builds the step list of the instruction list.
    bool BuildSteps() { return m_stepList.Build(m_list, m_errors, m_program); }
    int StepCount() const { return m_stepList.StepCount(); }
    const StepRecord& StepAt(int i) const { return m_stepList.StepAt(i); }
    // The 0-based ladder line of the instruction that made record i; -1 outside the list.
    int StepLine(int i) const { return m_stepList.StepLine(i); }
    int DataWordCount() const { return m_stepList.DataWordCount(); }
    std::uint16_t DataWordAt(int i) const { return m_stepList.DataWordAt(i); }
    // Whether the step list is the complete result of a successful build (only then writable).
    bool StepsComplete() const { return m_stepList.Complete(); }
    // The binary image: the step records, then the data words the trailer counts. Refused
    // (false, image empty) unless the step list is complete.
    bool BinaryImage(std::vector<std::uint8_t>& image) const {
        return m_stepList.BinaryImage(image);
    }

  private:
    struct Span {
        int first = 0;
        int last = 0;
        bool parallel = false;
    };
    struct SpanTable {
        std::array<Span, kMaxSpans> spans{};
        int count = 0;
    };

    // Cell access clamped to the program and to columns 0-7 (an empty cell outside).
    const LadCell& CellAt(int line, int column) const;
    bool HasLinkAt(int line, int column) const;
    bool IsLineInProgram(int line) const;
    int LastLine() const;
    bool PreCheckLine(int line, std::vector<bool>& coils, bool& end1, bool& end2);
    bool CheckCoilAtConversion(int line, std::vector<bool>& coils);

    // Contact and coil translation.
    // What a row holds between two columns.
    struct RowMeasure {
        bool failed = false;  // outside the program, or refused
        int empty = 0;        // empty cells
        int used = 0;         // cells that are not empty
        int solid = 0;        // used cells other than horizontal lines
        bool IsUnused() const { return !failed && used == 0; }
        bool IsUsed() const { return !failed && used > 0; }
        // Used, with a gap a branch cannot pass.
        bool HasGap() const { return IsUsed() && empty > 0; }
        bool HasSolid() const { return !failed && solid > 0; }
    };
    RowMeasure Measure(int line, int from, int to) const;
    // Measure; strict refuses a row of horizontal lines only with 1024.
    RowMeasure MeasureRow(int line, int from, int to, bool strict);
    int CountContacts(int line, int from, int to) const;
    int IsCut(int first, int last, int column);
    bool BuildSpans(int first, int last, int from, int to);
    bool ReduceParallelSpan(int spanIndex, SpanTable& spans, int& contacts);
    int NextBranch(int& line, int last, Span& span, bool continuing, int spanIndex);
    int NeedsAndStk(const SpanTable& spans, int spanIndex);
    int SpanBottom(const Span& span) const;
    bool CheckBranch(int line, int from, int to);
    bool CheckLastSpan(int first, int last, int from, int to);
    bool EmitAndSeries(int line, int from, int to);
    bool EmitSingle(int k, int line, int from, int to);
    bool EmitContact(std::string_view mnemonic, const LadCell& cell, int line);
    bool EmitPlain(std::string_view mnemonic, int line);
    bool EmitInstruction(std::string_view mnemonic, std::string_view operand, int line);

    // Function networks.
    bool CheckFunctionOutput(int first, const FuncInstr& instr);
    bool EmitFunctionInputs(int first, int last, int column, const FuncInstr& instr);
    bool EmitBoxText(int first, int column, const FuncInstr& instr);
    bool CheckBoxParameters(int first, int column, const FuncInstr& instr);
    bool CheckFunctionConnection(int first, int column, const FuncInstr& instr);

    LadProgram* m_program = nullptr;
    LadLine m_emptyLine{};
    LadCell m_emptyCell{};

    ConvertErrorList m_errors;

    InstructionList m_list;

    NumberRegistry m_numbers;

    std::array<int, kMaxCuts> m_cuts{};
    int m_cutCount = 0;
    SpanTable m_spans{};
    int m_blockFirst = 0;
    int m_blockLast = 0;
    int m_misplacedBox = -1;  // line of a box found below its network's first line

    StepListBuilder m_stepList;
};

// Clamped access, inline: the network translation reads every cell several times.

inline int CLadConvert::LastLine() const {
    return m_program ? m_program->LineCount() - 1 : -1;
}

inline bool CLadConvert::IsLineInProgram(int line) const {
    return line >= 0 && line <= LastLine();
}

inline const LadLine& CLadConvert::GetLine(int index) const {
    if (LastLine() < 0) {
        return m_emptyLine;
    }
    return m_program->Line(std::clamp(index, 0, LastLine()));
}

inline const LadCell& CLadConvert::CellAt(int line, int column) const {
    if (column < 0 || column >= LadLine::kColumns) {
        return m_emptyCell;
    }
    return GetLine(line).Cell(column);
}

inline bool CLadConvert::HasLinkAt(int line, int column) const {
    return IsLineInProgram(line) && CellAt(line, column).HasLink();
}

}  // namespace rungpad
