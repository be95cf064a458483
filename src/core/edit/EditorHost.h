#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/HostInterfaces.h"
#include "model/SelectionState.h"

namespace rungpad {

// What the editing core asks of the view that shows it: the modal dialogs of an edit command,
// repaints and scrolling, and message boxes (ShowMessage, inherited). Every text is UTF-8. Each
// Ask call shows its dialog modally with the values given and returns true on OK, with the
// values then holding what the user entered; false on Cancel, values unchanged.
class EditorHost : public MessageBoxHost {
  public:
    // The item dialog: kind is the element code being entered (it picks the caption and the
    // picture), text the cell's present text in and the typed item out (at most 6 characters).
    virtual bool AskItem(std::uint16_t kind, std::string& text) = 0;
    // The function instruction dialog; code receives the chosen function's code.
    virtual bool AskFunctionCode(std::uint16_t& code) = 0;
    // The insert line dialog; it opens showing count (always 1), 1 to 1000 on OK.
    virtual bool AskInsertLineCount(unsigned& count) = 0;
    // The multiple line selection dialog: 1-based start and end line.
    virtual bool AskLineRange(int& startLine, int& endLine) = 0;
    // The go to line dialog: a 1-based line number.
    virtual bool AskGoLine(int& lineNumber) = 0;
    // The modify note dialog: the address shown, the note edited.
    virtual bool AskNote(std::string_view address, std::string& note) = 0;

    // Repaint one cell (its highlight mark changed, or its contents): the cell's rectangle grown
    // by 5 device units on every side.
    virtual void InvalidateCell(GridPos cell) = 0;
    // Repaint the whole view.
    virtual void InvalidateAll() = 0;
    // Scroll vertically, when needed, so that line is visible.
    virtual void BringLineIntoView(int line) = 0;
};

}  // namespace rungpad
