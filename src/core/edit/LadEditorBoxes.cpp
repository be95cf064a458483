// Function instruction boxes: insertion, deletion with number release, COD tables.
#include <algorithm>

#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/EditorHost.h"
#include "edit/LadEditor.h"
#include "model/FuncInstrTable.h"
#include "model/Messages.h"
#include "undo/NumberParameters.h"

namespace rungpad {

namespace {

constexpr std::uint16_t kEnd1 = 0x7100;
constexpr std::uint16_t kEnd2 = 0x7200;
constexpr int kCodKind = 0x26;
constexpr int kEndBoxColumn = 4;

}  // namespace

std::string CLadEditor::FunctionName(std::uint16_t code) {
    if (code == kEnd1) {
        return "END1";
    }
    if (code == kEnd2) {
        return "END2";
    }
    if (code < Element::kFirstBox) {
        return {};
    }
    const int x = (code - Element::kFirstBox) / 256;
    const int index = x % 16 + 10 * (x / 16);
    if (index < 0 || index >= FuncInstrTable::kCount) {
        return {};
    }
    return std::string(FuncInstrTable::At(index).name);
}

void CLadEditor::InsertFunctionBox(std::uint16_t code) {
    const FuncInstr* f = FuncInstrTable::FindFunctionCode(code);
    // A CODT table has no box of its own; it is built by COD's capacity entry.
    if (f == nullptr || f->code != code || code == Element::kCodt) {
        return;
    }
    SelectionState& sel = Selection();
    if (sel.cursor.line < 0) {
        return;
    }
    const int top = sel.FirstLine();
    const GridPos topEnd = sel.anchor.line == top ? sel.anchor : sel.cursor;
    const int anchorColumn = sel.anchor.column;
    if (!Program().IsValidLine(top) || ContinuesBox(top)) {
        return;
    }
    SetHighlight(false);
    if (!Program().InsertLines(top, f->height)) {
        return;  // the line limit: nothing written, nothing recorded
    }
    UndoList().RecordInsertLines(topEnd.column, top, f->height);

    int start = (code == kEnd1 || code == kEnd2) ? kEndBoxColumn : std::max(anchorColumn, 0);
    if (start + f->width > LadLine::kOutputColumn) {
        start = LadLine::kOutputColumn - f->width;
    }
    for (int row = 0; row < f->height; ++row) {
        for (int j = 0; j < f->width; ++j) {
            Program().Cell(start + j, top + row).code =
                static_cast<std::uint16_t>(code + 16 * row + j);
        }
    }
    for (int row = 0; row < f->inputRows && row < f->height; ++row) {
        for (int column = 0; column < start; ++column) {
            Program().Cell(column, top + row).code = Element::kHLine;
        }
    }
    for (int column = start + f->width; column < LadLine::kColumns; ++column) {
        Program().Cell(column, top).code = Element::kHLine;
    }
    Program().Cell(start, top).SetText(FunctionName(code));
    m_doc->SetModifiedFlag();
    m_host->InvalidateAll();
    // The cursor stays on the new box, so the keys go on from there.
    Select({start, top}, {start, top});
}

// Lines inserted before this line would cut a box (or a COD box from its table) in two.
bool CLadEditor::ContinuesBox(int line) const {
    const int column = FindFunctionBox(line);
    if (column < 0) {
        return false;
    }
    const std::uint16_t code = Program().Cell(column, line).code;
    return Element::BoxRow(code) > 0 || Element::IsCodt(code);
}

bool CLadEditor::OnFunctionMenuCommand(int commandId) {
    const std::uint16_t code = EditCommands::FunctionCodeOf(commandId);
    if (code == 0) {
        return false;
    }
    InsertFunctionBox(code);
    return true;
}

void CLadEditor::OnFunctionCommand() {
    std::uint16_t code = 0;
    if (m_host->AskFunctionCode(code)) {
        InsertFunctionBox(code);
    }
}

// Only a box's number parameter holds a claimed number.
void CLadEditor::ReleaseBoxNumber(int startColumn, int top) {
    for (int column = startColumn + 1; column <= startColumn + 2 && column < LadLine::kColumns;
         ++column) {
        ReleaseNumberOf(m_doc->Converter().Numbers(), Program(), Program().Cell(column, top));
    }
}

CLadEditor::BoxExtent CLadEditor::ExtentOf(int column, int line) const {
    BoxExtent box;
    const LadProgram& program = Program();
    if (column < 0 || column >= LadLine::kColumns || !program.IsValidLine(line)) {
        return box;
    }
    box.code = program.Cell(column, line).code;
    if (!Element::IsBoxCell(box.code)) {
        return box;
    }
    int height = 0;
    box.top = std::max(line - Element::BoxRow(box.code), 0);
    if (Element::IsCodt(box.code)) {
        // The table's own count, but never past its last line (a damaged count takes no more).
        const int claimed = program.Cell(column, line).codtCount;
        while (height < claimed && program.IsValidLine(box.top + height) &&
               Element::IsCodt(program.Cell(column, box.top + height).code)) {
            ++height;
        }
    } else {
        int width = 0;
        FuncInstrTable::BoxSize(box.code, width, height);
    }
    box.startColumn = column - Element::BoxColumn(box.code);
    if (Element::Kind(box.code) == kCodKind) {
        // The box's table lines belong to it; a box below it never does.
        while (program.IsValidLine(box.top + height) &&
               Element::IsCodt(program.Cell(column, box.top + height).code)) {
            ++height;
        }
    }
    box.height = std::clamp(height, 1, program.LineCount() - box.top);
    return box;
}

int CLadEditor::DeleteFunctionBox(int column, int line, bool remove) {
    const BoxExtent box = ExtentOf(column, line);
    if (box.height == 0) {
        return 0;
    }
    if (box.startColumn >= 0 && !Element::IsCodt(box.code)) {
        ReleaseBoxNumber(box.startColumn, box.top);
    }
    if (remove) {
        DeleteWholeLines({box.top, box.height, column});
        m_host->InvalidateAll();
        m_doc->SetModifiedFlag();
    }
    return box.height;
}

// The table is recorded like any other change of lines, so undoing it (and anything recorded
// before it) finds every line where it was.
void CLadEditor::MakeCodTableLines() {
    LadProgram& program = Program();
    const GridPos cursor = Selection().cursor;
    const int t = cursor.line + 2;
    const int m = m_cod.lines;
    if (cursor.line < 0 || t > program.LineCount() || m <= 0) {
        return;
    }
    int old = 0;  // only the lines that really are the old table, whatever its cells claim
    if (program.IsValidLine(t) && Element::IsCodt(program.Cell(0, t).code)) {
        const int claimed = program.Cell(0, t).codtCount;
        while (old < claimed && program.IsValidLine(t + old) &&
               Element::IsCodt(program.Cell(0, t + old).code)) {
            ++old;
        }
    }
    if (program.LineCount() - old + m >= LadProgram::kMaxLines) {
        m_doc->Box().ShowMessage(Messages::Text("行数超出范围!"));  // the old table stays as it was
        return;
    }
    SetHighlight(false);
    if (old > 0) {
        UndoList().RecordReplaceLines(cursor.column, t, old, m);
        program.DeleteLines(t, old);
    } else {
        UndoList().RecordInsertLines(cursor.column, t, m);
    }
    program.InsertLines(t, m);
    for (int r = 0; r < m; ++r) {
        for (int column = 0; column < LadLine::kColumns; ++column) {
            LadCell& cell = program.Cell(column, t + r);
            cell.code = static_cast<std::uint16_t>(Element::kCodt + 16 * r + column);
            cell.codtCount = m;
        }
    }
    m_doc->SetModifiedFlag();
    m_host->InvalidateAll();
}

}  // namespace rungpad
