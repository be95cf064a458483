// Translation of contacts, horizontal lines, vertical links and coils. The grid of a block is cut
// column-wise into series and parallel spans; parallel spans are reduced branch by branch, nested
// blocks recursively, and AND.STK / OR.STK combine the partial results.
#include <algorithm>
#include <string>

#include "convert/LadConvert.h"
#include "convert/OperandCheck.h"

namespace rungpad {

namespace {

constexpr int kMnemonicWidth = 10;
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

// --- emitters -----------------------------------------------------------------------------------

bool CLadConvert::EmitPlain(std::string_view mnemonic, int line) {
    return EmitInstruction(mnemonic, {}, line);
}

bool CLadConvert::EmitContact(std::string_view mnemonic, const LadCell& cell, int line) {
    if (cell.text.Empty()) {
        AddError(ConvertError::kConversion, 1001, line);
        return false;
    }
    if (const int error = OperandCheck::BitAddressError(cell.Text())) {
        AddError(ConvertError::kConversion, error, line);
        return false;
    }
    return EmitInstruction(mnemonic, cell.Text(), line);
}

// Composes "mnemonic padded to 10 characters, operand" in the text buffer and adds it.
bool CLadConvert::EmitInstruction(std::string_view mnemonic, std::string_view operand, int line) {
    std::array<char, 64> buffer;
    const std::size_t width = std::max<std::size_t>(mnemonic.size(), kMnemonicWidth);
    const std::size_t length = std::min(width + operand.size(), buffer.size());
    buffer.fill(' ');
    mnemonic.copy(buffer.data(), std::min(mnemonic.size(), buffer.size()));
    operand.copy(buffer.data() + std::min(width, buffer.size()), length - std::min(width, length));
    return AddText(std::string_view(buffer.data(), length), line);
}

bool CLadConvert::EmitSeries(int line, int from, int to, std::uint16_t code) {
    int hlines = 0;
    bool first = true;
    for (int c = from; c <= to; ++c) {
        const LadCell& cell = CellAt(line, c);
        if (cell.code == Element::kEmpty) {
            int column = 0;
            const int error = FindFunction(line, column) != 0 ? 1008 : 1009;
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
        AddError(ConvertError::kConversion, 1017, line);
        return false;
    }
    return true;
}

bool CLadConvert::EmitAndSeries(int line, int from, int to) {
    for (int c = from; c <= to; ++c) {
        const LadCell& cell = CellAt(line, c);
        if (cell.code == Element::kEmpty) {
            AddError(ConvertError::kConversion, 1016, line);
            return false;
        }
        if (Element::IsContact(cell.code) &&
            !EmitContact(ReadMnemonic(cell.code, false), cell, line)) {
            return false;
        }
    }
    return true;
}

bool CLadConvert::EmitSingle(int k, int line, int from, int to) {
    for (int c = from; c <= to; ++c) {
        const LadCell& cell = CellAt(line, c);
        if (cell.code == Element::kEmpty) {
            AddError(ConvertError::kConversion, 1009, line);
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

bool CLadConvert::EmitOutputs(int first, int last, bool isFunction) {
    const int error = isFunction ? 1025 : 1006;
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

int CLadConvert::Measure(int line, int from, int to) const {
    if (!IsLineInProgram(line)) {
        return -1;
    }
    int empty = 0;
    int used = 0;
    int solid = 0;
    for (int c = std::max(from, 0); c <= std::min(to, LadLine::kOutputColumn); ++c) {
        const std::uint16_t code = CellAt(line, c).code;
        if (code == Element::kEmpty) {
            ++empty;
        } else {
            ++used;
            solid += code != Element::kHLine ? 1 : 0;
        }
    }
    return used == 0 ? 0 : empty * 10000 + used * 100 + solid;
}

int CLadConvert::RowMeasure(int line, int from, int to, bool strict) {
    const int measure = Measure(line, from, to);
    if (strict && measure > 0 && measure % 100 == 0) {
        // Only horizontal lines where a contact is needed.
        AddError(ConvertError::kConversion, 1024, line);
        return -1;
    }
    return measure;
}

int CLadConvert::CountContacts(int line, int from, int to) const {
    int count = 0;
    for (int c = from; c <= to; ++c) {
        count += Element::IsContact(CellAt(line, c).code) ? 1 : 0;
    }
    return count;
}

// --- checks -------------------------------------------------------------------------------------

bool CLadConvert::CheckBranch(int line, int from, int to) {
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
    AddError(ConvertError::kConversion, 1041, line);
    return false;
}

bool CLadConvert::CheckLastSpan(int first, int last, int from, int to) {
    for (int c = from; c <= to; ++c) {
        if (CellAt(first, c).code == Element::kEmpty) {
            AddError(ConvertError::kConversion, 1009, first);
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
                AddError(ConvertError::kConversion, output ? 1006 : 1024, i);
                return false;
            }
        }
    }
    return true;
}

// --- spans --------------------------------------------------------------------------------------

int CLadConvert::IsCut(int first, int last, int column) {
    if (column < 0 || last - first < 1 || last - first >= kMaxNetworkLines) {
        return -1;
    }
    if (column >= LadLine::kOutputColumn) {
        return 0;
    }
    std::array<int, kMaxNetworkLines> recorded{};  // per block line; 0 means none
    int n = 0;
    bool broken = false;
    bool end = false;
    for (int i = first; i <= last; ++i) {
        if (!HasLinkAt(i, column)) {
            if (i == first) {
                return 0;
            }
            if (i < last) {
                for (int k = i + 1; k < last; ++k) {
                    if (HasLinkAt(k, column)) {
                        AddError(ConvertError::kConversion, 1017, k);
                        return -1;
                    }
                }
                broken = true;
            }
        }
        const bool open = CellAt(i, column).code == Element::kEmpty &&
                          CellAt(i, column + 1).code == Element::kEmpty;
        recorded[static_cast<std::size_t>(i - first)] = open ? i - 1 : 0;
        if (open) {
            ++n;
            if (i == last) {
                const LadLine& below = GetLine(last + 1);
                const bool continues =
                    HasLinkAt(last, column) && (below.Cell(column).code != Element::kEmpty ||
                                                below.Cell(column + 1).code != Element::kEmpty);
                end = !continues;
                if (end) {
                    AddError(ConvertError::kConversion, 1030, i - 1);
                }
            }
        }
        if (broken) {
            break;
        }
    }
    if (n == last - first) {
        bool added = false;
        for (int i = first; i < last; ++i) {
            const int line = recorded[static_cast<std::size_t>(i - first)];
            if (line != 0) {
                AddError(ConvertError::kConversion, 1030, line);
                added = true;
            }
        }
        return added ? -1 : 1;
    }
    return end ? -1 : 1;
}

bool CLadConvert::BuildSpans(int first, int last, int from, int to) {
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

bool CLadConvert::TranslateCoilNetwork(int first, int last) {
    const bool reduced = first >= last ? EmitSeries(first, 0, kLastLogicColumn, 0)
                                       : ReduceBlock(first, last, 0, LadLine::kOutputColumn);
    return reduced && EmitOutputs(first, last, false);
}

bool CLadConvert::ReduceBlock(int first, int last, int from, int to) {
    if (!BuildSpans(first, last, from, to)) {
        AddError(ConvertError::kConversion, 1016, first);
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
                if (RowMeasure(first, span.first, span.last, false) == 0) {
                    return true;
                }
                if (!EmitSeries(first, span.first, span.last, 0)) {
                    return false;
                }
            } else if (!EmitAndSeries(first, span.first, span.last)) {
                return false;
            }
        } else if (!ReduceParallelSpan(j, spans, c)) {
            return false;
        }
    }
    return true;
}

bool CLadConvert::ReduceParallelSpan(int j, SpanTable& spans, int& c) {
    const int first = m_blockFirst;
    const int last = m_blockLast;
    Span& span = spans.spans[static_cast<std::size_t>(j)];
    int i = first;
    int r = NextBranch(i, last, span, false, j);
    if (r == -1) {
        return false;
    }
    int k = 0;  // branches reduced so far
    while (i <= r) {
        const int s = span.first;
        const int e = span.last;
        if (!CheckBranch(i, s, e)) {
            return false;
        }
        if (LastVerticalLink(i, s, e) != 0) {
            // A nested block starts on this line.
            int m = i + 1;
            while (m <= r && LastVerticalLink(m, s, e) != 0) {
                ++m;
            }
            if (!ReduceBlock(i, m, s, e)) {
                return false;
            }
            m_blockFirst = first;
            m_blockLast = last;
            if (k > 0 && !EmitPlain("OR.STK", last)) {
                return false;
            }
            i = m;
            c = 1;
        } else {
            c = CountContacts(i, s, e);
            if (c == 1 && !EmitSingle(k, i, s, e)) {
                return false;
            }
            if (c > 1 && (!EmitSeries(i, s, e, 0) || (k > 0 && !EmitPlain("OR.STK", i)))) {
                return false;
            }
        }
        ++i;
        if (i > last) {
            break;
        }
        r = NextBranch(i, last, span, true, j);
        if (r == -1) {
            return false;
        }
        ++k;
    }
    if (j > 0) {
        const Span& span0 = spans.spans[0];
        if (j == 1 && !span0.parallel && CountContacts(first, span0.first, span0.last) == 0) {
            AddError(ConvertError::kConversion, 1017, first);
            return false;
        }
        if (span.first > 0 && c > 0) {
            const int a = NeedsAndStk(spans, j);
            if (a == -1 || (a == 1 && !EmitPlain("AND.STK", first))) {
                return false;
            }
        }
    }
    return true;
}

int CLadConvert::NextBranch(int& i, int last, Span& span, bool continuing, int j) {
    if (i > last) {
        return -1;
    }
    int& s = span.first;
    const int e = span.last;
    for (int t = i; t <= last; ++t) {
        const int v = LastVerticalLink(t, s, e);
        if (v > 0) {
            const int m = RowMeasure(t + 1, s, v - 1, true);
            if (m == -1) {
                return -1;
            }
            if ((s == 0 || HasLinkAt(t, s - 1)) &&
                (HasLinkAt(t, e) || RowMeasure(t + 1, v, e + 1, true) <= 0)) {
                return last;
            }
            AddError(ConvertError::kConversion, 1017, t + 1);
            return -1;
        }
        if (t < last && !HasLinkAt(t, e) && RowMeasure(t + 1, e, e + 1, false) >= 10000) {
            AddError(ConvertError::kConversion, 1009, t + 1);
            return -1;
        }
        if (continuing && !HasLinkAt(t - 1, e)) {
            if (RowMeasure(t, s, e + 1, false) >= 10000) {
                AddError(ConvertError::kConversion, 1009, t + 1);
                return -1;
            }
            return i - 1;
        }
        const int w = RowMeasure(t, s, e, false);
        if (w > 0 && w < 10000) {
            // A complete branch row; a branch that starts further left reopens the span.
            if (m_blockFirst < t && s > 0 && !HasLinkAt(t - 1, s - 1)) {
                const int s0 = s;
                while (s - 1 >= 0 && !HasLinkAt(t - 1, s - 1)) {
                    --s;
                }
                if (s0 > 0 && j > 0 && RowMeasure(m_blockFirst, s0, e, false) % 100 > 0 &&
                    !EmitPlain("AND.STK", t)) {
                    return -1;
                }
            }
            return t;
        }
        if (w == -1) {
            return -1;
        }
        if (w > 10000) {
            AddError(ConvertError::kConversion, 1009, t);
            return -1;
        }
        if (i + 1 <= last) {
            ++i;
        }
    }
    return i - 1;
}

int CLadConvert::SpanBottom(const Span& span) const {
    int run = 0;
    for (int t = m_blockFirst; t <= m_blockLast - 1; ++t) {
        run = Measure(t, span.first, span.last) == 0 ? run + 1 : 0;
        if (!HasLinkAt(t, span.last)) {
            const int bottom = t - run;
            if (bottom != 0) {
                return bottom;
            }
        }
    }
    return 0;
}

int CLadConvert::NeedsAndStk(const SpanTable& spans, int j) {
    const int last = m_blockLast;
    const Span& prev = spans.spans[static_cast<std::size_t>(j - 1)];
    const Span& cur = spans.spans[static_cast<std::size_t>(j)];
    const bool hasNext = j + 1 < spans.count;
    const Span next = hasNext ? spans.spans[static_cast<std::size_t>(j + 1)] : Span{};
    if (LastVerticalLink(last - 1, cur.first, cur.last + 1) != 0) {
        return 1;
    }
    int p = SpanBottom(prev);
    const int cb = SpanBottom(cur);
    int n = hasNext ? SpanBottom(next) : 0;
    p = p == 0 ? last : p;
    n = n == 0 ? last : n;
    bool done = hasNext ? (p == cb && cb == n) : (p == cb);
    int count = 0;
    for (int t = cb; t <= last - 1 && !done; ++t) {
        if (RowMeasure(t + 1, cur.first, cur.last, false) != 0) {
            const bool linkNext = hasNext && LastVerticalLink(t, next.first, next.last) != 0;
            const bool linkBoth = LastVerticalLink(t, cur.first, cur.last) != 0 &&
                                  LastVerticalLink(t, prev.first, prev.last) != 0;
            if (linkNext || linkBoth) {
                AddError(ConvertError::kConversion, 1017, t);
                return -1;
            }
            if (p > cb && !(hasNext && HasLinkAt(t, next.last))) {
                return 0;
            }
        } else if (!HasLinkAt(t, prev.last)) {
            done = true;
        } else {
            ++count;
        }
    }
    return (p <= cb || done || count == p - cb) ? 1 : 0;
}

}  // namespace rungpad
