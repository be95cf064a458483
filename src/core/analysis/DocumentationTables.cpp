#include "analysis/DocumentationTables.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "analysis/CrossReference.h"
#include "analysis/XrefAddress.h"
#include "model/AddressNotes.h"
#include "model/TextCodec.h"

namespace rungpad {

namespace {

// "0012 NO contact": the line as the diagram numbers it, then the use.
std::string UseText(const XrefUse& use) {
    char line[16];
    std::snprintf(line, sizeof line, "%04d ", use.line + 1);
    return line + use.Describe();
}

std::string PlacesText(const ReviewFinding& finding) {
    std::string places;
    for (const GridPos& place : finding.places) {
        places += (places.empty() ? "" : " ") + std::to_string(place.line + 1) + ':' +
                  std::to_string(place.column + 1);
    }
    return places;
}

}  // namespace

std::vector<DocumentTable> DocumentationTables::Build(const CrossReference& xref,
                                                      const AddressNotes& notes) {
    return {CrossReferenceTable(xref), AddressNotesTable(notes), FindingsTable(xref)};
}

DocumentTable DocumentationTables::CrossReferenceTable(const CrossReference& xref) {
    DocumentTable table{"Cross-reference", {"Address", "Note", "Uses"}, {}};
    for (const XrefUse& use : xref.Uses()) {
        // Uses come ordered by address, so one address's uses are neighbours.
        if (table.rows.empty() || table.rows.back()[0] != use.address) {
            table.rows.push_back({use.address, TextCodec::GbkToUtf8(use.note), UseText(use)});
            continue;
        }
        table.rows.back()[2] += ", " + UseText(use);
    }
    return table;
}

DocumentTable DocumentationTables::AddressNotesTable(const AddressNotes& notes) {
    DocumentTable table{"Address notes", {"Address", "Note"}, {}};
    std::vector<std::pair<XrefAddress, std::string>> entries;
    // Slot 0 holds the byte's note, slot 1 + bit each bit's.
    notes.ForEachNote([&](char letter, int byte, std::size_t slot, const std::string& note) {
        const XrefAddress address{std::string(1, letter), byte, static_cast<int>(slot) - 1};
        entries.emplace_back(address, TextCodec::GbkToUtf8(note));
    });
    // In the cross-reference's order rather than the note file's.
    std::sort(entries.begin(), entries.end());
    for (const auto& [address, note] : entries) {
        table.rows.push_back({address.Text(), note});
    }
    return table;
}

DocumentTable DocumentationTables::FindingsTable(const CrossReference& xref) {
    DocumentTable table{"Review findings", {"Subject", "Finding", "Places (line:column)"}, {}};
    for (const ReviewFinding& finding : xref.Findings()) {
        table.rows.push_back({finding.subject, std::string(finding.What()), PlacesText(finding)});
    }
    return table;
}

}  // namespace rungpad
