#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "ProgramCompare.h"
#include "RecordingHost.h"
#include "ScriptedEditorHost.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadClipboard.h"
#include "edit/LadEditor.h"
#include "undo/NumberParameters.h"

namespace rungpad::test {

// A document with one editor on it, driven through a scripted host.
class EditorFixture : public ::testing::Test {
  protected:
    // Replaces the program by grid, claims its box numbers, and clears the selection.
    void Use(const std::vector<std::string>& grid) {
        int lines = 0;
        while (editor.UndoList().GetCount() > 0) {
            editor.UndoList().Undo(lines);  // a fresh history for the new program
        }
        editor.UndoList().DiscardRedo();
        doc.Program() = GridBuilder::Build(grid);
        doc.Program().SetMessageBox(&out);
        ClaimNumbers();
        doc.Selection() = SelectionState{};
        doc.SetModifiedFlag(false);
    }
    // Claims the number of every number parameter, as loading and converting a program does.
    void ClaimNumbers() {
        CLadConvert& convert = doc.Converter();
        convert.ClearNumbers();
        for (int line = 0; line < doc.Program().LineCount(); ++line) {
            for (const LadCell& cell : doc.Program().Line(line).cells) {
                if (IsNumberParameter(cell.code) && cell.number >= 0) {
                    LadCell claim = cell;
                    convert.CheckNumber(claim, cell.number, line, true);
                }
            }
        }
        convert.ClearErrors();
    }
    static LadProgram Grid(const std::vector<std::string>& grid) {
        return GridBuilder::Build(grid);
    }

    // Places kind at (column, line) with typed as the item dialog's answer.
    void Enter(int kind, GridPos at, const std::string& typed) {
        SelectCell(at.column, at.line);
        host.items.push_back(typed);
        out.Reset();
        editor.PlaceElement(kind);
    }

    void SelectCell(int column, int line) {
        doc.Selection().anchor = {column, line};
        doc.Selection().cursor = {column, line};
    }
    void SelectLines(GridPos anchor, GridPos cursor) {
        doc.Selection().anchor = anchor;
        doc.Selection().cursor = cursor;
    }
    GridPos Cursor() const { return doc.Selection().cursor; }
    GridPos Anchor() const { return doc.Selection().anchor; }
    const LadCell& Cell(int column, int line) const { return doc.Program().Cell(column, line); }
    int Lines() const { return doc.Program().LineCount(); }

    // Kinds of the records in the undo list, oldest first.
    std::vector<int> UndoKinds() const {
        std::vector<int> kinds;
        for (int age = editor.UndoList().GetCount() - 1; age >= 0; --age) {
            kinds.push_back(editor.UndoList().Peek(age)->kind);
        }
        return kinds;
    }

    RecordingHost out;
    NullDocumentHost docHost;
    CRungpadDoc doc{out, out, docHost};
    ScriptedEditorHost host;
    LadClipboard clipboard;
    CLadEditor editor{doc, host, clipboard};

    void SetUp() override { editor.OnInitialUpdate(); }
};

}  // namespace rungpad::test
