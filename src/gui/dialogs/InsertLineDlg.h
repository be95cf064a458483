#pragma once

#include "dialogs/FieldDlg.h"

namespace rungpad {

// "Insert Line": how many lines, 1 to 1000; it opens showing 1.
class CInsertLineDlg : public CFieldDlg {
    Q_OBJECT

  public:
    explicit CInsertLineDlg(QWidget* parent = nullptr);

    unsigned Count() const { return m_count; }

  protected:
    bool Check(int& field, std::string& message) override;

  private:
    unsigned m_count = 1;
};

}  // namespace rungpad
