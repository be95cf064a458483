#pragma once

#include <string>
#include <string_view>

namespace rungpad {

// Where an undone address note goes back to: the document the undo list belongs to. It puts the
// cursor on (column, line) and stores text as the note of that cell's address, reporting a cell
// without a noteable address itself.
class AddressNoteTarget {
  public:
    virtual ~AddressNoteTarget() = default;
    virtual void RestoreAddressNote(int column, int line, std::string_view text) = 0;
    // The note the address of the cell at (column, line) has now, for a redo to put back; empty
    // when the cell has no noteable address.
    virtual std::string AddressNoteAt(int column, int line) const = 0;
};

}  // namespace rungpad
