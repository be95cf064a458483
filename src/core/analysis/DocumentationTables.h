#pragma once

#include <vector>

#include "analysis/DocumentTable.h"

namespace rungpad {

class AddressNotes;
class CrossReference;

// The tables of a program's documentation: the cross-reference (one row per address: its note
// and each use with line and kind), the address notes, and the review findings.
class DocumentationTables {
  public:
    static std::vector<DocumentTable> Build(const CrossReference& xref, const AddressNotes& notes);

    static DocumentTable CrossReferenceTable(const CrossReference& xref);
    static DocumentTable AddressNotesTable(const AddressNotes& notes);
    static DocumentTable FindingsTable(const CrossReference& xref);
};

}  // namespace rungpad
