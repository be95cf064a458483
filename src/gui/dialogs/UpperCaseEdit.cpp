#include "dialogs/UpperCaseEdit.h"

namespace rungpad {

UpperCaseEdit::UpperCaseEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = cursorPosition();
            setText(upper);
            setCursorPosition(cursor);
        }
    });
}

}  // namespace rungpad
