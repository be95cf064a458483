#pragma once

#include <QString>

class QTextStream;

namespace rungpad {

// Writes the pages that Print prints of a ladder file into a PDF file, through the same page
// loop and on the same kind of printer, without showing a window. The file is opened as the
// editor opens it; OUT is replaced only when the whole document is written.
class CPdfExport {
  public:
    // Exit statuses as rungpad-cli's: 0 written, 2 FILE unreadable or refused, nothing to print
    // or OUT not written. Problems are reported on err, one line each.
    // documentation: the whole documentation (title page, ladder pages with coil references,
    // tables, instruction list, bookmarks) instead of the pages Print prints; the address notes
    // are those of "PBitCh01.MEA" beside the program, as the editor reads them.
    static int Run(const QString& out, const QString& file, QTextStream& err,
                   bool documentation = false);
};

}  // namespace rungpad
