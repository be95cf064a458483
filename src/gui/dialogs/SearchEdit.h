#pragma once

#include "dialogs/UpperCaseEdit.h"

namespace rungpad {

// The text boxes of the find and replace dialogs: upper case, at most a cell's 6 characters,
// and an address with a fraction rewritten as it is typed (X1.2 becomes X001.2) so that it
// matches the cells' stored form. After a rewrite its last digit is selected, so typing goes on
// key by key: x, 1, ., 2 gives X001.2.
class SearchEdit : public UpperCaseEdit {
    Q_OBJECT

  public:
    explicit SearchEdit(QWidget* parent = nullptr);
};

}  // namespace rungpad
