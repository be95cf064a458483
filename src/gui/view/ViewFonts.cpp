#include "view/ViewFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

#include "view/LogicalMapping.h"

namespace rungpad {

QFont ViewFonts::FixedFace() {
    if (QFontDatabase::families().contains(QStringLiteral("Fixedsys"))) {
        return QFont(QStringLiteral("Fixedsys"));
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed;
}

ViewFonts::ViewFonts(double screenDpiY)
    : m_element(QFontDatabase::systemFont(QFontDatabase::GeneralFont)),
      m_note(FixedFace()),
      m_noteSize(static_cast<int>(std::lround(kNotePixels * LogicalMapping::kUnitsPerInch /
                                              (screenDpiY > 0 ? screenDpiY : 96.0)))) {
    m_element.setPixelSize(kElementSize);
    m_note.setPixelSize(m_noteSize);
}

}  // namespace rungpad
