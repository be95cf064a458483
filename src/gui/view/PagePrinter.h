#pragma once

class QPaintDevice;
class QPagedPaintDevice;

namespace rungpad {

class LadPainter;
class LadProgram;
class LogicalMapping;

// Prints a program 25 lines to a page: rails, a top border on the first page, the cells and line
// numbers of the page's lines and the page number at the foot. Line notes are not printed.
class PagePrinter {
  public:
    // Draws page (1-based) of program.
    static void PrintPage(LadPainter& p, const LadProgram& program, int page);

    // The device's own resolution, shrunk where its page is smaller than the printed page's
    // extent so nothing is cut off.
    static LogicalMapping PageMapping(const QPaintDevice& device);

    // Prints pages from .. to (1-based, limited to the program's page count) onto device, one
    // device page each. Returns false when there is nothing to print or painting cannot start.
    static bool Print(QPagedPaintDevice& device, const LadProgram& program, int from, int to);
};

}  // namespace rungpad
