#include "analysis/CoilReferences.h"

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <utility>

#include "analysis/CrossReference.h"
#include "analysis/ParameterAccess.h"
#include "analysis/XrefAddress.h"
#include "model/LadProgram.h"

namespace rungpad {

namespace {

// An address as one number that orders as XrefAddress does (type letters, byte, then a byte
// before its bits): this runs after every edit, so no strings are compared.
using AddressKey = std::uint64_t;

AddressKey KeyOf(const XrefAddress& address, int byteOffset = 0) {
    const auto letter = [&](std::size_t i) {
        return i < address.type.size()
                   ? static_cast<std::uint64_t>(static_cast<unsigned char>(address.type[i]))
                   : 0;
    };
    const auto byte = static_cast<std::uint64_t>(std::max(0, address.byte + byteOffset));
    const auto bit = static_cast<std::uint64_t>(std::clamp(address.bit + 1, 0, 15));
    return letter(0) << 56 | letter(1) << 48 | (byte & 0xffffffffffULL) << 4 | bit;
}

struct ContactOf {
    AddressKey key;
    ContactReference contact;
};

struct WriteOf {
    CoilReference coil;  // without its contacts yet
    AddressKey from;     // the keys it reaches: [from, to)
    AddressKey to;
};

// Bytes a write spans: one for a bit, the operand's width for a box's byte operand.
int WidthOf(const LadProgram& program, const XrefUse& use) {
    if (use.kind != XrefKind::kParameter) {
        return 1;
    }
    return ParameterAccess::Width(use.function, use.parameter, program.Line(use.line),
                                  use.column - use.parameter);
}

WriteOf WriteOfUse(const LadProgram& program, const XrefUse& use) {
    const XrefAddress written = XrefAddress::Parse(use.address);
    WriteOf write{{use.line, use.column, use.address, {}}, KeyOf(written), 0};
    if (written.IsBit()) {
        write.to = write.from + 1;
    } else {
        write.to = KeyOf(written, WidthOf(program, use));
    }
    return write;
}

// The contacts whose keys lie in [from, to), by place, one per line and contact kind.
std::vector<ContactReference> ReadersOf(const std::vector<ContactOf>& contacts, AddressKey from,
                                        AddressKey to) {
    const auto byKey = [](const ContactOf& c, AddressKey k) { return c.key < k; };
    const auto first = std::lower_bound(contacts.begin(), contacts.end(), from, byKey);
    const auto last = std::lower_bound(first, contacts.end(), to, byKey);
    std::vector<ContactReference> readers;
    for (auto it = first; it != last; ++it) {
        readers.push_back(it->contact);
    }
    std::sort(readers.begin(), readers.end(), [](const auto& a, const auto& b) {
        return std::tie(a.line, a.closed, a.column) < std::tie(b.line, b.closed, b.column);
    });
    readers.erase(std::unique(readers.begin(), readers.end(),
                              [](const auto& a, const auto& b) {
                                  return a.line == b.line && a.closed == b.closed;
                              }),
                  readers.end());
    return readers;
}

}  // namespace

CoilReferences CoilReferences::Build(const LadProgram& program) {
    std::vector<ContactOf> contacts;
    std::vector<WriteOf> writes;
    XrefUse use;
    for (int line = 0; line < program.LineCount(); ++line) {
        for (int column = 0; column < LadLine::kColumns; ++column) {
            const LadCell& cell = program.Cell(column, line);
            if (!CrossReference::UseOfCell(cell, use)) {
                continue;
            }
            use.address = cell.Text();
            use.line = line;
            use.column = column;
            const bool contact =
                use.kind == XrefKind::kNoContact || use.kind == XrefKind::kNcContact;
            if (contact) {
                const XrefAddress address = XrefAddress::Parse(use.address);
                if (address.IsBit()) {
                    contacts.push_back(
                        {KeyOf(address), {line, column, use.kind == XrefKind::kNcContact}});
                }
            } else if (use.Writes()) {
                writes.push_back(WriteOfUse(program, use));
            }
        }
    }
    // Cells were read in program order; a stable sort keeps it within each address.
    std::stable_sort(contacts.begin(), contacts.end(),
                     [](const ContactOf& a, const ContactOf& b) { return a.key < b.key; });
    CoilReferences references;
    references.m_coils.reserve(writes.size());
    for (WriteOf& write : writes) {
        write.coil.contacts = ReadersOf(contacts, write.from, write.to);
        references.m_coils.push_back(std::move(write.coil));
    }
    return references;
}

std::span<const CoilReference> CoilReferences::OfLine(int line) const {
    const auto first = std::lower_bound(m_coils.begin(), m_coils.end(), line,
                                        [](const CoilReference& c, int l) { return c.line < l; });
    auto last = first;
    while (last != m_coils.end() && last->line == line) {
        ++last;
    }
    return {first, last};
}

}  // namespace rungpad
