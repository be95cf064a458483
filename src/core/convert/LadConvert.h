#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ConvertError.h"
#include "convert/StepRecord.h"
#include "model/FuncInstrTable.h"
#include "model/LadLine.h"

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
    static constexpr int kMaxErrors = 100;
    static constexpr int kMaxTexts = 4000;
    static constexpr std::size_t kMaxTextLength = 49;  // longest instruction text accepted
    static constexpr int kMaxCuts = 30;
    static constexpr int kMaxSpans = 30;
    static constexpr int kMaxNetworkLines = 100;
    static constexpr int kMaxSteps = 4699;
    static constexpr int kMaxDataWords = 256;
    static constexpr std::uint16_t kDataTableAddress = 0x8A00;

    // Convert's results.
    static constexpr int kPreCheckFailed = -1;
    static constexpr int kConvertFailed = 0;
    static constexpr int kConvertSucceeded = 1;

    explicit CLadConvert(LadProgram* program = nullptr);

    // The program converted; the document sets it when it creates or loads one. Not owned.
    void SetProgram(LadProgram* program) { m_program = program; }
    LadProgram* Program() const { return m_program; }

    // --- driver and scan ---------------------------------------------------------------------
    // Converts the whole program: -1 the pre-check failed, 0 translation or step building failed,
    // 1 success (the program's step count word is then set). Callers clear the errors first.
    int Convert();
    // Claims every box number of the program afresh and checks coils and END1/END2.
    bool PreCheck();
    // Claims number for a numbered parameter cell (CTR, TMR, TMRC, TMRB, LBL, SP, DIFU, DIFD by
    // the cell's code). Returns true when it added an error (1013, 1014, 1015, 1019, 1034, 1040).
    // With keep = false (the editor's entry) re-entering the cell's own number changes nothing,
    // and the cell's old number is released. The cell's number field receives number.
    bool CheckNumber(LadCell& cell, int number, int line, bool keep);
    // Releases number in the pool of the box that code (any cell code of the box) belongs to;
    // numbers outside the pool and other codes release nothing.
    void ReleaseNumber(std::uint16_t code, int number);
    bool IsNumberInUse(std::uint16_t code, int number) const;
    // Clears every number-in-use flag.
    void ClearNumbers();
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
    void AddError(int kind, int code, int line);
    int ErrorCount() const { return m_errorCount; }
    const ConvertError& ErrorAt(int i) const;
    void ClearErrors() { m_errorCount = 0; }
    // "梯图第%04d行  错误代号 " with the last error's line + 1, followed by its message; empty
    // when the list is empty. UTF-8.
    std::string FormatLastError() const;

    // --- instruction texts ----------------------------------------------------------------------
    // Stores text followed by the line suffix ("  %4d" of line + 1). Refused with 1004 when 4000
    // texts are held or the text has 50 characters or more.
    bool AddText(std::string_view text, int line);
    void ClearTexts() { m_textCount = 0; }
    int TextCount() const { return m_textCount; }
    // Entry i as stored: the text and its line suffix; empty outside the list.
    std::string_view TextAt(int i) const;
    // The 0-based ladder line that entry i came from; -1 outside the list.
    int TextLineAt(int i) const;
    // The instruction window: each entry without its last 6 characters, CR LF after each.
    std::string RenderWindow() const;
    // The instruction list file: each entry cut at its last space, CR LF after each.
    std::string WriteListFile() const;

    // --- step list and binary image -------------------------------------------------------------
    bool BuildSteps();
    int StepCount() const { return m_stepCount; }
    const StepRecord& StepAt(int i) const;
    // The 0-based ladder line of the instruction that made record i; -1 outside the list.
    int StepLine(int i) const;
    int DataWordCount() const { return m_data.wordCount; }
    std::uint16_t DataWordAt(int i) const;
    // Whether the step list is the complete result of a successful build (only then writable).
    bool StepsComplete() const { return m_stepsComplete; }
    // The binary image: the step records, then the data words the trailer counts. Refused
    // (false, image empty) unless the step list is complete.
    bool BinaryImage(std::vector<std::uint8_t>& image) const;

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
    struct TextSlot {
        std::array<char, 64> chars{};  // 49 characters, two spaces and a line of up to 11
        std::uint8_t length = 0;
        int line = -1;  // the ladder line the instruction came from
    };
    struct Reference {
        int number = 0;
        int step = 0;
        int line = 0;
    };
    struct Subprogram {
        bool defined = false;
        int spStep = 0;
        int line = 0;
        std::array<int, 18> callees{};
        int calleeCount = 0;
    };
    struct DataTable {
        std::array<std::uint16_t, kMaxDataWords> words{};
        int byteCount = 0;
        int wordCount = 0;
    };
    struct StepBuilder {
        bool pendingOutput = false;
        bool afterEnd2 = false;
        bool comOpen = false;
        int sftCount = 0;
        int networkStart = 0;
        int nextTableAddress = kDataTableAddress;
        int codtExpected = 0;
        int codtWidth = 1;
        std::array<bool, 256> edges{};
        std::vector<Reference> jumps;
        std::vector<Reference> labels;
        std::vector<Reference> calls;
        std::array<Subprogram, 100> subprograms{};
        std::vector<Reference> spes;
        int spCount = 0;
        int currentSub = -1;
        int end1Mark = -1;
        int end2Mark = -1;
    };
    struct Tokens {
        std::array<std::string_view, 12> items{};
        int count = 0;
        std::string_view operator[](int i) const {
            return i >= 0 && i < count ? items[static_cast<std::size_t>(i)] : std::string_view{};
        }
    };

    // Cell access clamped to the program and to columns 0-7 (an empty cell outside).
    const LadCell& CellAt(int line, int column) const;
    bool HasLinkAt(int line, int column) const;
    bool IsLineInProgram(int line) const;
    int LastLine() const;
    std::span<std::uint8_t> PoolOf(std::uint16_t code);
    std::span<const std::uint8_t> PoolOf(std::uint16_t code) const;
    bool PreCheckLine(int line, std::vector<bool>& coils, bool& end1, bool& end2);
    bool CheckCoilAtConversion(int line, std::vector<bool>& coils);
    int NetworkEndOfBox(int start, int boxLine, int column, std::uint16_t code) const;

    // Contact and coil translation.
    // E x 10000 + N x 100 + S over the columns (empty, used and solid cells); 0 for an unused
    // row, -1 outside the program. Strict refuses a row of horizontal lines only with 1024.
    int Measure(int line, int from, int to) const;
    int RowMeasure(int line, int from, int to, bool strict);
    int CountContacts(int line, int from, int to) const;
    int IsCut(int first, int last, int column);
    bool BuildSpans(int first, int last, int from, int to);
    bool ReduceSeriesSpan(int j, const SpanTable& spans, int s, int e);
    bool ReduceParallelSpan(int j, SpanTable& spans, int& c);
    int NextBranch(int& i, int last, Span& span, bool continuing, int j);
    int NeedsAndStk(const SpanTable& spans, int j);
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

    // Step list.
    bool BuildStepsOf(int text);
    bool BuildRecords(int opcode, const Tokens& tokens);
    bool BuildFunctionRecords(int opcode, const Tokens& tokens);
    bool AppendStep(int opcode, int kind, int a, int b);
    bool AppendBitStep(int opcode, int kind, std::string_view operand);
    bool AppendSourceStep(int opcode, std::string_view param, std::uint16_t b);
    bool CloseNetwork();
    bool CheckMoveDestination(int opcode, const Tokens& tokens);
    bool AddTableEntries(const Tokens& tokens);
    bool BuildCallRecords(int opcode, const Tokens& tokens);
    bool BuildSubprogramRecords(int opcode, const Tokens& tokens);
    bool ResolveTargets();
    bool CheckCallCycles();
    bool ResolveCalls();
    bool ResolveJumps();
    bool WalkCalls(int root, int sub, std::vector<int>& path, std::vector<bool>& done);

    LadProgram* m_program = nullptr;
    LadLine m_emptyLine{};
    LadCell m_emptyCell{};

    std::array<ConvertError, kMaxErrors> m_errors{};
    std::uint16_t m_errorCount = 0;

    std::vector<TextSlot> m_texts;
    int m_textCount = 0;

    std::array<std::uint8_t, 128> m_counters{};
    std::array<std::uint8_t, 128> m_timers{};
    std::array<std::uint8_t, 128> m_tmrbTimers{};
    std::array<std::uint8_t, 100> m_labels{};
    std::array<std::uint8_t, 100> m_subprograms{};
    std::array<std::uint8_t, 256> m_edges{};

    std::array<int, kMaxCuts> m_cuts{};
    int m_cutCount = 0;
    SpanTable m_spans{};
    int m_blockFirst = 0;
    int m_blockLast = 0;
    int m_misplacedBox = -1;  // line of a box found below its network's first line

    std::vector<StepRecord> m_steps;
    std::vector<int> m_stepLines;  // per record, the ladder line of its instruction
    int m_stepCount = 0;
    bool m_stepsComplete = false;
    DataTable m_data{};
    StepBuilder m_builder{};
    int m_errorLine = 0;
};

}  // namespace rungpad
