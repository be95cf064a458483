#pragma once

#include <QAbstractScrollArea>
#include <memory>

class QPrinter;

#include "view/GridGeometry.h"
#include "view/LogicalMapping.h"

namespace rungpad {

class LadProgram;
class ViewFonts;

// The scrolling view of one ladder program. It draws the grid in logical units of 0.01 inch
// mapped by the screen's logical DPI and paints only the lines a paint request exposes. The
// program belongs to the document; the view keeps a pointer to it.
class CRungpadView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    explicit CRungpadView(QWidget* parent = nullptr);
    ~CRungpadView() override;

    void SetProgram(LadProgram* program);
    LadProgram* Program() const { return m_program; }

    // Logical units against the viewport's pixels at the present scroll position.
    LogicalMapping Mapping() const;

    // Sets a cell's highlight mark; when it changes, the cell is repainted inverted or plain.
    void InvertCell(int column, int line, bool mark);
    // Repaints a logical rectangle, grown by grow device pixels on every side.
    void InvalidateLogical(const LogicalRect& r, int grow = 0);
    // Repaints one cell: its rectangle grown by 5 device pixels on every side.
    void InvalidateCell(GridPos cell);
    void InvalidateAll();

    // The logical point at the view's top left corner (y zero or below), and scrolling to one.
    LogicalPoint ScrollPosition() const;
    void ScrollTo(LogicalPoint topLeft);
    // Scrolls vertically, when needed, so that line shows.
    void BringLineIntoView(int line);

    // Sets the scroll range and steps from the program's line count.
    void UpdateScrollSize();

    // Paints the exposed part of the viewport (device pixels) and returns the lines it drew.
    LineRange DrawView(QPainter& painter, const QRect& exposed);

    // The printer set-up of the print commands, shared by the application; until one is given
    // the view keeps its own.
    void SetPrinter(QPrinter* printer) { m_printer = printer; }

  public slots:
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    const ViewFonts& Fonts();
    QPrinter& Printer();

    LadProgram* m_program = nullptr;
    std::unique_ptr<ViewFonts> m_fonts;
    QPrinter* m_printer = nullptr;
    std::unique_ptr<QPrinter> m_ownPrinter;
};

}  // namespace rungpad
