#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "convert/ConvertErrorList.h"
#include "convert/InstructionList.h"
#include "convert/LadderGrid.h"
#include "model/FuncInstrTable.h"

namespace rungpad {

// Translates the networks of the ladder grid into instruction texts. A coil network's grid is cut
// column-wise into series and parallel spans; parallel spans are reduced branch by branch, nested
// blocks recursively, and AND.STK / OR.STK combine the partial results. A box network gives the
// series of its input rows, the box text and its outputs.
//
// Each routine adds at most one error (a few add two) and returns failure; its caller stops, so a
// conversion reports one problem.
class NetworkTranslator {
  public:
    static constexpr int kMaxCuts = 30;
    static constexpr int kMaxSpans = 30;
    static constexpr int kMaxNetworkLines = 100;

    NetworkTranslator(const LadderGrid& grid, InstructionList& list, ConvertErrorList& errors)
        : m_grid(grid), m_list(list), m_errors(errors) {}
    NetworkTranslator(const NetworkTranslator&) = delete;
    NetworkTranslator& operator=(const NetworkTranslator&) = delete;

    // Cuts the network that starts at start: its last line through last; returns the column of
    // its box, -1 without a box, -2 when the network is too long (1026 added).
    int FindNetwork(int start, int& last);
    // The line of a box the last FindNetwork met below its network's first line; -1 if none.
    int MisplacedBox() const { return m_misplacedBox; }

    bool TranslateCoilNetwork(int first, int last);
    bool TranslateFunctionNetwork(int first, int last, int column);
    bool TranslateCodtLines(int first, int last);

    // Stores text with its ladder line. Refused with 1004 when 4000 texts are held or the text has
    // 50 characters or more.
    bool AddText(std::string_view text, int line);

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
    // The values a block has put on the logic stack and not yet combined, each with the column
    // its span starts at; AND.STK joins the top two.
    struct PendingValues {
        std::array<int, kMaxSpans + 1> columns{};
        int count = 0;
    };
    // The lines beside a cutting link where both its cells are empty, each noted by the line
    // above it (0 for none) at its place in the block.
    struct OpenGaps {
        std::array<int, kMaxNetworkLines> above{};
        int count = 0;
    };
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

    // The grid, read through the converter's clamped access.
    const LadCell& CellAt(int line, int column) const { return m_grid.CellAt(line, column); }
    bool HasLinkAt(int line, int column) const { return m_grid.HasLinkAt(line, column); }
    int LastLine() const { return m_grid.LastLine(); }
    std::uint16_t FindFunction(int line, int& column) const {
        return m_grid.FindFunction(line, column);
    }
    int LastVerticalLink(int line, int from, int to) const {
        return m_grid.LastVerticalLink(line, from, to);
    }
    bool IsBlankLine(int line, int from, int to) const {
        return m_grid.IsBlankLine(line, from, to);
    }
    void AddError(int kind, ErrorCode code, int line) { m_errors.Add(kind, code, line); }
    bool Listed(bool added);
    void AddError(int kind, int code, int line) { m_errors.Add(kind, code, line); }

    // Contacts, lines, links and coils.
    bool ReduceBlock(int first, int last, int from, int to);
    bool ReduceSpans(int first, int last, int from, int to);
    void PushValue(int column);
    bool EmitAndStk(int line);
    bool JoinValuesFrom(int column, int line);
    bool ReopenedLater(const Span& cur) const;
    bool EmitSeries(int line, int from, int to, std::uint16_t code);
    bool EmitOutputs(int first, int last, bool isFunction);
    RowMeasure Measure(int line, int from, int to) const;
    // Measure; strict refuses a row of horizontal lines only with 1024.
    RowMeasure MeasureRow(int line, int from, int to, bool strict);
    int CountContacts(int line, int from, int to) const;
    bool IsWire(int line, int from, int to) const;
    bool BuildSpans(int first, int last, int from, int to);
    // Cuts.
    int IsCut(int first, int last, int column);
    int LinkRunEnd(int first, int last, int column);
    bool IsOpenAt(int line, int column) const;
    bool ContinuesBelow(int last, int column) const;
    OpenGaps FindOpenGaps(int first, int stop, int column) const;
    bool ReportOpenGaps(int first, int last, const OpenGaps& gaps);
    // Parallel spans and their branches.
    bool ReduceParallelSpan(int spanIndex, SpanTable& spans, int& contacts);
    int WireEdge(const Span& span) const;
    bool CheckNotBypassed(int line, int branch, const Span& span, int wireEdge);
    bool ReduceRowBranch(int line, int branch, const Span& span, int& contacts);
    bool ReduceNestedBranch(int& line, int branch, const Span& span, int& contacts);
    bool JoinSpanValue(int spanIndex, const SpanTable& spans, int contacts);
    int NextBranch(int& line, int last, Span& span, bool continuing, int spanIndex);
    int NestedBlockEnd(int row, int link, int last, const Span& span);
    bool CheckRowBelow(int row, int last, int to);
    bool CheckEmptyRow(const RowMeasure& measure, int row);
    bool ReopenSpan(int row, Span& span, int spanIndex);
    int EndOfBranches(int row, int line, int from, int to);
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

    const LadderGrid& m_grid;
    InstructionList& m_list;
    ConvertErrorList& m_errors;

    std::array<int, kMaxCuts> m_cuts{};
    int m_cutCount = 0;
    SpanTable m_spans{};
    int m_blockFirst = 0;
    int m_blockLast = 0;
    PendingValues m_pending{};
    int m_misplacedBox = -1;  // line of a box found below its network's first line
};

}  // namespace rungpad
