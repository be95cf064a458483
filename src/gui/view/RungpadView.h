#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <memory>
#include <optional>

#include "edit/EditorHost.h"
#include "edit/SearchTarget.h"
#include "sim/GridEvaluator.h"
#include "view/CursorMotion.h"
#include "view/GridGeometry.h"
#include "view/LogicalMapping.h"
#include "view/PrinterSetup.h"

class QAction;
class QLineEdit;
class QMenu;
class QPrinter;
class QRubberBand;

namespace rungpad {

class CFindDlg;
class CLadEditor;
class CLiveCheck;
class CoilReferences;
class ProgramComparison;
class CRungpadDoc;
class LadClipboard;
class LadProgram;
class SignalMemory;
class ViewFonts;

// The scrolling view of one ladder program. It draws the grid in logical units of 0.01 inch
// mapped by the screen's logical DPI and paints only the lines a paint request exposes. Given a
// document, it edits it: mouse and keys go to its editing core, whose dialogs and repaints it
// provides. The program belongs to the document; the view keeps a pointer to it.
class CRungpadView : public QAbstractScrollArea, public EditorHost, public SearchTarget {
    Q_OBJECT

  public:
    explicit CRungpadView(QWidget* parent = nullptr);
    ~CRungpadView() override;

    // Shows a program without editing it.
    void SetProgram(LadProgram* program);
    LadProgram* Program() const { return m_program; }
    // Shows doc's program and edits it; the clipboard is the application's one.
    void AttachDocument(CRungpadDoc& doc, LadClipboard& clipboard);
    CLadEditor* Editor() const { return m_editor.get(); }
    // Runs an editing command on the editor (nothing without a document) and signals Edited.
    void Edit(const std::function<void(CLadEditor&)>& command);

    // Monitor mode: the live state of a simulation drawn over the diagram (power from the grid
    // evaluator, values from memory, both owned by the caller); editing is refused and a left
    // click on a cell is reported by MonitorClicked. Null power ends it.
    void SetMonitor(const std::vector<LinePower>* power, const SignalMemory* memory);
    bool IsMonitoring() const { return m_monitorPower != nullptr; }

    // Logical units against the viewport's pixels at the present scroll position and zoom.
    LogicalMapping Mapping() const;

    // --- zoom ------------------------------------------------------------------------------------
    // The drawing's size in percent of its natural size (50 to 300); printing is not affected.
    int Zoom() const { return m_zoom; }
    // Sets the zoom, keeping the point of the drawing under anchor (viewport pixels; the middle
    // of the view when none) where it is.
    void SetZoom(int percent, std::optional<QPoint> anchor = std::nullopt);
    void ZoomIn();
    void ZoomOut();
    void ZoomToActualSize();
    // The largest zoom at which the drawing's width (grid and notes) fits the view.
    void ZoomToFitWidth();

    // Sets a cell's highlight mark; when it changes, the cell is repainted inverted or plain.
    void InvertCell(int column, int line, bool mark);
    // Repaints a logical rectangle, grown by grow device pixels on every side.
    void InvalidateLogical(const LogicalRect& r, int grow = 0);
    // EditorHost: the dialogs of the editing commands, repaints, scrolling and message boxes.
    bool AskItem(std::uint16_t kind, std::string& text) override;
    bool AskFunctionCode(std::uint16_t& code) override;
    bool AskInsertLineCount(unsigned& count) override;
    bool AskLineRange(int& startLine, int& endLine) override;
    bool AskGoLine(int& lineNumber) override;
    bool AskNote(std::string_view address, std::string& note) override;
    void ShowMessage(std::string_view text) override;
    // Repaints one cell: its rectangle grown by 5 device pixels on every side.
    void InvalidateCell(GridPos cell) override;
    void InvalidateAll() override;

    // The logical point at the view's top left corner (y zero or below), and scrolling to one.
    LogicalPoint ScrollPosition() const;
    void ScrollTo(LogicalPoint topLeft);
    // Scrolls vertically, when needed, so that line shows.
    void BringLineIntoView(int line) override;
    // Scrolls just enough that the cell shows whole, whatever the window's size (the fixed
    // scroll steps of the keys assume a page of 600 units).
    void KeepCellInView(GridPos cell);

    // SearchTarget: the find and replace dialogs search through the editor.
    bool SearchNext(std::string_view find, int direction, std::string_view replace,
                    int mode) override;
    void SelectFirstCell() override;
    void ReportReplacements() override;
    // Find: the view's find dialog, which keeps its text and direction between uses.
    void OnFind();

    // Cursor keys: moves the cursor and scrolls as the key says.
    void MoveCursor(CursorMotion::Key key);
    // The line note typed in place, in an edit box over the note column.
    void StartNoteEdit(int line);
    void EndNoteEdit();
    // Escape in the box: it closes, and the note stays as it was.
    void CancelNoteEdit();
    bool IsNoteEditOpen() const { return m_noteEdit != nullptr; }
    // The right-click menu at a screen position, and its items: the commands' own actions,
    // found by command id through the lookup the main frame gives.
    void ShowContextMenu(const QPoint& globalPos);
    void BuildContextMenu(QMenu& menu);
    void SetCommandLookup(std::function<QAction*(int id)> lookup) {
        m_commandLookup = std::move(lookup);
    }

    // Sets the scroll range and steps from the program's line count.
    void UpdateScrollSize();

    // Paints the exposed part of the viewport (device pixels) and returns the lines it drew.
    LineRange DrawView(QPainter& painter, const QRect& exposed);

    // --- live error marker ----------------------------------------------------------------------
    // After every edit the program is converted silently, on a copy; a failure marks its line in
    // the line-number margin (the report line as tool tip) until the program converts again.
    void ScheduleLiveCheck();
    void RunLiveCheck();
    // The marked line, or -1; and the report line (empty while the program converts).
    int LiveErrorLine() const { return m_liveLine; }
    QString LiveErrorMessage() const { return m_liveMessage; }
    // The marker's rectangle in viewport pixels; empty without a marker.
    QRect LiveMarkerRect() const;
    // The tool tip at a viewport point: the live marker's report line, a contact's or coil's
    // address with its note, or the whole line note over the note column; empty for none.
    QString ToolTipAt(QPoint viewportPos) const;

    // --- coil references -------------------------------------------------------------------------
    // Beside each line that writes an address, the lines of the contacts that read it, in a
    // column between the right rail and the line notes (which move right while it shows); a
    // click on a number selects that contact. Refreshed with the live check after every edit.
    void SetCoilReferencesShown(bool on);
    bool CoilReferencesShown() const { return m_coilRefs != nullptr; }
    void RefreshCoilReferences();
    // The margin text of line as drawn, pieces joined by spaces ("12 40 /57", "12 …"), and
    // the tool tip listing every reference ("R100.1: 12 40 /57"); empty while hidden.
    QString CoilReferenceText(int line);
    QString CoilReferenceToolTip(int line);
    // Selects the contact of the number at a viewport point; false when there is none.
    bool JumpToCoilReference(const QPoint& viewportPos);
    // Where the line notes begin (logical x).
    int NoteLeft() const;

    // --- navigation ------------------------------------------------------------------------------
    // Selects from anchor to cursor (one cell when they are equal, else whole lines), scrolls the
    // cursor's line into view and takes the focus.
    void ShowPlace(GridPos anchor, GridPos cursor);

    // Compare With: marks the lines that differ from other in the line-number margin until the
    // next comparison; the marks follow the edits.
    void SetComparison(LadProgram other);
    bool HasComparison() const { return m_comparison != nullptr; }
    // Moves the cursor to the first line of the next or previous difference; false (and nothing
    // moves) when there is none.
    bool GoToDifference(bool forward);

    // The printer set-up of the print commands, shared by the application; until one is given
    // the view keeps its own.
    void SetPrinter(PrinterSetup* printer) { m_printer = printer; }

  signals:
    // An editing action ran; the document's modified mark may have changed.
    void Edited();
    // The live check found the program broken (the report line) or converting again (empty).
    void LiveCheckChanged(const QString& message);
    // "Show Cross Reference" on a contact or coil: its address.
    void CrossReferenceRequested(const QString& address);
    // A left click on a cell in monitor mode, or Space on the cursor cell; shift when Shift was
    // held.
    void MonitorClicked(int column, int line, bool shift);
    // The zoom changed (percent).
    void ZoomChanged(int percent);

  public slots:
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The wheel scrolls by the desktop's step (three lines unless set otherwise) per notch.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    // Edit, and with keepCursorInView a cursor that the command moved is scrolled into view
    // (not under the mouse, where the cell clicked is in view already).
    void RunEdit(const std::function<void(CLadEditor&)>& command, bool keepCursorInView);
    void CloseNoteBox();
    const ViewFonts& Fonts();
    // Logical widths of texts in the element font, for the coil reference column.
    std::function<int(const QString&)> ElementMeasure();
    QPrinter& Printer();
    // Runs a live check that waited for the first picture.
    void LiveCheckAfterPaint();
    // The document's name without extension: the title of its print jobs and PDF files.
    QString DocName() const;

    LogicalPoint ToLogical(const QPoint& viewportPos) const;
    int LineCount() const;
    // The mapping at zoom with the given scroll position.
    LogicalMapping ZoomedMapping(QPoint scroll) const;
    // How far (logical units) the widest line note, or the coil reference column, reaches right
    // of the note column's usual start.
    int NoteWidth();

    LadProgram* m_program = nullptr;
    CRungpadDoc* m_doc = nullptr;
    const std::vector<LinePower>* m_monitorPower = nullptr;
    const SignalMemory* m_monitorMemory = nullptr;
    std::unique_ptr<CLadEditor> m_editor;
    std::unique_ptr<CFindDlg> m_findDlg;
    QRubberBand* m_band = nullptr;
    QPoint m_bandStart;
    bool m_dragging = false;
    QLineEdit* m_noteEdit = nullptr;
    int m_noteLine = -1;
    std::unique_ptr<ViewFonts> m_fonts;
    double m_noteByteWidth = 0;  // logical units a byte of note text takes at most
    int m_zoom = 100;
    std::unique_ptr<ProgramComparison> m_comparison;
    PrinterSetup* m_printer = nullptr;
    PrinterSetup m_ownPrinter;
    std::function<QAction*(int id)> m_commandLookup;
    int m_wheelRemainder = 0;  // wheel turn below one notch, kept for the next event
    std::unique_ptr<CLiveCheck> m_liveCheck;
    std::unique_ptr<CoilReferences> m_coilRefs;
    bool m_livePending = false;
    bool m_liveAfterPaint = false;  // a check waits for the window's first picture
    int m_liveLine = -1;
    QString m_liveMessage;
};

}  // namespace rungpad
