#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "edit/ReplaceTally.h"
#include "edit/SearchTarget.h"
#include "model/SelectionState.h"
#include "undo/UnDoList.h"

namespace rungpad {

class CRungpadDoc;
class EditorHost;
class LadClipboard;
class LadProgram;
struct LadCell;

// The editing logic of one ladder view, free of any widget: the selection it shares with the
// other views of its document, element placement with its rules, function boxes, the item entry
// and its live check, line commands and the clipboard, find and replace, notes and undo. The
// view forwards its commands here and implements EditorHost; the editor changes the document's
// program and records every change first in the document's undo list, which all its views share.
class CLadEditor : public SearchTarget {
  public:
    CLadEditor(CRungpadDoc& doc, EditorHost& host, LadClipboard& clipboard);
    CLadEditor(const CLadEditor&) = delete;
    CLadEditor& operator=(const CLadEditor&) = delete;

    // The view's first showing: an empty program (left by a refused file) gets one empty line.
    void OnInitialUpdate();

    CRungpadDoc& Document() const { return *m_doc; }
    CUnDoList& UndoList() const;

    // --- selection ----------------------------------------------------------------------------
    // Shows or hides the selection's highlight marks; showing puts the cursor cell's address note
    // into the output window, hiding clears the cursor.
    void SetHighlight(bool on);
    // Hides the selection, puts anchor and cursor where given, shows it again.
    void Select(GridPos anchor, GridPos cursor);
    void InvalidateCursorCell();
    // The first column of line holding a function box cell, or -1.
    int FindFunctionBox(int line) const;

    // --- element placement ---------------------------------------------------------------------
    // Places kind at the cursor: 0 delete, 0x100 horizontal line, 0x200/0x300 contacts,
    // 0x400/0x500 coils, 16/17 set/clear the vertical link, or the cursor cell's own function
    // parameter or table code (re-entering it).
    void PlaceElement(int kind);
    // An element tool command by id; false for an id that is not one.
    bool OnElementCommand(int commandId);
    // Enter, or a double-click in the grid: re-enters the cursor cell's element. Empty cells,
    // function names and the later rows of a box have nothing to enter.
    void EditAtCursor();
    bool CanEditAtCursor() const;

    // --- line notes ----------------------------------------------------------------------------
    // A line note typed in place (UTF-8), recorded for undo; at most 20 bytes are kept, never
    // half a character.
    void SetLineNote(int line, std::string_view text);
    // The note of line, UTF-8; empty outside the program.
    std::string LineNote(int line) const;
    // Whether a typed line note (UTF-8) fits the note's 20 bytes once encoded.
    static bool LineNoteFits(std::string_view text);

    // --- function boxes ------------------------------------------------------------------------
    // A new box of code before the selected lines (CODT and unknown codes are refused).
    void InsertFunctionBox(std::uint16_t code);
    // A function menu command by id; false for an id that is not one.
    bool OnFunctionMenuCommand(int commandId);
    // The function command: asks for a function and inserts its box.
    void OnFunctionCommand();
    // Releases the number of the box with a cell at (column, line) and, with remove, deletes its
    // lines (a COD box with its table). Returns the box's height in lines; 0 when the cell is no
    // box cell.
    int DeleteFunctionBox(int column, int line, bool remove);
    // Rebuilds the table lines below the COD box whose capacity the cursor cell holds.
    void MakeCodTableLines();
    // "END1", "END2" or the catalogue name of a function code; empty for no function.
    static std::string FunctionName(std::uint16_t code);

    // --- item entry and check ------------------------------------------------------------------
    // Asks for the cursor cell's item and checks it; true when it was accepted and stored.
    bool EnterItem(int kind);
    // Checks typed as an entry of kind into the cursor cell: stores it when it passes, else
    // leaves the cell as it was and shows the error line. One undo record when it passes.
    bool CheckEntry(int kind, std::string_view typed);
    // The checks of an entry: they add to the converter's error list and, when it passes, store
    // the normalised text and number in the cursor cell.
    void CheckBasicItem(int kind, std::string_view typed);
    void CheckFunctionParameter(std::string_view typed);
    // The value of a parameter entry, or -1 (not allowed) or -2 (malformed); text is normalised.
    int ValidateParameter(std::uint16_t code, int column, std::string& text, int line);

    // --- lines and clipboard -------------------------------------------------------------------
    void OnInsertLine();
    void OnDeleteLine();
    void OnCopy();
    void OnCut();
    void OnPaste();
    void OnSelectLines();
    void OnGoLine();

    // --- find, replace, notes, undo ------------------------------------------------------------
    // Finds the next cell whose text is find, exactly, from the selection (modes 0, 1, 3) or
    // from the first cell (mode 2) and selects it; modes 2 and 3 replace it, mode 1 first
    // replaces the selected cell when it matches. direction 0 searches down, else up.
    bool SearchNext(std::string_view find, int direction, std::string_view replace,
                    int mode) override;
    // The replace dialog's restart: the selection goes to the first cell of the program.
    void SelectFirstCell() override;
    // What the replacements since the last Replace or Replace All began did, in the output
    // window.
    void ReportReplacements() override;
    void OnModifyNote();
    bool CanModifyNote() const;
    void OnUndo();
    bool CanUndo() const { return UndoList().GetCount() > 0; }
    // Puts back the step the last Undo took back, selecting it as Undo would have before.
    void OnRedo();
    bool CanRedo() const { return UndoList().GetRedoCount() > 0; }

  private:
    struct BoxAtLine {
        int column = -1;         // first column of the box on the line
        std::uint16_t code = 0;  // element code of that cell
        int width = 0;
        int inputRows = 0;
        int row = 0;  // row offset within the box
    };
    struct BoxExtent {
        int top = 0;
        int height = 0;  // lines, a COD box's table included; 0: no box there
        int startColumn = 0;
        std::uint16_t code = 0;  // the cell's code the extent was found from
    };
    struct LineRange {
        int top = 0;
        int size = 0;
        int column = 0;  // the column of the selection's top end
    };
    struct CodRequest {
        bool pending = false;
        int lines = 0;
    };

    LadProgram& Program() const;
    SelectionState& Selection() const;
    bool HasValidCursor() const;
    LadCell& CursorCell() const;
    BoxAtLine BoxOf(int line) const;
    bool RefusedByBox(int kind, int column, const BoxAtLine& box) const;
    bool IsKnownKind(int kind) const;
    bool ContinuesBox(int line) const;
    bool AppendTrailingLine(int column, int line);
    void FillCoilLine(int line);
    void SetMark(GridPos pos, bool on);
    void ShowCursorNote();
    void PlaceLine(int kind, GridPos target);
    void PlaceLink(bool set, GridPos target);
    void ReleaseBoxNumber(int startColumn, int top);
    BoxExtent ExtentOf(int column, int line) const;
    void RollBackEntry(bool recorded, const LadCell& saved, GridPos target);
    void SelectUndone(GridPos at, int lineCount);
    LineRange SelectedLines() const;
    LineRange WidenOverBoxes(LineRange range, bool releaseNumbers);
    void DeleteWholeLines(LineRange range);
    void PasteCell();
    void PasteLines();
    void ClaimNumbers(int top, int count);
    void ReleaseNumbersIn(int top, int count);
    bool Matches(int column, int line, std::string_view find) const;
    void TakeMatch(GridPos match, std::string_view replace, int mode);
    void ReplaceText(GridPos cell, std::string_view replace);

    CRungpadDoc* m_doc;
    EditorHost* m_host;
    LadClipboard* m_clipboard;
    CodRequest m_cod;
    ReplaceTally m_replaceTally;
};

}  // namespace rungpad
