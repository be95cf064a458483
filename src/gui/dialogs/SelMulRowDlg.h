#pragma once

#include "dialogs/FieldDlg.h"

namespace rungpad {

// "Select multiple lines": a 1-based start and end line, whole numbers.
class CSelMulRowDlg : public CFieldDlg {
    Q_OBJECT

  public:
    explicit CSelMulRowDlg(QWidget* parent = nullptr);

    void SetLines(int start, int end);
    int StartLine() const { return m_start; }
    int EndLine() const { return m_end; }

  protected:
    bool Check(int& field, std::string& message) override;

  private:
    int m_start = 0;
    int m_end = 0;
};

}  // namespace rungpad
