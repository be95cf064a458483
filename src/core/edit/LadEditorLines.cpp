// Line commands and the clipboard.
#include <algorithm>

#include "document/RungpadDoc.h"
#include "edit/EditorHost.h"
#include "edit/LadClipboard.h"
#include "edit/LadEditor.h"
#include "model/Messages.h"
#include "undo/NumberParameters.h"

namespace rungpad {

namespace {

constexpr const char* kNotPossible = "不能执行此操作!";
constexpr const char* kTooManyLines = "行数超出范围!";

}  // namespace

// The selected lines, kept inside the program (another view may have shortened it since).
CLadEditor::LineRange CLadEditor::SelectedLines() const {
    const SelectionState& sel = Selection();
    const int last = std::max(Program().LineCount() - 1, 0);
    const int anchorLine = std::clamp(sel.anchor.line, 0, last);
    const int cursorLine = std::clamp(sel.cursor.line, 0, last);
    LineRange range;
    range.top = std::min(anchorLine, cursorLine);
    range.size = std::max(anchorLine, cursorLine) - range.top + 1;
    range.column = anchorLine == range.top ? sel.anchor.column : sel.cursor.column;
    return range;
}

// A range always takes whole boxes: one starting inside a box begins at the box's first line,
// and one ending inside a box reaches to its last line (a COD box's table included). With
// releaseNumbers the boxes' numbers are given back on the way.
CLadEditor::LineRange CLadEditor::WidenOverBoxes(LineRange range, bool releaseNumbers) {
    const int first = FindFunctionBox(range.top);
    if (first >= 0) {
        const int up = range.top - ExtentOf(first, range.top).top;
        range.top -= up;
        range.size += up;
    }
    int i = range.top;
    while (i < range.top + range.size) {
        const int column = FindFunctionBox(i);
        if (column < 0) {
            ++i;
            continue;
        }
        const BoxExtent box = ExtentOf(column, i);
        if (releaseNumbers) {
            DeleteFunctionBox(column, i, false);
        }
        const int rest = std::max(box.top + box.height - i, 1);  // lines from i to the box's end
        if (range.top + range.size >= i + rest) {
            i += rest;
        } else {
            range.size = i + rest - range.top;
            break;
        }
    }
    return range;
}

void CLadEditor::OnInsertLine() {
    if (Selection().cursor.column == -1) {
        return;
    }
    unsigned count = 1;
    if (!m_host->AskInsertLineCount(count)) {
        return;
    }
    const LineRange range = SelectedLines();
    const int n = static_cast<int>(std::min(count, static_cast<unsigned>(LadProgram::kMaxLines)));
    if (n < 1 || !Program().IsValidLine(range.top) || ContinuesBox(range.top)) {
        return;
    }
    SetHighlight(false);
    if (Program().InsertLines(range.top, n)) {
        UndoList().RecordInsertLines(range.column, range.top, n);
    }
    m_host->InvalidateAll();
    m_doc->SetModifiedFlag();
}

void CLadEditor::OnDeleteLine() {
    if (Selection().cursor.column == -1 || !HasValidCursor()) {
        return;
    }
    LineRange range = SelectedLines();
    const int count = Program().LineCount();
    range.size = std::min(range.size, count - range.top);
    if (range.top + range.size >= count) {
        --range.size;  // the trailing line stays
    }
    if (range.size <= 0) {
        return;
    }
    range = WidenOverBoxes(range, true);
    range.size = std::min(range.size, count - range.top);
    DeleteWholeLines(range);
    m_host->InvalidateAll();
    m_doc->SetModifiedFlag();
}

// Records and deletes the lines, hiding the selection. A box reaching the last line takes it
// along; a fresh empty line then ends the program, in the same undo step.
void CLadEditor::DeleteWholeLines(LineRange range) {
    LadProgram& program = Program();
    const bool takesLastLine = range.top + range.size >= program.LineCount();
    if (takesLastLine) {
        UndoList().RecordReplaceLines(range.column, range.top, range.size, 1);
    } else {
        UndoList().RecordDeleteLines(range.column, range.top, range.size);
    }
    SetHighlight(false);
    program.DeleteLines(range.top, range.size);
    if (takesLastLine) {
        program.InsertLines(program.LineCount(), 1);
    }
}

void CLadEditor::OnCopy() {
    const SelectionState& sel = Selection();
    if (sel.cursor.column < 0 || sel.cursor.line < 0 || !HasValidCursor()) {
        return;
    }
    m_clipboard->Release();
    if (sel.IsSingleCell()) {
        const LadCell& cell = CursorCell();
        if (Element::IsBoxCell(cell.code)) {
            m_clipboard->Empty();  // a box cell alone is never copied, nor cut
        } else {
            m_clipboard->SetCell(cell);
        }
        return;
    }
    LineRange range = SelectedLines();
    range.size = std::min(range.size, Program().LineCount() - range.top);
    range = WidenOverBoxes(range, false);
    std::vector<NoteText> notes;
    std::vector<LadCell> cells;
    for (int line = range.top; line < range.top + range.size; ++line) {
        notes.push_back(Program().Note(line));
        for (LadCell cell : Program().Line(line).cells) {
            cell.highlight = 0;
            cells.push_back(cell);
        }
    }
    m_clipboard->SetLines(std::move(notes), std::move(cells));
}

void CLadEditor::OnCut() {
    if (!HasValidCursor()) {
        return;
    }
    m_clipboard->Release();
    OnCopy();
    if (m_clipboard->Count() == LadClipboard::kOneCell) {
        PlaceElement(Element::kEmpty);
    } else if (m_clipboard->Count() > 0) {
        OnDeleteLine();
    }
}

void CLadEditor::OnPaste() {
    const SelectionState& sel = Selection();
    if (sel.cursor.column < 0 || sel.cursor.line < 0 || !HasValidCursor() ||
        m_clipboard->Count() == LadClipboard::kEmpty || !m_clipboard->HoldsCells()) {
        return;
    }
    if (m_clipboard->Count() == LadClipboard::kOneCell) {
        PasteCell();
    } else {
        PasteLines();
    }
}

void CLadEditor::PasteCell() {
    const LadCell& pasted = m_clipboard->Cells().front();
    const int t = pasted.code;
    const BoxAtLine box = BoxOf(Selection().cursor.line);
    if (box.column >= 0 && (Element::IsBoxCell(CursorCell().code) ||
                            RefusedByBox(t, Selection().cursor.column, box))) {
        return;
    }
    const bool coil = t == Element::kCoil || t == Element::kNegCoil;
    if (coil && Selection().cursor.column != LadLine::kOutputColumn) {
        return;
    }
    if (!Selection().IsSingleCell()) {
        m_host->ShowMessage(Messages::Text(kNotPossible));
        return;
    }
    UndoList().RecordCell(Selection().cursor.column, Selection().cursor.line);
    CursorCell() = pasted;
    m_doc->SetModifiedFlag();
    m_host->InvalidateAll();
}

// Pasted lines are inserted before the selected line, or replace the selected lines. The boxes
// they bring claim their numbers, so moving a box by cut and paste keeps its number taken.
void CLadEditor::PasteLines() {
    if (FindFunctionBox(Selection().cursor.line) >= 0) {
        return;
    }
    LadProgram& program = Program();
    const int n = m_clipboard->Count();
    LineRange range = SelectedLines();
    const bool replace = !Selection().IsSingleCell() && range.top < program.LineCount() - 1;
    if (replace) {
        // The replaced lines take whole boxes, as a deletion does.
        range.size = std::min(range.size, program.LineCount() - range.top);
        range = WidenOverBoxes(range, false);
    }
    const int removed = replace ? range.size : 0;
    if (program.LineCount() - removed + n >= LadProgram::kMaxLines) {
        m_doc->Box().ShowMessage(
            Messages::Text(kTooManyLines));  // nothing is deleted, nothing written
        return;
    }
    SetHighlight(false);
    if (replace) {
        UndoList().RecordReplaceLines(range.column, range.top, removed, n);
        ReleaseNumbersIn(range.top, removed);
        program.DeleteLines(range.top, removed);
    } else {
        UndoList().RecordInsertLines(range.column, range.top, n);
    }
    program.InsertLines(range.top, n);
    for (int i = 0; i < n; ++i) {
        program.Note(range.top + i) = m_clipboard->Notes()[static_cast<std::size_t>(i)];
        for (int c = 0; c < LadLine::kColumns; ++c) {
            program.Cell(c, range.top + i) =
                m_clipboard->Cells()[static_cast<std::size_t>(i * LadLine::kColumns + c)];
        }
    }
    ClaimNumbers(range.top, n);
    m_doc->SetModifiedFlag();
    m_host->InvalidateAll();
}

void CLadEditor::ClaimNumbers(int top, int count) {
    for (int line = top; line < top + count; ++line) {
        for (const LadCell& cell : Program().Line(line).cells) {
            ClaimNumberOf(m_doc->Converter().Numbers(), cell);
        }
    }
}

// The numbers of the boxes that start in the lines, given back before the lines go.
void CLadEditor::ReleaseNumbersIn(int top, int count) {
    for (int line = top; line < top + count; ++line) {
        const int column = FindFunctionBox(line);
        if (column >= 0 && Element::BoxRow(Program().Cell(column, line).code) == 0 &&
            !Element::IsCodt(Program().Cell(column, line).code)) {
            ReleaseBoxNumber(column, line);
        }
    }
}

void CLadEditor::OnSelectLines() {
    int start = Selection().anchor.line + 1;
    int end = start;
    if (!m_host->AskLineRange(start, end)) {
        return;
    }
    const int count = Program().LineCount();
    start = std::clamp(start, 1, std::max(count - 1, 1));
    end = std::max(std::min(end, count - 1), start);
    Select({0, start - 1}, {LadLine::kOutputColumn, end - 1});
    m_host->BringLineIntoView(start - 1);
}

void CLadEditor::OnGoLine() {
    int number = Selection().anchor.line + 1;
    if (!m_host->AskGoLine(number)) {
        return;
    }
    number = std::max(std::min(number, Program().LineCount() - 1), 1);
    Select({0, number - 1}, {0, number - 1});
    m_host->InvalidateAll();
    m_host->BringLineIntoView(number - 1);
}

}  // namespace rungpad
