// The item entry of a contact, coil, function parameter or table entry, and its live check.
#include <cctype>

#include "document/RungpadDoc.h"
#include "edit/EditorHost.h"
#include "edit/LadEditor.h"
#include "model/Messages.h"
#include "model/ParameterRules.h"
#include "model/PlcAddress.h"
#include "undo/NumberParameters.h"

namespace rungpad {

namespace {

constexpr std::size_t kItemLength = 6;
constexpr int kEntryError = 1;  // the error kind of the editor's entry checks

std::string FirstCharacters(std::string_view typed) {
    return std::string(typed.substr(0, std::min(typed.size(), kItemLength)));
}

}  // namespace

bool CLadEditor::EnterItem(int kind) {
    if (!HasValidCursor()) {
        return false;
    }
    std::string typed(CursorCell().Text());
    if (!m_host->AskItem(static_cast<std::uint16_t>(kind), typed)) {
        return false;
    }
    MessageChannel& out = m_doc->Out();
    out.ClearOutput();
    out.OutputLine(Messages::Text("Checking..."));
    if (!CheckEntry(kind, typed)) {
        return false;
    }
    out.OutputLine(Messages::Text("Accept!"));
    return true;
}

bool CLadEditor::CheckEntry(int kind, std::string_view typed) {
    const GridPos target = Selection().cursor;
    const LadCell saved = CursorCell();
    const bool recorded = UndoList().RecordCell(target.column, target.line);
    CLadConvert& convert = m_doc->Converter();
    convert.ClearErrors();
    m_cod = {};
    if (kind < Element::kFirstBox) {
        CheckBasicItem(kind, typed);
    } else {
        CheckFunctionParameter(typed);
    }
    if (convert.ErrorCount() > 0) {
        RollBackEntry(recorded, saved, target);
        m_doc->Out().OutputLine(convert.ShownLastError());
        return false;
    }
    if (m_cod.pending) {
        MakeCodTableLines();
    }
    return true;
}

// The record just made takes the cell back; without one (the list not attached yet) the copy
// does.
void CLadEditor::RollBackEntry(bool recorded, const LadCell& saved, GridPos target) {
    if (recorded) {
        int lineCount = 0;
        UndoList().Undo(lineCount);
        UndoList().DiscardRedo();
    } else {
        Program().Cell(target.column, target.line) = saved;
    }
}

void CLadEditor::CheckBasicItem(int kind, std::string_view typed) {
    CLadConvert& convert = m_doc->Converter();
    const int line = Selection().cursor.line;
    std::string t = FirstCharacters(typed);
    for (char& c : t) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const int byte = PlcAddress::ParseBitAddress(t);
    if (byte < 0) {
        convert.AddError(kEntryError, ErrorCode::kAddressData, line);
        return;
    }
    const bool coil = kind == Element::kCoil || kind == Element::kNegCoil;
    if (coil && !convert.CheckCoilAddress(t, line)) {
        convert.AddError(kEntryError, ErrorCode::kAddressData, line);
        return;
    }
    // Whatever sits in the output column drives an output.
    if (Selection().cursor.column == LadLine::kOutputColumn && !convert.CheckCoilAddress(t, line)) {
        return;
    }
    LadCell& cell = CursorCell();
    cell.SetText(t);
    cell.number = static_cast<std::int16_t>(byte);
}

void CLadEditor::CheckFunctionParameter(std::string_view typed) {
    CLadConvert& convert = m_doc->Converter();
    const GridPos cursor = Selection().cursor;
    LadCell& cell = CursorCell();
    const bool parameterCell =
        Element::BoxColumn(cell.code) >= 1 && Element::BoxRow(cell.code) == 0;
    if (!parameterCell && !Element::IsCodt(cell.code)) {
        return;
    }
    std::string t = FirstCharacters(typed);
    const int v = ValidateParameter(cell.code, cursor.column, t, cursor.line);
    if (const ErrorCode error = ParameterVerdict::ErrorOf(v); error != ErrorCode::kNone) {
        convert.AddError(kEntryError, error, cursor.line);
        return;
    }
    if (IsNumberParameter(cell.code)) {
        const int previous = cell.number;
        if (convert.CheckNumber(cell, v, cursor.line, false)) {
            return;
        }
        // The number given up stays taken while a pasted copy of the box still holds it.
        if (previous != v && NumberHeldElsewhere(Program(), cell.code, previous, &cell)) {
            LadCell holder;
            holder.code = cell.code;
            holder.number = static_cast<std::int16_t>(previous);
            ClaimNumberOf(convert.Numbers(), holder);
        }
    }
    cell.SetText(t);
    cell.number = static_cast<std::int16_t>(v);
}

int CLadEditor::ValidateParameter(std::uint16_t code, int column, std::string& text, int line) {
    m_cod = {};
    if (!Program().IsValidLine(line)) {
        return ParameterVerdict::kMalformed;
    }
    ParameterVerdict verdict = ParameterRules::Validate(code, column, text, Program().Line(line));
    if (!verdict.Accepted()) {
        return verdict.value;
    }
    if (verdict.clearColumn >= 0) {
        Program().Cell(verdict.clearColumn, line).SetText("");
    }
    if (verdict.codTableLines > 0) {
        m_cod = {true, verdict.codTableLines};
    }
    text = std::move(verdict.text);
    return verdict.value;
}

}  // namespace rungpad
