#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ConvertErrorList.h"
#include "convert/InstructionList.h"
#include "convert/LadderGrid.h"
#include "convert/NetworkTranslator.h"
#include "convert/StepListBuilder.h"
#include "convert/StepRecord.h"
#include "model/FuncInstrTable.h"
#include "model/LadLine.h"
#include "model/LadProgram.h"
#include "model/Messages.h"
#include "model/NumberRegistry.h"

namespace rungpad {

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
    static constexpr int kMaxSteps = StepListBuilder::kMaxSteps;
    static constexpr std::uint16_t kDataTableAddress = StepListBuilder::kDataTableAddress;

    // Convert's results; the numbers are what the editor has always been told.
    enum Result : int { kPreCheckFailed = -1, kConvertFailed = 0, kConvertSucceeded = 1 };

    explicit CLadConvert(LadProgram* program = nullptr);
    // The translator keeps references to the parts beside it.
    CLadConvert(const CLadConvert&) = delete;
    CLadConvert& operator=(const CLadConvert&) = delete;

    // The program converted; the document sets it when it creates or loads one. Not owned.
    void SetProgram(LadProgram* program) { m_grid.SetProgram(program); }
    LadProgram* Program() const { return m_grid.Program(); }

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

    // The grid as the converter reads it (see LadderGrid).
    const LadLine& GetLine(int index) const { return m_grid.GetLine(index); }
    std::uint16_t FindFunction(int line, int& column) const {
        return m_grid.FindFunction(line, column);
    }
    int LastVerticalLink(int line, int from, int to) const {
        return m_grid.LastVerticalLink(line, from, to);
    }
    bool HasEmptyCell(int line, int from, int to) const {
        return m_grid.HasEmptyCell(line, from, to);
    }
    bool IsBlankLine(int line, int from, int to) const {
        return m_grid.IsBlankLine(line, from, to);
    }
    // Cuts the network that starts at start (see NetworkTranslator::FindNetwork).
    int FindNetwork(int start, int& last) { return m_translator.FindNetwork(start, last); }

    // --- error list -----------------------------------------------------------------------------
    // Appends an error; beyond 100 entries errors are dropped.
    void AddError(int kind, ErrorCode code, int line) { m_errors.Add(kind, code, line); }
    // Any number, also one without a message.
    void AddError(int kind, int code, int line) { m_errors.Add(kind, code, line); }
    int ErrorCount() const { return m_errors.Count(); }
    const ConvertError& ErrorAt(int i) const { return m_errors.At(i); }
    void ClearErrors() { m_errors.Clear(); }
    // "梯图第%04d行  错误代号 " with the last error's line + 1, followed by its message; empty
    // when the list is empty. UTF-8. The original form, as reports and files keep it.
    std::string FormatLastError() const { return m_errors.FormatLast(); }
    // The same in the language the user chose, for the output window and the console.
    std::string ShownLastError() const { return m_errors.FormatLast(Messages::CurrentLanguage()); }

    // --- instruction texts ----------------------------------------------------------------------
    // Stores text with its ladder line. Refused with 1004 when 4000 texts are held or the text has
    // 50 characters or more.
    bool AddText(std::string_view text, int line) { return m_translator.AddText(text, line); }
    void ClearTexts() { m_list.Clear(); }
    int TextCount() const { return m_list.Count(); }
    // Entry i as listed: the text and its line suffix ("  %4d" of line + 1); empty outside the
    // list.
    std::string TextAt(int i) const { return m_list.EntryAt(i); }
    // Instruction i's text alone, and the 0-based ladder line it came from (-1 outside the list).
    std::string_view InstructionText(int i) const { return m_list.TextAt(i); }
    int InstructionLine(int i) const { return m_list.LineAt(i); }
    // The instruction window: each entry without its last 6 characters, CR LF after each.
    std::string RenderWindow() const { return m_list.RenderWindow(); }
    // The instruction list file: each entry cut at its last space, CR LF after each.
    std::string WriteListFile() const { return m_list.WriteListFile(); }

    // --- step list and binary image -------------------------------------------------------------
    // Builds the step list of the instruction list.
    bool BuildSteps() { return m_stepList.Build(m_list, m_errors, m_grid.Program()); }
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
    const LadCell& CellAt(int line, int column) const { return m_grid.CellAt(line, column); }
    int LastLine() const { return m_grid.LastLine(); }
    bool PreCheckLine(int line, std::vector<bool>& coils, bool& end1, bool& end2);
    bool CheckCoilAtConversion(int line, std::vector<bool>& coils);

    LadderGrid m_grid;
    ConvertErrorList m_errors;
    InstructionList m_list;
    NumberRegistry m_numbers;
    NetworkTranslator m_translator{m_grid, m_list, m_errors};
    StepListBuilder m_stepList;
};

}  // namespace rungpad
