#pragma once

#include <QLineEdit>

namespace rungpad {

// An edit box that turns typed letters into upper case as they are typed.
class UpperCaseEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit UpperCaseEdit(QWidget* parent = nullptr);
};

}  // namespace rungpad
