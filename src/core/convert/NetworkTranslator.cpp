// Translation of contacts, horizontal lines, vertical links and coils. The grid of a block is cut
// column-wise into series and parallel spans; parallel spans are reduced branch by branch, nested
// blocks recursively, and AND.STK / OR.STK combine the partial results.
#include <algorithm>
#include <string>

#include "convert/NetworkTranslator.h"
#include "convert/OperandCheck.h"

namespace rungpad {

namespace {

constexpr std::size_t kMnemonicWidth = 10;
constexpr int kLastLogicColumn = 6;

// Box instructions that need no input condition.
bool RunsWithoutInput(std::uint16_t code) {
    switch (code) {
        case 0x1500:  // SP
        case 0x1600:  // SPE
        case 0x7100:  // END1
        case 0x7200:  // END2
        case 0x3400:  // LBL
        case 0x3900:  // COME
            return true;
        default:
            return false;
    }
}

std::string_view ReadMnemonic(std::uint16_t code, bool first) {
    if (first) {
        return code == Element::kNcContact ? "RD.NOT" : "RD";
    }
    return code == Element::kNcContact ? "AND.NOT" : "AND";
}

}  // namespace

// --- network scan -------------------------------------------------------------------------------

int NetworkTranslator::FindNetwork(int start, int& last) {
    last = start;
    m_misplacedBox = -1;
    bool found = false;
    int column = 0;
    while (last <= LastLine()) {
        int c = 0;
        const std::uint16_t code = FindFunction(last, c);
        if (code != 0) {
            found = true;
            column = c;
            if (last != start) {
                // Only the first line may hold the box: close the network at this line.
                m_misplacedBox = last;
                break;
            }
            const LadCell& first = CellAt(start, 0);
            int width = 0;
            int height = 0;
            FuncInstrTable::BoxSize(code, width, height);
            if (first.code == Element::kCodt) {
                height = first.codtCount;
            }
            height = std::clamp(height, 1, kMaxNetworkLines + 1);  // a height of 0 still moves on
            last = start + height - 1;
            if (height == 1 && LastVerticalLink(last, 0, c) != 0) {
                ++last;
                continue;
            }
            break;
        }
        if (LastVerticalLink(last, 0, 7) == 0) {
            break;
        }
        ++last;
    }
    last = std::min(last, LastLine());
    if (last - start >= kMaxNetworkLines) {
        AddError(ConvertError::kConversion, ErrorCode::kNetworkTooLong, last);
        return -2;
    }
    return found ? column : -1;
}

bool NetworkTranslator::AddText(std::string_view text, int line) {
    return Listed(m_list.Add(text, line));
}

// A text the list refused: it is full, or the text too long.
bool NetworkTranslator::Listed(bool added) {
    if (!added) {
        AddError(ConvertError::kConversion, ErrorCode::kListFull, m_list.Count());
    }
    return added;
}

// --- emitters -----------------------------------------------------------------------------------

bool NetworkTranslator::EmitPlain(std::string_view mnemonic, int line) {
    return EmitInstruction(mnemonic, {}, line);
}

bool NetworkTranslator::EmitContact(std::string_view mnemonic, const LadCell& cell, int line) {
    if (cell.text.Empty()) {
        AddError(ConvertError::kConversion, ErrorCode::kAddressMissing, line);
        return false;
    }
    const std::string_view address = cell.Text();
    if (const int error = OperandCheck::BitAddressError(address)) {
        AddError(ConvertError::kConversion, error, line);
        return false;
    }
    return EmitInstruction(mnemonic, address, line);
}

// "mnemonic padded to 10 characters, operand".
bool NetworkTranslator::EmitInstruction(std::string_view mnemonic, std::string_view operand,
                                        int line) {
    return Listed(m_list.AddInstruction(mnemonic, kMnemonicWidth, operand, line));
}
bool NetworkTranslator::EmitSeries(int line, int from, int to, std::uint16_t code) {
    int hlines = 0;
    bool first = true;
    for (int c = from; c <= to; ++c) {
        const LadCell& cell = CellAt(line, c);
        if (cell.code == Element::kEmpty) {
            int column = 0;
            const ErrorCode error = FindFunction(line, column) != 0 ? ErrorCode::kFunctionConnection
                                                                    : ErrorCode::kLineNotConnected;
            AddError(ConvertError::kConversion, error, line);
            return false;
        }
        if (Element::IsContact(cell.code)) {
            if (!EmitContact(ReadMnemonic(cell.code, first), cell, line)) {
                return false;
            }
            first = false;
        } else if (cell.code == Element::kHLine) {
            ++hlines;
        }
    }
    if (hlines == std::max(to - from + 1, 0) && !RunsWithoutInput(code)) {
        AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork, line);
        return false;
    }
    return true;
}

bool NetworkTranslator::EmitAndSeries(int line, int from, int to) {
    for (int c = from; c <= to; ++c) {
        const LadCell& cell = CellAt(line, c);
        if (cell.code == Element::kEmpty) {
            AddError(ConvertError::kConversion, ErrorCode::kIncompleteNetwork, line);
            return false;
        }
        if (Element::IsContact(cell.code) &&
            !EmitContact(ReadMnemonic(cell.code, false), cell, line)) {
            return false;
        }
    }
    return true;
}

bool NetworkTranslator::EmitSingle(int k, int line, int from, int to) {
    for (int c = from; c <= to; ++c) {
        const LadCell& cell = CellAt(line, c);
        if (cell.code == Element::kEmpty) {
            AddError(ConvertError::kConversion, ErrorCode::kLineNotConnected, line);
            return false;
        }
        if (Element::IsContact(cell.code)) {
            const bool closed = cell.code == Element::kNcContact;
            const std::string_view mnemonic =
                k == 0 ? (closed ? "RD.NOT" : "RD") : (closed ? "OR.NOT" : "OR");
            if (!EmitContact(mnemonic, cell, line)) {
                return false;
            }
        }
    }
    return true;
}

bool NetworkTranslator::EmitOutputs(int first, int last, bool isFunction) {
    const ErrorCode error = isFunction ? ErrorCode::kFunctionOutput : ErrorCode::kIllegalOutput;
    for (int i = first; i <= last && i <= LastLine(); ++i) {
        const LadCell& cell = CellAt(i, LadLine::kOutputColumn);
        const std::uint16_t k = cell.code;
        const bool hung = i > first && HasLinkAt(i - 1, kLastLogicColumn);
        const bool refused = (i == first && !Element::IsCoil(k)) ||
                             (i > first && hung && k != Element::kEmpty && !Element::IsCoil(k)) ||
                             (i > first && !hung && k != Element::kEmpty);
        if (refused) {
            AddError(ConvertError::kConversion, error, i);
            return false;
        }
        if (Element::IsCoil(k) && !EmitContact(k == Element::kCoil ? "WRT" : "WRT.NOT", cell, i)) {
            return false;
        }
    }
    return true;
}

// --- measures -----------------------------------------------------------------------------------

NetworkTranslator::RowMeasure NetworkTranslator::Measure(int line, int from, int to) const {
    RowMeasure measure;
    if (!m_grid.IsLineInProgram(line)) {
        measure.failed = true;
        return measure;
    }
    for (int c = std::max(from, 0); c <= std::min(to, LadLine::kOutputColumn); ++c) {
        const std::uint16_t code = CellAt(line, c).code;
        if (code == Element::kEmpty) {
            ++measure.empty;
        } else {
            ++measure.used;
            measure.solid += code != Element::kHLine ? 1 : 0;
        }
    }
    return measure;
}

NetworkTranslator::RowMeasure NetworkTranslator::MeasureRow(int line, int from, int to,
                                                            bool strict) {
    RowMeasure measure = Measure(line, from, to);
    if (strict && !measure.failed && measure.used > 0 && measure.solid == 0) {
        // Only horizontal lines where a contact is needed.
        AddError(ConvertError::kConversion, ErrorCode::kLinesOnly, line);
        measure.failed = true;
    }
    return measure;
}

// Columns from..to of line hold horizontal lines only.
bool NetworkTranslator::IsWire(int line, int from, int to) const {
    const RowMeasure measure = Measure(line, from, to);
    return measure.IsUsed() && measure.empty == 0 && measure.solid == 0;
}

int NetworkTranslator::CountContacts(int line, int from, int to) const {
    int count = 0;
    for (int c = from; c <= to; ++c) {
        count += Element::IsContact(CellAt(line, c).code) ? 1 : 0;
    }
    return count;
}

// --- checks -------------------------------------------------------------------------------------

bool NetworkTranslator::CheckBranch(int line, int from, int to) {
    if (line > LastLine()) {
        return false;
    }
    if ((to == kLastLogicColumn && line == m_blockFirst) || from > to) {
        return true;
    }
    for (int c = from; c <= to; ++c) {
        if (CellAt(line, c).code != Element::kHLine) {
            return true;
        }
    }
    AddError(ConvertError::kConversion, ErrorCode::kLineParallelToContacts, line);
    return false;
}

bool NetworkTranslator::CheckLastSpan(int first, int last, int from, int to) {
    for (int c = from; c <= to; ++c) {
        if (CellAt(first, c).code == Element::kEmpty) {
            AddError(ConvertError::kConversion, ErrorCode::kLineNotConnected, first);
            return false;
        }
    }
    // Below the first line the span must be empty; the lower lines of the box that the block
    // feeds stand in its last column and are not part of the logic.
    for (int i = first + 1; i <= last; ++i) {
        for (int c = from; c <= to; ++c) {
            const std::uint16_t code = CellAt(i, c).code;
            if (code != Element::kEmpty && !Element::IsBoxCell(code)) {
                const bool output = CellAt(i, LadLine::kOutputColumn).code != Element::kEmpty;
                AddError(ConvertError::kConversion,
                         output ? ErrorCode::kIllegalOutput : ErrorCode::kLinesOnly, i);
                return false;
            }
        }
    }
    return true;
}

// --- spans --------------------------------------------------------------------------------------

// Whether the link in column cuts the block first..last into spans: 1 it does, 0 no link runs
// down from the first line, -1 refused (error added).
int NetworkTranslator::IsCut(int first, int last, int column) {
    if (column < 0 || last - first < 1 || last - first >= kMaxNetworkLines) {
        return -1;
    }
    if (column >= LadLine::kOutputColumn || !HasLinkAt(first, column)) {
        return 0;
    }
    const int stop = LinkRunEnd(first, last, column);
    if (stop < 0) {
        return -1;
    }
    const OpenGaps gaps = FindOpenGaps(first, stop, column);
    // A link that ends beside an open gap on the block's last line leads nowhere.
    const bool dangling = stop == last && IsOpenAt(last, column) && !ContinuesBelow(last, column);
    if (dangling) {
        AddError(ConvertError::kConversion, ErrorCode::kBadVerticalLine, last - 1);
    }
    if (gaps.count == last - first) {
        return ReportOpenGaps(first, last, gaps) ? -1 : 1;
    }
    return dangling ? -1 : 1;
}

// The last line the link in column reaches from first: it may stop above last once but not
// start again (1017 where it does); -1 then.
int NetworkTranslator::LinkRunEnd(int first, int last, int column) {
    for (int line = first + 1; line < last; ++line) {
        if (HasLinkAt(line, column)) {
            continue;
        }
        for (int next = line + 1; next < last; ++next) {
            if (HasLinkAt(next, column)) {
                AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork, next);
                return -1;
            }
        }
        return line;
    }
    return last;
}

// Both cells beside the link in column are empty on line: the link passes a gap there.
bool NetworkTranslator::IsOpenAt(int line, int column) const {
    return CellAt(line, column).code == Element::kEmpty &&
           CellAt(line, column + 1).code == Element::kEmpty;
}

// The link in column on the block's last line reaches a line below that holds something beside it.
bool NetworkTranslator::ContinuesBelow(int last, int column) const {
    const LadLine& below = m_grid.GetLine(last + 1);
    return HasLinkAt(last, column) && (below.Cell(column).code != Element::kEmpty ||
                                       below.Cell(column + 1).code != Element::kEmpty);
}

// The open gaps on lines first..stop beside the link in column, each noted by the line above it.
NetworkTranslator::OpenGaps NetworkTranslator::FindOpenGaps(int first, int stop, int column) const {
    OpenGaps gaps;
    for (int line = first; line <= stop; ++line) {
        if (IsOpenAt(line, column)) {
            gaps.above[static_cast<std::size_t>(line - first)] = line - 1;
            ++gaps.count;
        }
    }
    return gaps;
}

// A link with a gap on every line but one joins nothing: 1030 on the line above each gap.
// True when an error was added.
bool NetworkTranslator::ReportOpenGaps(int first, int last, const OpenGaps& gaps) {
    bool added = false;
    for (int line = first; line < last; ++line) {
        const int above = gaps.above[static_cast<std::size_t>(line - first)];
        if (above != 0) {
            AddError(ConvertError::kConversion, ErrorCode::kBadVerticalLine, above);
            added = true;
        }
    }
    return added;
}

bool NetworkTranslator::BuildSpans(int first, int last, int from, int to) {
    if (first >= last || from == to) {
        return false;
    }
    m_cutCount = 0;
    m_spans.count = 0;
    for (int c = from; c <= to; ++c) {
        const int cut = IsCut(first, last, c);
        if (cut == -1) {
            return false;
        }
        if (cut == 1) {
            if (m_cutCount >= kMaxCuts) {
                return false;
            }
            m_cuts[static_cast<std::size_t>(m_cutCount++)] = c;
        }
    }
    if (m_cutCount == 0 || m_cutCount >= kMaxCuts) {
        return false;
    }
    m_cuts[static_cast<std::size_t>(m_cutCount++)] = to;
    for (int j = 0; j < m_cutCount; ++j) {
        if (m_spans.count >= kMaxSpans) {
            return false;
        }
        Span& span = m_spans.spans[static_cast<std::size_t>(m_spans.count++)];
        span.first = j == 0 ? from : m_cuts[static_cast<std::size_t>(j - 1)] + 1;
        span.last = m_cuts[static_cast<std::size_t>(j)];
        span.parallel =
            span.first <= span.last && LastVerticalLink(first, span.first, span.last + 1) != 0;
    }
    return true;
}

// --- block reduction ----------------------------------------------------------------------------

bool NetworkTranslator::TranslateCoilNetwork(int first, int last) {
    const int before = m_list.Count();
    const bool reduced = first >= last ? EmitSeries(first, 0, kLastLogicColumn, 0)
                                       : ReduceBlock(first, last, 0, LadLine::kOutputColumn);
    if (reduced && m_list.Count() == before) {
        // No contact reaches the coils: they would write whatever the last network left.
        AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork, first);
        return false;
    }
    return reduced && EmitOutputs(first, last, false);
}

// Each block keeps its own pending values; a nested block leaves one value for its parent.
bool NetworkTranslator::ReduceBlock(int first, int last, int from, int to) {
    const PendingValues outer = m_pending;
    m_pending = {};
    bool reduced = ReduceSpans(first, last, from, to);
    // Values a branch further down was to join but did not are joined here, so none is lost.
    while (reduced && m_pending.count > 1) {
        reduced = EmitAndStk(first);
    }
    m_pending = outer;
    return reduced;
}

void NetworkTranslator::PushValue(int column) {
    if (m_pending.count < static_cast<int>(m_pending.columns.size())) {
        m_pending.columns[static_cast<std::size_t>(m_pending.count++)] = column;
    }
}

bool NetworkTranslator::EmitAndStk(int line) {
    m_pending.count = std::max(m_pending.count - 1, 0);
    return EmitPlain("AND.STK", line);
}

// A branch that starts at column joins everything from that column on: the values of the spans
// right of it become one.
bool NetworkTranslator::JoinValuesFrom(int column, int line) {
    while (m_pending.count > 1 &&
           m_pending.columns[static_cast<std::size_t>(m_pending.count - 2)] >= column) {
        if (!EmitAndStk(line)) {
            return false;
        }
    }
    return true;
}

// A lower row passes under cur and starts right of the value below cur's: that branch must join
// cur's value alone, so the two are not joined yet.
bool NetworkTranslator::ReopenedLater(const Span& cur) const {
    if (m_pending.count < 2) {
        return false;
    }
    const int below = m_pending.columns[static_cast<std::size_t>(m_pending.count - 2)];
    for (int row = m_blockFirst + 1; row <= m_blockLast; ++row) {
        const RowMeasure under = Measure(row, cur.first, cur.last);
        if (!under.IsUsed() || under.empty > 0 || HasLinkAt(row - 1, cur.last)) {
            continue;
        }
        int start = cur.first;
        while (start > 0 && !HasLinkAt(row - 1, start - 1)) {
            --start;
        }
        if (start > below) {
            return true;
        }
    }
    return false;
}

bool NetworkTranslator::ReduceSpans(int first, int last, int from, int to) {
    if (!BuildSpans(first, last, from, to)) {
        AddError(ConvertError::kConversion, ErrorCode::kIncompleteNetwork, first);
        return false;
    }
    SpanTable spans = m_spans;  // nested blocks rebuild the converter's table
    m_blockFirst = first;
    m_blockLast = last;
    int c = 0;  // branch measure of the last parallel span, kept across spans
    for (int j = 0; j < spans.count; ++j) {
        Span& span = spans.spans[static_cast<std::size_t>(j)];
        if (span.first >= LadLine::kOutputColumn) {
            return true;
        }
        span.last = std::min(span.last, kLastLogicColumn);
        if (!span.parallel) {
            if (!CheckBranch(first, span.first, span.last)) {
                return false;
            }
            if (j == spans.count - 1 && !CheckLastSpan(first, last, span.first, span.last)) {
                return false;
            }
            if (j == 0) {
                if (Measure(first, span.first, span.last).IsUnused()) {
                    return true;
                }
                if (!EmitSeries(first, span.first, span.last, 0)) {
                    return false;
                }
                PushValue(span.first);
            } else if (!EmitAndSeries(first, span.first, span.last)) {
                return false;
            }
        } else if (!ReduceParallelSpan(j, spans, c)) {
            return false;
        }
    }
    return true;
}

// A parallel span: its branches, line by line from the block's first line, each read and ORed
// with those above it; then the span's value joins the value before it.
bool NetworkTranslator::ReduceParallelSpan(int spanIndex, SpanTable& spans, int& contacts) {
    const int first = m_blockFirst;
    const int last = m_blockLast;
    Span& span = spans.spans[static_cast<std::size_t>(spanIndex)];
    int line = first;
    int branchEnd = NextBranch(line, last, span, false, spanIndex);
    if (branchEnd == -1) {
        return false;
    }
    if (branchEnd < line) {
        // Nothing on any line of the span: what follows would hang on links that lead nowhere.
        AddError(ConvertError::kConversion, ErrorCode::kLineNotConnected, first);
        return false;
    }
    const int wireEdge = WireEdge(span);
    for (int branch = 0; line <= branchEnd; ++branch) {
        if (!CheckBranch(line, span.first, span.last) ||
            !CheckNotBypassed(line, branch, span, wireEdge)) {
            return false;
        }
        const bool reduced = LastVerticalLink(line, span.first, span.last) != 0
                                 ? ReduceNestedBranch(line, branch, span, contacts)
                                 : ReduceRowBranch(line, branch, span, contacts);
        if (!reduced) {
            return false;
        }
        ++line;
        if (line > last) {
            break;
        }
        branchEnd = NextBranch(line, last, span, true, spanIndex);
        if (branchEnd == -1) {
            return false;
        }
    }
    return spanIndex == 0 || JoinSpanValue(spanIndex, spans, contacts);
}

// The block's first line may run to the coils on horizontal lines alone through the span: the
// span's left edge then, else -1.
int NetworkTranslator::WireEdge(const Span& span) const {
    const bool wire = span.last == kLastLogicColumn && IsWire(m_blockFirst, span.first, span.last);
    return wire ? span.first : -1;
}

// A later branch with contacts, hung on the edge where the first line runs on as a wire, is
// bypassed by it: 1041 on the wire's line.
bool NetworkTranslator::CheckNotBypassed(int line, int branch, const Span& span, int wireEdge) {
    if (branch > 0 && span.first == wireEdge && CountContacts(line, span.first, span.last) > 0) {
        AddError(ConvertError::kConversion, ErrorCode::kLineParallelToContacts, m_blockFirst);
        return false;
    }
    return true;
}

// A branch on one line: a single contact is read or ORed directly, several are read in series
// and ORed by OR.STK. The first branch's value is the span's.
bool NetworkTranslator::ReduceRowBranch(int line, int branch, const Span& span, int& contacts) {
    const int from = span.first;
    const int to = span.last;
    contacts = CountContacts(line, from, to);
    if (contacts == 1 && !EmitSingle(branch, line, from, to)) {
        return false;
    }
    if (contacts > 1 &&
        (!EmitSeries(line, from, to, 0) || (branch > 0 && !EmitPlain("OR.STK", line)))) {
        return false;
    }
    if (branch == 0 && contacts > 0) {
        PushValue(from);
    }
    return true;
}

// A nested block starts on line (a link inside the span): it runs down while its lines hold
// links, is reduced as a block of its own and ORed with the branches above; line moves to its
// last line.
bool NetworkTranslator::ReduceNestedBranch(int& line, int branch, const Span& span, int& contacts) {
    const int first = m_blockFirst;
    const int last = m_blockLast;
    const int from = span.first;
    const int to = span.last;
    int nestedLast = line + 1;
    while (nestedLast <= last && LastVerticalLink(nestedLast, from, to) != 0) {
        ++nestedLast;
    }
    if (!ReduceBlock(line, nestedLast, from, to)) {
        return false;
    }
    m_blockFirst = first;
    m_blockLast = last;
    if (branch > 0 && !EmitPlain("OR.STK", last)) {
        return false;
    }
    if (branch == 0) {
        PushValue(span.first);
    }
    line = nestedLast;
    contacts = 1;
    return true;
}

// After a later span's branches: a second span behind a first one without contacts has nothing
// to join (1017); otherwise the span's value is ANDed with the value before it where that is
// the block's own.
bool NetworkTranslator::JoinSpanValue(int spanIndex, const SpanTable& spans, int contacts) {
    const int first = m_blockFirst;
    const Span& span = spans.spans[static_cast<std::size_t>(spanIndex)];
    const Span& span0 = spans.spans[0];
    if (spanIndex == 1 && !span0.parallel && CountContacts(first, span0.first, span0.last) == 0) {
        AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork, first);
        return false;
    }
    if (span.first == 0 || contacts == 0) {
        return true;
    }
    const int needed = NeedsAndStk(spans, spanIndex);
    // Only the block's own values are joined: a nested block's span that a branch reopened to
    // the block's left edge already holds the block's whole value.
    const bool join = needed == 1 && m_pending.count > 1 && !ReopenedLater(span);
    return needed != -1 && (!join || EmitAndStk(first));
}

// The next branch of the span from line on: the last line of the branch rows (a nested block's
// branches run to the block's end), line - 1 when none is left, -1 refused. Empty rows are
// skipped; a row not hung on the span's right edge ends the span's branches.
int NetworkTranslator::NextBranch(int& line, int last, Span& span, bool continuing, int spanIndex) {
    if (line > last) {
        return -1;
    }
    for (int row = line; row <= last; ++row) {
        const int link = LastVerticalLink(row, span.first, span.last);
        // A row not hung on the span's right edge belongs to a later span, nested block or not.
        const bool unhung = continuing && !HasLinkAt(row - 1, span.last);
        if (unhung && link > 0) {
            return EndOfBranches(row, line, span.first, span.last);
        }
        if (link > 0) {
            return NestedBlockEnd(row, link, last, span);
        }
        if (!CheckRowBelow(row, last, span.last)) {
            return -1;
        }
        if (unhung) {
            return EndOfBranches(row, line, span.first, span.last);
        }
        const RowMeasure measure = Measure(row, span.first, span.last);
        if (measure.IsUsed() && measure.empty == 0) {
            return ReopenSpan(row, span, spanIndex) ? row : -1;
        }
        if (!CheckEmptyRow(measure, row)) {
            return -1;
        }
        if (line + 1 <= last) {
            ++line;
        }
    }
    return line - 1;
}

// A nested block starts on row at a link inside the span: the cells below it left of the link
// must not be horizontal lines only, and the block must hang on the span's left edge and on its
// right edge (or have nothing right of the link below). Its branches run to last.
int NetworkTranslator::NestedBlockEnd(int row, int link, int last, const Span& span) {
    const int from = span.first;
    const int to = span.last;
    if (MeasureRow(row + 1, from, link - 1, true).failed) {
        return -1;
    }
    if ((from == 0 || HasLinkAt(row, from - 1)) &&
        (HasLinkAt(row, to) || !MeasureRow(row + 1, link, to + 1, true).IsUsed())) {
        return last;
    }
    AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork, row + 1);
    return -1;
}

// Below a row not linked at the span's right edge, the next row may not start there with a gap.
bool NetworkTranslator::CheckRowBelow(int row, int last, int to) {
    if (row < last && !HasLinkAt(row, to) && Measure(row + 1, to, to + 1).HasGap()) {
        AddError(ConvertError::kConversion, ErrorCode::kLineNotConnected, row + 1);
        return false;
    }
    return true;
}

// A row that is no complete branch is skipped when it is empty; one with a gap ends unconnected.
bool NetworkTranslator::CheckEmptyRow(const RowMeasure& measure, int row) {
    if (measure.failed) {
        return false;
    }
    if (measure.HasGap()) {
        AddError(ConvertError::kConversion, ErrorCode::kLineNotConnected, row);
        return false;
    }
    return true;
}

// A complete branch row that nothing links to the span's left edge from above starts further
// left: the span reopens from where the row starts, and the values of the spans it passes are
// joined first.
bool NetworkTranslator::ReopenSpan(int row, Span& span, int spanIndex) {
    if (m_blockFirst >= row || span.first == 0 || HasLinkAt(row - 1, span.first - 1)) {
        return true;
    }
    while (span.first - 1 >= 0 && !HasLinkAt(row - 1, span.first - 1)) {
        --span.first;
    }
    return spanIndex == 0 || JoinValuesFrom(span.first, row);
}

// The span's branches end above row; row must reach past the span to belong to a later one.
int NetworkTranslator::EndOfBranches(int row, int line, int from, int to) {
    if (Measure(row, from, to + 1).HasGap()) {
        AddError(ConvertError::kConversion, ErrorCode::kLineNotConnected, row + 1);
        return -1;
    }
    return line - 1;
}

int NetworkTranslator::SpanBottom(const Span& span) const {
    int run = 0;
    for (int t = m_blockFirst; t <= m_blockLast - 1; ++t) {
        run = Measure(t, span.first, span.last).IsUnused() ? run + 1 : 0;
        if (!HasLinkAt(t, span.last)) {
            const int bottom = t - run;
            if (bottom != 0) {
                return bottom;
            }
        }
    }
    return 0;
}

int NetworkTranslator::NeedsAndStk(const SpanTable& spans, int spanIndex) {
    const int last = m_blockLast;
    const Span& prev = spans.spans[static_cast<std::size_t>(spanIndex - 1)];
    const Span& cur = spans.spans[static_cast<std::size_t>(spanIndex)];
    const bool hasNext = spanIndex + 1 < spans.count;
    const Span next = hasNext ? spans.spans[static_cast<std::size_t>(spanIndex + 1)] : Span{};
    if (LastVerticalLink(last - 1, cur.first, cur.last + 1) != 0) {
        return 1;
    }
    int prevBottom = SpanBottom(prev);
    const int curBottom = SpanBottom(cur);
    int nextBottom = hasNext ? SpanBottom(next) : 0;
    prevBottom = prevBottom == 0 ? last : prevBottom;
    nextBottom = nextBottom == 0 ? last : nextBottom;
    bool done =
        hasNext ? (prevBottom == curBottom && curBottom == nextBottom) : (prevBottom == curBottom);
    int count = 0;
    for (int line = curBottom; line <= last - 1 && !done; ++line) {
        if (!Measure(line + 1, cur.first, cur.last).IsUnused()) {
            const bool linkNext = hasNext && LastVerticalLink(line, next.first, next.last) != 0;
            const bool linkBoth = LastVerticalLink(line, cur.first, cur.last) != 0 &&
                                  LastVerticalLink(line, prev.first, prev.last) != 0;
            if (linkNext || linkBoth) {
                AddError(ConvertError::kConversion, ErrorCode::kUnsupportedNetwork, line);
                return -1;
            }
            if (prevBottom > curBottom && !(hasNext && HasLinkAt(line, next.last))) {
                return 0;
            }
        } else if (!HasLinkAt(line, prev.last)) {
            done = true;
        } else {
            ++count;
        }
    }
    return (prevBottom <= curBottom || done || count == prevBottom - curBottom) ? 1 : 0;
}

}  // namespace rungpad
