#pragma once

#include <QFont>

namespace rungpad {

// The two fonts of the ladder drawing, sized in logical units so that screen and paper agree:
// the element font for cell texts, line numbers and page numbers, and the view font for line
// notes and the note editor ("Fixedsys" where it exists, else the system's fixed-pitch font).
class ViewFonts {
  public:
    // The view font keeps 12.8 screen pixels (9.6 points at 96 DPI) whatever the resolution.
    static constexpr double kNotePixels = 12.8;
    static constexpr int kElementSize = 12;  // logical units

    explicit ViewFonts(double screenDpiY = 96.0);

    // "Fixedsys" where the system has it, else the system's fixed-pitch font; unsized.
    static QFont FixedFace();

    const QFont& ElementFont() const { return m_element; }
    const QFont& NoteFont() const { return m_note; }
    // Logical heights of the two fonts (their pixel size at 100 DPI).
    int ElementSize() const { return kElementSize; }
    int NoteSize() const { return m_noteSize; }

  private:
    QFont m_element;
    QFont m_note;
    int m_noteSize;
};

}  // namespace rungpad
