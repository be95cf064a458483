#include "dialogs/SearchEdit.h"

#include "edit/AddressTyping.h"
#include "model/LadCell.h"
#include "text/QtText.h"

namespace rungpad {

SearchEdit::SearchEdit(QWidget* parent) : UpperCaseEdit(parent) {
    setMaxLength(static_cast<int>(LadCell::kMaxText));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString normal = QtText::ToQString(AddressTyping::Normalise(text.toStdString()));
        if (normal != text) {
            setText(normal);  // changes once more, already in normal form
            // The rewrite fills in a digit the user has not typed yet ("X1." becomes "X001.0"):
            // it stays selected so that the next key overwrites it in the full box.
            setSelection(static_cast<int>(normal.size()) - 1, 1);
        }
    });
}

}  // namespace rungpad
