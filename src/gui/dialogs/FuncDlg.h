#pragma once

#include <QDialog>
#include <cstdint>

#include "dialogs/QtMessageBox.h"

class QListWidget;
class QListWidgetItem;

namespace rungpad {

class UpperCaseEdit;

// The function instruction entry: pick a name from the sorted list (double-click) or type it;
// OK gives the instruction's code, or "功能指令输入错误!" for a name the catalogue lacks.
class CFuncDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CFuncDlg(QWidget* parent = nullptr);

    void SetMessageBox(MessageBoxHost* box) { m_box = box ? box : &m_qtBox; }
    QListWidget* List() const { return m_list; }
    UpperCaseEdit* NameEdit() const { return m_name; }
    // The code chosen on OK.
    std::uint16_t FunctionCode() const { return m_code; }

    void accept() override;

  protected:
    // The name box has the focus when the dialog opens.
    void showEvent(QShowEvent* event) override;
    // Letters typed while the list has the focus go into the name box; Enter there with an
    // empty name box takes the list's current entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnDoubleClicked(QListWidgetItem* item);

    QtMessageBox m_qtBox;
    MessageBoxHost* m_box;
    QListWidget* m_list;
    UpperCaseEdit* m_name;
    std::uint16_t m_code = 0;
};

}  // namespace rungpad
