#include "view/ViewFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

#include "view/LogicalMapping.h"

namespace rungpad {

namespace {

QFont NoteFace() {
    if (QFontDatabase::families().contains(QStringLiteral("Fixedsys"))) {
        return QFont(QStringLiteral("Fixedsys"));
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    return fixed;
}

}  // namespace

ViewFonts::ViewFonts(double screenDpiY)
    : m_element(QFontDatabase::systemFont(QFontDatabase::GeneralFont)),
      m_note(NoteFace()),
      m_noteSize(static_cast<int>(std::lround(kNotePixels * LogicalMapping::kUnitsPerInch /
                                              (screenDpiY > 0 ? screenDpiY : 96.0)))) {
    m_element.setPixelSize(kElementSize);
    m_note.setPixelSize(m_noteSize);
}

}  // namespace rungpad
