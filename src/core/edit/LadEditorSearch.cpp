// Find and replace, Modify Note and the Undo command.
#include <algorithm>

#include "document/AddressNoteError.h"
#include "document/RungpadDoc.h"
#include "edit/EditorHost.h"
#include "edit/LadEditor.h"
#include "model/Messages.h"
#include "model/TextCodec.h"

namespace rungpad {

namespace {

// Cells whose text an entry check governs. A box's name cell is not one of them: a box changes
// kind only by deleting and inserting it.
bool TakesReplacement(std::uint16_t code) {
    if (Element::IsContact(code) || Element::IsCoil(code) || Element::IsCodt(code)) {
        return true;
    }
    return Element::IsBoxCell(code) && Element::BoxRow(code) == 0 && Element::BoxColumn(code) >= 1;
}

}  // namespace

bool CLadEditor::Matches(int column, int line, std::string_view find) const {
    return Program().Cell(column, line).Text() == find;
}

// The replacement goes through the matched cell's own entry check, as if typed there; a refused
// one leaves the cell unchanged.
void CLadEditor::ReplaceText(GridPos cell, std::string_view replace) {
    const std::uint16_t code = Program().Cell(cell.column, cell.line).code;
    if (!TakesReplacement(code)) {
        m_replaceTally.Refused(cell.line,
                               std::string(Messages::Text("not an address or parameter")));
        return;
    }
    SelectionState& sel = Selection();
    const GridPos anchor = sel.anchor;
    const GridPos cursor = sel.cursor;
    sel.anchor = sel.cursor = cell;
    if (CheckEntry(code, replace)) {
        m_doc->SetModifiedFlag();
        m_replaceTally.Replaced();
    } else {
        // The first error is the cause (a coil in use: 1027); those after it restate it.
        const CLadConvert& convert = m_doc->Converter();
        m_replaceTally.Refused(cell.line, convert.ErrorCount() > 0
                                              ? std::to_string(convert.ErrorAt(0).code)
                                              : std::string(Messages::Text("refused")));
    }
    sel.anchor = anchor;
    sel.cursor = cursor;
}

void CLadEditor::TakeMatch(GridPos match, std::string_view replace, int mode) {
    SetHighlight(false);
    Selection().anchor = Selection().cursor = match;
    if (mode >= SearchTarget::kReplaceAllFirst) {
        ReplaceText(match, replace);
        InvalidateCursorCell();
    }
    SetHighlight(true);
}

bool CLadEditor::SearchNext(std::string_view find, int direction, std::string_view replace,
                            int mode) {
    const SelectionState& sel = Selection();
    const LadProgram& program = Program();
    GridPos start{std::min(sel.anchor.column, sel.cursor.column), sel.FirstLine()};
    if (mode == SearchTarget::kReplaceAllFirst || start.column < 0 || start.line < 0 ||
        start.column >= LadLine::kColumns || !program.IsValidLine(start.line)) {
        start = {0, 0};
    }
    if (!program.IsValidLine(start.line)) {
        return false;
    }
    const int step = direction == 0 ? 1 : -1;
    if (mode == SearchTarget::kReplaceSelected || mode == SearchTarget::kReplaceAllFirst) {
        m_replaceTally.Clear();
    }
    if (mode == SearchTarget::kReplaceSelected && Matches(start.column, start.line, find)) {
        ReplaceText(start, replace);
        m_host->InvalidateCell(start);
    }
    // The rest of the start line; the trailing line is never searched.
    const int last = program.LineCount() - 1;
    if (start.line < last) {
        const int from =
            mode == SearchTarget::kReplaceAllFirst ? start.column : start.column + step;
        for (int column = from; column >= 0 && column < LadLine::kColumns; column += step) {
            if (Matches(column, start.line, find)) {
                TakeMatch({column, start.line}, replace, mode);
                return true;
            }
        }
    }
    for (int line = start.line + step; line >= 0 && line < last; line += step) {
        for (int column = 0; column < LadLine::kColumns; ++column) {
            if (Matches(column, line, find)) {
                TakeMatch({column, line}, replace, mode);
                m_host->BringLineIntoView(line);
                return true;
            }
        }
    }
    return false;
}

void CLadEditor::SelectFirstCell() {
    Select({0, 0}, {0, 0});
}

void CLadEditor::ReportReplacements() {
    if (!m_replaceTally.Empty()) {
        m_doc->Out().OutputLine(m_replaceTally.Text());
    }
    m_replaceTally.Clear();
}

bool CLadEditor::CanModifyNote() const {
    if (!HasValidCursor()) {
        return false;
    }
    const std::uint16_t code = CursorCell().code;
    return code >= Element::kNcContact && code <= Element::kNegCoil;
}

void CLadEditor::OnModifyNote() {
    if (!CanModifyNote()) {
        return;
    }
    std::string old;
    try {
        old = m_doc->FindAddressNote();
    } catch (const AddressNoteError&) {
        return;  // an address without a note slot: nothing to edit
    }
    const GridPos cursor = Selection().cursor;
    std::string note = TextCodec::GbkToUtf8(old);
    if (!m_host->AskNote(CursorCell().Text(), note)) {
        return;
    }
    UndoList().RecordAddressNote(cursor.column, cursor.line, old);
    m_doc->SetAddressNote(TextCodec::Utf8ToGbk(note));
}

void CLadEditor::OnUndo() {
    if (!CanUndo()) {
        return;
    }
    SetHighlight(false);
    int lineCount = 0;
    const GridPos at = UndoList().Undo(lineCount);
    SelectUndone(at, lineCount);
}

void CLadEditor::OnRedo() {
    if (!CanRedo()) {
        return;
    }
    SetHighlight(false);
    int lineCount = 0;
    const GridPos at = UndoList().Redo(lineCount);
    SelectUndone(at, lineCount);
}

// The selection covers what came back: the record's cell, or the restored lines and the line
// below them. It stays inside the program, also after the trailing line was taken back.
void CLadEditor::SelectUndone(GridPos at, int lineCount) {
    if (at.line >= 0) {
        const int last = std::max(Program().LineCount() - 1, 0);
        Selection().anchor = {at.column, std::min(at.line, last)};
        Selection().cursor = {at.column, std::min(at.line + lineCount, last)};
    }
    m_host->InvalidateAll();
}

}  // namespace rungpad
