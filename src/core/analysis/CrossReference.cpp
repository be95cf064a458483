#include "analysis/CrossReference.h"

#include <algorithm>

#include "analysis/ParameterAccess.h"
#include "analysis/ReviewFindings.h"
#include "analysis/XrefAddress.h"
#include "model/AddressNotes.h"
#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"

namespace rungpad {

namespace {

bool KindOfCell(std::uint16_t code, XrefKind& kind) {
    switch (code) {
        case Element::kNoContact:
            kind = XrefKind::kNoContact;
            return true;
        case Element::kNcContact:
            kind = XrefKind::kNcContact;
            return true;
        case Element::kCoil:
            kind = XrefKind::kCoil;
            return true;
        case Element::kNegCoil:
            kind = XrefKind::kNegCoil;
            return true;
        default:
            return false;
    }
}

// A parameter cell: in the first row of a box, right of its header.
bool ParameterOfCell(const LadCell& cell, XrefUse& use) {
    if (!Element::IsBoxCell(cell.code) || Element::IsCodt(cell.code) ||
        Element::BoxRow(cell.code) != 0 || Element::BoxColumn(cell.code) == 0) {
        return false;
    }
    const FuncInstr* instr = FuncInstrTable::FindFunctionCode(cell.code);
    if (instr == nullptr || !ParameterAccess::IsAddress(cell.Text())) {
        return false;
    }
    use.kind = XrefKind::kParameter;
    use.function = instr->code;
    use.parameter = Element::BoxColumn(cell.code);
    use.access = ParameterAccess::Of(use.function, use.parameter);
    return true;
}

}  // namespace

bool CrossReference::UseOfCell(const LadCell& cell, XrefUse& use) {
    if (cell.Text().empty()) {
        return false;
    }
    if (KindOfCell(cell.code, use.kind)) {
        use.access = Element::IsCoil(cell.code) ? XrefAccess::kWrite : XrefAccess::kRead;
        return true;
    }
    return ParameterOfCell(cell, use);
}

std::vector<XrefUse> CrossReference::CollectUses(const LadProgram& program,
                                                 const AddressNotes* notes) {
    std::vector<XrefUse> uses;
    for (int line = 0; line < program.LineCount(); ++line) {
        for (int column = 0; column < LadLine::kColumns; ++column) {
            const LadCell& cell = program.Cell(column, line);
            XrefUse use;
            if (!UseOfCell(cell, use)) {
                continue;
            }
            use.address = std::string(cell.Text());
            use.line = line;
            use.column = column;
            const std::string* note = notes ? notes->FindBitNote(use.address) : nullptr;
            if (note != nullptr) {
                use.note = *note;
            }
            uses.push_back(std::move(use));
        }
    }
    return uses;
}

CrossReference CrossReference::Build(const LadProgram& program, const AddressNotes* notes) {
    CrossReference xref;
    xref.m_uses = CollectUses(program, notes);
    // Uses were collected in program order; a stable sort by address keeps it within each.
    std::vector<std::pair<XrefAddress, std::size_t>> keys;
    keys.reserve(xref.m_uses.size());
    for (std::size_t i = 0; i < xref.m_uses.size(); ++i) {
        keys.emplace_back(XrefAddress::Parse(xref.m_uses[i].address), i);
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<XrefUse> sorted;
    sorted.reserve(keys.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(xref.m_uses[key.second]));
    }
    xref.m_uses = std::move(sorted);
    xref.m_findings = ReviewFindings::Find(program, xref.m_uses);
    return xref;
}

}  // namespace rungpad
