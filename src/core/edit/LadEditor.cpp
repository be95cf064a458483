#include "edit/LadEditor.h"

#include <algorithm>

#include "document/AddressNoteError.h"
#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/EditorHost.h"
#include "model/FuncInstrTable.h"
#include "model/TextCodec.h"

namespace rungpad {

CLadEditor::CLadEditor(CRungpadDoc& doc, EditorHost& host, LadClipboard& clipboard)
    : m_doc(&doc), m_host(&host), m_clipboard(&clipboard) {}

void CLadEditor::OnInitialUpdate() {
    // A document left empty by a refused file gets the one empty line of a new document, so
    // that it can be edited; it is not marked modified by it.
    if (Program().LineCount() == 0) {
        Program().InsertLines(0, 1);
        m_doc->Converter().PreCheck();
    }
}

LadProgram& CLadEditor::Program() const {
    return m_doc->Program();
}

CUnDoList& CLadEditor::UndoList() const {
    return m_doc->UndoList();
}

SelectionState& CLadEditor::Selection() const {
    return m_doc->Selection();
}

bool CLadEditor::HasValidCursor() const {
    const GridPos c = Selection().cursor;
    return c.column >= 0 && c.column < LadLine::kColumns && Program().IsValidLine(c.line);
}

LadCell& CLadEditor::CursorCell() const {
    const GridPos c = Selection().cursor;
    return Program().Cell(c.column, c.line);
}

// --- selection ----------------------------------------------------------------------------------

void CLadEditor::SetMark(GridPos pos, bool on) {
    if (pos.column < 0 || pos.column >= LadLine::kColumns || !Program().IsValidLine(pos.line)) {
        return;
    }
    LadCell& cell = Program().Cell(pos.column, pos.line);
    const std::uint8_t mark = on ? 1 : 0;
    if (cell.highlight != mark) {
        cell.highlight = mark;
        m_host->InvalidateCell(pos);
    }
}

void CLadEditor::SetHighlight(bool on) {
    SelectionState& sel = Selection();
    const int c0 = std::min(sel.anchor.column, sel.cursor.column);
    const int l0 = sel.FirstLine();
    const int l1 = sel.LastLine();
    if (c0 < 0 || l0 < 0) {
        return;
    }
    if (sel.IsSingleCell()) {
        SetMark(sel.cursor, on);
    } else {
        const int last = std::min(l1, Program().LineCount() - 1);
        for (int line = l0; line <= last; ++line) {
            for (int column = 0; column < LadLine::kColumns; ++column) {
                SetMark({column, line}, on);
            }
        }
    }
    if (on) {
        ShowCursorNote();
    } else {
        sel.cursor = {-1, -1};
    }
}

void CLadEditor::ShowCursorNote() {
    std::string note;
    try {
        note = TextCodec::GbkToUtf8(m_doc->FindAddressNote());
    } catch (const AddressNoteError&) {
        note.clear();  // no contact or coil, or an address without a note slot
    }
    m_doc->Out().ShowCellNote(note);
}

void CLadEditor::Select(GridPos anchor, GridPos cursor) {
    SetHighlight(false);
    Selection().anchor = anchor;
    Selection().cursor = cursor;
    SetHighlight(true);
}

void CLadEditor::InvalidateCursorCell() {
    m_host->InvalidateCell(Selection().cursor);
}

int CLadEditor::FindFunctionBox(int line) const {
    if (!Program().IsValidLine(line)) {
        return -1;
    }
    const LadLine& l = Program().Line(line);
    for (int column = 0; column < LadLine::kColumns; ++column) {
        if (Element::IsBoxCell(l.Cell(column).code)) {
            return column;
        }
    }
    return -1;
}

// --- placement ----------------------------------------------------------------------------------

CLadEditor::BoxAtLine CLadEditor::BoxOf(int line) const {
    BoxAtLine box;
    box.column = FindFunctionBox(line);
    if (box.column < 0) {
        return box;
    }
    box.code = Program().Cell(box.column, line).code;
    int height = 0;
    FuncInstrTable::BoxSize(box.code, box.width, height);
    FuncInstrTable::InputRows(box.code, box.inputRows);
    box.row = Element::BoxRow(box.code);
    return box;
}

namespace {

// The function whose own code the box cell has; a later row (or any cell but a box's first
// column) matches none.
const FuncInstr* ExactFunction(std::uint16_t code) {
    const FuncInstr* f = FuncInstrTable::FindFunctionCode(code);
    return f != nullptr && f->code == code ? f : nullptr;
}

bool NeedsOutputCoil(std::uint16_t boxCode) {
    const FuncInstr* f = ExactFunction(boxCode);
    return f != nullptr && f->drivesOutput;
}

bool TakesCondition(std::uint16_t boxCode) {
    const FuncInstr* f = ExactFunction(boxCode);
    return f == nullptr || f->takesInput;
}

bool IsCoilKind(int kind) {
    return kind == Element::kCoil || kind == Element::kNegCoil;
}

bool IsContactKind(int kind) {
    return kind == Element::kNoContact || kind == Element::kNcContact;
}

}  // namespace

bool CLadEditor::RefusedByBox(int kind, int column, const BoxAtLine& box) const {
    if (box.row >= box.inputRows && !Element::IsCodt(box.code)) {
        return true;  // a row of the box that takes no input
    }
    if (kind == EditCommands::kSetLink && box.inputRows > 1) {
        return true;
    }
    const bool rightOfBox = column >= box.column + box.width;
    if (rightOfBox && !IsCoilKind(kind) && kind != Element::kHLine) {
        return true;
    }
    if (!NeedsOutputCoil(box.code) && IsCoilKind(kind)) {
        return true;
    }
    const bool leftOfBox = column < box.column;
    return !TakesCondition(box.code) && leftOfBox && (IsContactKind(kind) || kind == 0);
}

bool CLadEditor::IsKnownKind(int kind) const {
    switch (kind) {
        case 0:
        case Element::kHLine:
        case Element::kNcContact:
        case Element::kNoContact:
        case Element::kCoil:
        case Element::kNegCoil:
        case EditCommands::kSetLink:
        case EditCommands::kClearLink:
            return true;
        default:
            // A function parameter or table cell is only ever re-entered in place.
            return kind >= Element::kFirstBox && kind == CursorCell().code;
    }
}

// The program always ends in a line nothing was placed on. The record names the appended line
// itself, so its undo removes exactly that line; at the line limit nothing is recorded.
bool CLadEditor::AppendTrailingLine(int column, int line) {
    LadProgram& program = Program();
    if (line != program.LineCount() - 1) {
        return false;
    }
    const int at = program.LineCount();
    if (!program.InsertLines(at, 1)) {
        return false;
    }
    UndoList().RecordInsertLines(column, at, 1);
    m_host->InvalidateAll();  // a new line to draw and a longer scroll range
    return true;
}

// Joins a coil to the left rail: every empty cell left of it becomes a horizontal line.
void CLadEditor::FillCoilLine(int line) {
    for (int column = 0; column < LadLine::kOutputColumn; ++column) {
        LadCell& cell = Program().Cell(column, line);
        if (cell.code == Element::kEmpty) {
            UndoList().RecordCell(column, line);
            cell.code = Element::kHLine;
            m_host->InvalidateCell({column, line});  // stays drawn if the coil is refused
        }
    }
}

void CLadEditor::PlaceElement(int kind) {
    if (Selection().cursor.column < 0 || !HasValidCursor() || !IsKnownKind(kind)) {
        return;
    }
    const int column = Selection().cursor.column;
    const int line = Selection().cursor.line;
    m_doc->SetModifiedFlag();
    const BoxAtLine box = BoxOf(line);
    if (box.column >= 0 && RefusedByBox(kind, column, box)) {
        return;
    }
    // A contact or line would leave the box it lands on half overwritten.
    const bool onBoxCell = Element::IsBoxCell(CursorCell().code);
    if (onBoxCell && (IsContactKind(kind) || kind == Element::kHLine)) {
        return;
    }
    if (IsCoilKind(kind) && box.column >= 0 && box.row >= 1) {
        return;  // a coil only on the first row of a box
    }
    AppendTrailingLine(column, line);
    if (IsCoilKind(kind)) {
        SetHighlight(false);
        Selection().anchor = Selection().cursor = {LadLine::kOutputColumn, line};
        FillCoilLine(line);
    }
    const GridPos target = Selection().cursor;
    if (kind == 0) {
        const int boxColumn = FindFunctionBox(line);
        if (boxColumn >= 0) {
            DeleteFunctionBox(boxColumn, line, true);
            return;
        }
    }
    if (kind == 0 || kind == Element::kHLine) {
        PlaceLine(kind, target);
    } else if (kind == EditCommands::kSetLink || kind == EditCommands::kClearLink) {
        PlaceLink(kind == EditCommands::kSetLink, target);
    } else if (EnterItem(kind)) {
        Program().Cell(target.column, target.line).code = static_cast<std::uint16_t>(kind);
        m_host->InvalidateAll();
    }
}

// A horizontal line or a deletion changes the element code only; the cursor moves right.
void CLadEditor::PlaceLine(int kind, GridPos target) {
    UndoList().RecordCell(target.column, target.line);
    Program().Cell(target.column, target.line).code = static_cast<std::uint16_t>(kind);
    InvalidateCursorCell();
    if (target.column < LadLine::kOutputColumn) {
        const GridPos next{target.column + 1, target.line};
        Select(next, next);
    }
}

void CLadEditor::PlaceLink(bool set, GridPos target) {
    UndoList().RecordCell(target.column, target.line);
    Program().Cell(target.column, target.line).vlink = set ? 1 : 0;
    if (set && target.line < Program().LineCount() - 1) {
        const GridPos below{target.column, target.line + 1};
        Select(below, below);
    }
    m_host->InvalidateAll();
}

bool CLadEditor::OnElementCommand(int commandId) {
    const int kind = EditCommands::ElementKindOf(commandId);
    if (kind < 0) {
        return false;
    }
    PlaceElement(kind);
    return true;
}

bool CLadEditor::CanEditAtCursor() const {
    if (!HasValidCursor()) {
        return false;
    }
    const std::uint16_t code = CursorCell().code;
    if (code == Element::kEmpty) {
        return false;
    }
    const bool boxCell = Element::IsBoxCell(code) && !Element::IsCodt(code);
    return !boxCell || ((code & 0xFF) != 0 && Element::BoxRow(code) == 0);
}

void CLadEditor::EditAtCursor() {
    if (CanEditAtCursor()) {
        PlaceElement(CursorCell().code);
    }
}

void CLadEditor::SetLineNote(int line, std::string_view text) {
    if (!Program().IsValidLine(line)) {
        return;
    }
    UndoList().RecordLineNote(line);
    Program().Note(line).Assign(TextCodec::Utf8ToGbk(text));
    m_doc->SetModifiedFlag();
}

bool CLadEditor::LineNoteFits(std::string_view text) {
    return TextCodec::Utf8ToGbk(text).size() <= NoteText::kSize;
}

std::string CLadEditor::LineNote(int line) const {
    return Program().IsValidLine(line) ? TextCodec::GbkToUtf8(Program().Note(line).View())
                                       : std::string{};
}

}  // namespace rungpad
