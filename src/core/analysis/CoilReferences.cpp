#include "analysis/CoilReferences.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "analysis/CrossReference.h"
#include "analysis/ParameterAccess.h"
#include "analysis/XrefAddress.h"
#include "model/LadProgram.h"

namespace rungpad {

namespace {

struct ContactOf {
    XrefAddress address;
    ContactReference contact;
};

bool IsContact(const XrefUse& use) {
    return use.kind == XrefKind::kNoContact || use.kind == XrefKind::kNcContact;
}

// The contacts of bit addresses, ordered by address and, within one, by place.
std::vector<ContactOf> ContactsOf(const std::vector<XrefUse>& uses) {
    std::vector<ContactOf> contacts;
    for (const XrefUse& use : uses) {
        if (!IsContact(use)) {
            continue;
        }
        XrefAddress address = XrefAddress::Parse(use.address);
        if (address.IsBit()) {
            contacts.push_back(
                {std::move(address), {use.line, use.column, use.kind == XrefKind::kNcContact}});
        }
    }
    std::stable_sort(contacts.begin(), contacts.end(),
                     [](const ContactOf& a, const ContactOf& b) { return a.address < b.address; });
    return contacts;
}

// Bytes a write spans: one for a bit, the operand's width for a box's byte operand.
int WidthOf(const LadProgram& program, const XrefUse& use) {
    if (use.kind != XrefKind::kParameter) {
        return 1;
    }
    return ParameterAccess::Width(use.function, use.parameter, program.Line(use.line),
                                  use.column - use.parameter);
}

// The contacts that read what write writes, by place, one per line and contact kind.
std::vector<ContactReference> ReadersOf(const std::vector<ContactOf>& contacts,
                                        const XrefAddress& written, int width) {
    const auto byAddress = [](const ContactOf& c, const XrefAddress& a) { return c.address < a; };
    XrefAddress from = written;
    XrefAddress to = written;
    if (written.IsBit()) {
        to.bit += 1;
    } else {
        to.byte += width;
    }
    const auto first = std::lower_bound(contacts.begin(), contacts.end(), from, byAddress);
    const auto last = std::lower_bound(first, contacts.end(), to, byAddress);
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
    return FromUses(program, CrossReference::CollectUses(program));
}

CoilReferences CoilReferences::FromUses(const LadProgram& program,
                                        const std::vector<XrefUse>& uses) {
    const std::vector<ContactOf> contacts = ContactsOf(uses);
    CoilReferences references;
    for (const XrefUse& use : uses) {
        if (!use.Writes()) {
            continue;
        }
        const XrefAddress written = XrefAddress::Parse(use.address);
        references.m_coils.push_back({use.line, use.column, use.address,
                                      ReadersOf(contacts, written, WidthOf(program, use))});
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
