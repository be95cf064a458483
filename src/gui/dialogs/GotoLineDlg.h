#pragma once

#include "dialogs/FieldDlg.h"

namespace rungpad {

// "Go to line": a 1-based line number from 1 to 9999.
class CGotoLineDlg : public CFieldDlg {
    Q_OBJECT

  public:
    explicit CGotoLineDlg(QWidget* parent = nullptr);

    void SetLineNumber(int number);
    // The number taken on OK.
    int LineNumber() const { return m_number; }

  protected:
    bool Check(int& field, std::string& message) override;

  private:
    int m_number = 0;
};

}  // namespace rungpad
