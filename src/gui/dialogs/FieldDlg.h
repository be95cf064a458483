#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "dialogs/QtMessageBox.h"
#include "edit/FieldChecks.h"

class QDialogButtonBox;
class QLineEdit;
class QVBoxLayout;

namespace rungpad {

// The frame of the small dialogs that ask for numbers or texts: the dialog's own controls above
// an OK and a Cancel button. OK runs the dialog's check; at the first field that fails, the
// program's standard message shows in a message box and the dialog stays open with that field
// focused and its text selected.
class CFieldDlg : public QDialog {
    Q_OBJECT

  public:
    // Where the failure messages go; tests record them instead of showing a box.
    void SetMessageBox(MessageBoxHost* box) { m_box = box ? box : &m_qtBox; }

    // The dialog's edit boxes in the order its check takes them.
    QLineEdit* Field(int index) const;

    void accept() override;

  protected:
    // The first field has the focus, with its text selected, so typing replaces it.
    void showEvent(QShowEvent* event) override;

    CFieldDlg(const QString& title, const QString& ok, const QString& cancel, QWidget* parent);

    QVBoxLayout* Body() const { return m_body; }
    // A new edit box that accepts at most maxLength characters, as field number FieldCount().
    QLineEdit* NewField(int maxLength = 32767);
    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    std::string FieldText(int index) const;
    // A row "before [new field] after", as in "go [ ] line".
    void AddFieldBetween(const QString& before, const QString& after);
    // The outcome of one field's check as Check reports it.
    static bool Outcome(const FieldChecks::Result& result, int index, int& field,
                        std::string& message);

    // Checks the fields; false with the failing field and its message when one fails.
    virtual bool Check(int& field, std::string& message) = 0;

  private:
    QtMessageBox m_qtBox;
    MessageBoxHost* m_box;
    QVBoxLayout* m_body;
    std::vector<QLineEdit*> m_fields;
};

}  // namespace rungpad
