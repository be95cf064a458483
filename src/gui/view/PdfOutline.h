#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace rungpad {

// Adds bookmarks (an outline) to a PDF that the Qt PDF writer produced, which has no API for
// them: an incremental update appended after the file's last byte (a new catalog that names the
// outline, the outline's objects, a cross-reference section and a trailer pointing back to the
// old one), so every byte Qt wrote stays where it is. Refuses, changing nothing, a file whose
// structure it does not find as expected.
class PdfOutline {
  public:
    struct Entry {
        QString title;  // printable ASCII is kept, anything else becomes '?'
        int page = 0;   // 0-based
    };

    // Appends the outline to pdf; false (pdf unchanged) when the file is not as expected or a
    // page is out of range.
    static bool Add(QByteArray& pdf, const std::vector<Entry>& entries);
};

}  // namespace rungpad
