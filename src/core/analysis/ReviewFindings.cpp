#include "analysis/ReviewFindings.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "analysis/ParameterAccess.h"
#include "analysis/XrefAddress.h"
#include "model/CellValue.h"
#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"

namespace rungpad {

namespace {

using ByteKey = std::pair<std::string, int>;  // type and byte number

ByteKey ByteOf(const XrefAddress& address) {
    return {address.type, address.byte};
}

GridPos PlaceOf(const XrefUse& use) {
    return {use.column, use.line};
}

bool IsLatch(const XrefUse& use) {
    return use.kind == XrefKind::kParameter &&
           (use.function == FuncInstrTable::CodeOf(FuncInstrTable::kSET) ||
            use.function == FuncInstrTable::CodeOf(FuncInstrTable::kRST));
}

std::vector<GridPos> PlacesOf(std::vector<const XrefUse*> uses) {
    std::sort(uses.begin(), uses.end(), [](const XrefUse* a, const XrefUse* b) {
        return std::pair(a->line, a->column) < std::pair(b->line, b->column);
    });
    std::vector<GridPos> places;
    for (const XrefUse* use : uses) {
        places.push_back(PlaceOf(*use));
    }
    return places;
}

// The bits and whole bytes that the reads or the writes of the program reach. A byte operand
// reaches its width in bytes.
class Coverage {
  public:
    void Add(const XrefAddress& address, int width) {
        if (address.IsBit()) {
            m_bits.insert(address);
            m_bytesTouched.insert(ByteOf(address));
            return;
        }
        for (int i = 0; i < width; ++i) {
            m_bytes.insert({address.type, address.byte + i});
            m_bytesTouched.insert({address.type, address.byte + i});
        }
    }
    // A bit is reached by itself or by its whole byte.
    bool ReachesBit(const XrefAddress& bit) const {
        return m_bits.count(bit) != 0 || m_bytes.count(ByteOf(bit)) != 0;
    }
    // A byte range is reached by anything inside it.
    bool ReachesAny(const XrefAddress& byte, int width) const {
        for (int i = 0; i < width; ++i) {
            if (m_bytesTouched.count({byte.type, byte.byte + i}) != 0) {
                return true;
            }
        }
        return false;
    }

  private:
    std::set<XrefAddress> m_bits;
    std::set<ByteKey> m_bytes;
    std::set<ByteKey> m_bytesTouched;
};

// Where a box holds a constant whose width its format (or the box itself) gives.
struct ConstantRule {
    int index;           // catalogue index
    int formatColumn;    // offset of the format parameter from the header; 0: no format
    int constantColumn;  // offset of the constant (or address) parameter
    int fixedBytes;      // the data length of a box without a format
};

constexpr std::array<ConstantRule, 8> kConstantRules{{
    {FuncInstrTable::kCOMP, 1, 2, 0},
    {FuncInstrTable::kCOIN, 1, 2, 0},
    {FuncInstrTable::kADD, 1, 3, 0},
    {FuncInstrTable::kSUB, 1, 3, 0},
    {FuncInstrTable::kANDF, 1, 3, 0},
    {FuncInstrTable::kORF, 1, 3, 0},
    {FuncInstrTable::kEOR, 1, 3, 0},
    {FuncInstrTable::kMOVB, 0, 1, 1},
}};

int DigitAt(std::string_view text, std::size_t i) {
    return i < text.size() && text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : 0;
}

// The data length in bytes a format gives as the converter reads it (its 4th digit, 3 read as
// 4); 0 when its first digit makes the operand an address.
int ConstantBytes(std::string_view format) {
    if (DigitAt(format, 0) != 0) {
        return 0;
    }
    const int length = DigitAt(format, 3);
    return length == 3 ? 4 : length;
}

struct ParsedUse {
    const XrefUse* use;
    XrefAddress address;
    int width;
};

class Reviewer {
  public:
    Reviewer(const LadProgram& program, const std::vector<XrefUse>& uses) : m_program(program) {
        for (const XrefUse& use : uses) {
            const ParsedUse parsed{&use, XrefAddress::Parse(use.address), WidthOf(use)};
            m_uses.push_back(parsed);
            if (use.Reads()) {
                m_reads.Add(parsed.address, parsed.width);
            }
            if (use.Writes()) {
                m_writes.Add(parsed.address, parsed.width);
            }
        }
    }

    void MultipleWriters(std::vector<ReviewFinding>& findings) const {
        std::map<ByteKey, std::vector<const XrefUse*>> byteWriters;
        std::map<ByteKey, std::map<int, std::vector<const XrefUse*>>> bitWriters;
        for (const ParsedUse& u : m_uses) {
            if (!u.use->Writes()) {
                continue;
            }
            if (u.address.IsBit()) {
                bitWriters[ByteOf(u.address)][u.address.bit].push_back(u.use);
            } else {
                byteWriters[ByteOf(u.address)].push_back(u.use);
                bitWriters[ByteOf(u.address)];
            }
        }
        for (const auto& [byte, bits] : bitWriters) {
            const auto found = byteWriters.find(byte);
            std::vector<const XrefUse*> whole =
                found == byteWriters.end() ? std::vector<const XrefUse*>{} : found->second;
            if (!whole.empty()) {
                // A byte operand written besides anything else in its byte.
                for (const auto& [bit, writers] : bits) {
                    whole.insert(whole.end(), writers.begin(), writers.end());
                }
                if (whole.size() >= 2) {
                    findings.push_back({ReviewFinding::Kind::kMultipleWriters,
                                        XrefAddress{byte.first, byte.second}.Text(),
                                        PlacesOf(whole)});
                }
                continue;
            }
            for (const auto& [bit, writers] : bits) {
                if (writers.size() >= 2 &&
                    !std::all_of(writers.begin(), writers.end(),
                                 [](const XrefUse* w) { return IsLatch(*w); })) {
                    findings.push_back({ReviewFinding::Kind::kMultipleWriters,
                                        XrefAddress{byte.first, byte.second, bit}.Text(),
                                        PlacesOf(writers)});
                }
            }
        }
    }

    void ReadNeverWritten(std::vector<ReviewFinding>& findings) const {
        std::map<XrefAddress, std::vector<const XrefUse*>> unwritten;
        for (const ParsedUse& u : m_uses) {
            const bool contact =
                u.use->kind == XrefKind::kNoContact || u.use->kind == XrefKind::kNcContact;
            if (contact && u.address.IsRelay() && u.address.IsBit() &&
                !m_writes.ReachesBit(u.address)) {
                unwritten[u.address].push_back(u.use);
            }
        }
        for (const auto& [address, uses] : unwritten) {
            findings.push_back(
                {ReviewFinding::Kind::kReadNeverWritten, address.Text(), PlacesOf(uses)});
        }
    }

    void WrittenNeverRead(std::vector<ReviewFinding>& findings) const {
        std::map<XrefAddress, std::vector<const XrefUse*>> unread;
        for (const ParsedUse& u : m_uses) {
            if (!u.use->Writes() || u.use->Reads() || !u.address.IsRelay()) {
                continue;
            }
            const bool read = u.address.IsBit() ? m_reads.ReachesBit(u.address)
                                                : m_reads.ReachesAny(u.address, u.width);
            if (!read) {
                unread[u.address].push_back(u.use);
            }
        }
        for (const auto& [address, uses] : unread) {
            findings.push_back(
                {ReviewFinding::Kind::kWrittenNeverRead, address.Text(), PlacesOf(uses)});
        }
    }

    void NumbersUsedTwice(std::vector<ReviewFinding>& findings) const {
        std::map<std::pair<std::string_view, int>, std::vector<GridPos>> holders;
        for (int line = 0; line < m_program.LineCount(); ++line) {
            for (int column = 0; column < LadLine::kColumns; ++column) {
                const LadCell& cell = m_program.Cell(column, line);
                const std::string_view pool = PoolOf(cell.code);
                const int number = NumberOf(cell);
                if (!pool.empty() && number >= 0) {
                    holders[{pool, number}].push_back({column, line});
                }
            }
        }
        for (const auto& [key, places] : holders) {
            if (places.size() >= 2) {
                findings.push_back({ReviewFinding::Kind::kNumberUsedTwice,
                                    std::string(key.first) + ' ' + std::to_string(key.second),
                                    places});
            }
        }
    }

    // A constant above what its data length holds: the run (as the controller) uses its low
    // bytes, so COMP 0001 0300 compares with 44.
    void WideConstants(std::vector<ReviewFinding>& findings) const {
        std::map<std::pair<int, int>, std::vector<GridPos>> wide;  // value, bytes: places
        for (int line = 0; line < m_program.LineCount(); ++line) {
            for (int column = 0; column < LadLine::kColumns; ++column) {
                WideConstantAt(column, line, wide);
            }
        }
        for (const auto& [key, places] : wide) {
            ReviewFinding finding{ReviewFinding::Kind::kConstantTooWide,
                                  "constant " + std::to_string(key.first), places};
            finding.operandBytes = key.second;
            findings.push_back(std::move(finding));
        }
    }

  private:
    void WideConstantAt(int column, int line,
                        std::map<std::pair<int, int>, std::vector<GridPos>>& wide) const {
        const FuncInstr* box = FuncInstrTable::FindFunctionCode(m_program.Cell(column, line).code);
        if (box == nullptr || (m_program.Cell(column, line).code & 0xFF) != 0) {
            return;
        }
        const auto rule =
            std::find_if(kConstantRules.begin(), kConstantRules.end(),
                         [box](const ConstantRule& r) { return r.index == box->index; });
        if (rule == kConstantRules.end() || column + rule->constantColumn >= LadLine::kColumns) {
            return;
        }
        const LadLine& boxLine = m_program.Line(line);
        const int bytes = rule->formatColumn == 0
                              ? rule->fixedBytes
                              : ConstantBytes(boxLine.Cell(column + rule->formatColumn).Text());
        const std::optional<int> value = CellValue::Of(boxLine.Cell(column + rule->constantColumn));
        if (bytes >= 1 && bytes <= 2 && value &&
            *value > static_cast<int>((1u << (8 * bytes)) - 1)) {
            wide[{*value, bytes}].push_back({column + rule->constantColumn, line});
        }
    }

    int WidthOf(const XrefUse& use) const {
        if (use.kind != XrefKind::kParameter) {
            return 1;
        }
        const int header = use.column - use.parameter;
        return ParameterAccess::Width(use.function, use.parameter, m_program.Line(use.line),
                                      header);
    }

    // The pool a timer or counter number parameter claims in; empty for other cells.
    static std::string_view PoolOf(std::uint16_t code) {
        switch (code) {
            case 0x1001:
                return "counter";
            case 0x1901:
            case 0x4202:
                return "timer";
            case 0x4102:
                return "TMRB timer";
            default:
                return {};
        }
    }

    // The number the box claims (the number field, as the conversion's number check reads it);
    // without one, the value its text shows.
    static int NumberOf(const LadCell& cell) {
        return cell.number >= 0 ? cell.number : CellValue::Of(cell).value_or(-1);
    }

    const LadProgram& m_program;
    std::vector<ParsedUse> m_uses;
    Coverage m_reads;
    Coverage m_writes;
};

}  // namespace

std::vector<ReviewFinding> ReviewFindings::Find(const LadProgram& program,
                                                const std::vector<XrefUse>& uses) {
    const Reviewer reviewer(program, uses);
    std::vector<ReviewFinding> findings;
    reviewer.MultipleWriters(findings);
    reviewer.ReadNeverWritten(findings);
    reviewer.WrittenNeverRead(findings);
    reviewer.NumbersUsedTwice(findings);
    reviewer.WideConstants(findings);
    return findings;
}

std::vector<ReviewFinding> ReviewFindings::WideConstants(const LadProgram& program) {
    std::vector<ReviewFinding> findings;
    Reviewer(program, {}).WideConstants(findings);
    return findings;
}

}  // namespace rungpad
