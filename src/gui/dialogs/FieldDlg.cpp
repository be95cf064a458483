#include "dialogs/FieldDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rungpad {

CFieldDlg::CFieldDlg(const QString& title, const QString& ok, const QString& cancel,
                     QWidget* parent)
    : QDialog(parent), m_qtBox(this), m_box(&m_qtBox), m_body(new QVBoxLayout) {
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* okButton = buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFieldDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFieldDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_body);
    layout->addWidget(buttons);
}

QLineEdit* CFieldDlg::Field(int index) const {
    return index >= 0 && index < FieldCount() ? m_fields[static_cast<std::size_t>(index)] : nullptr;
}

QLineEdit* CFieldDlg::NewField(int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(maxLength);
    m_fields.push_back(edit);
    return edit;
}

std::string CFieldDlg::FieldText(int index) const {
    const QLineEdit* edit = Field(index);
    return edit ? edit->text().toStdString() : std::string();
}

void CFieldDlg::AddFieldBetween(const QString& before, const QString& after) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(before, this));
    row->addWidget(NewField());
    row->addWidget(new QLabel(after, this));
    m_body->addLayout(row);
}

bool CFieldDlg::Outcome(const FieldChecks::Result& result, int index, int& field,
                        std::string& message) {
    field = index;
    message = result.message;
    return result.ok;
}

void CFieldDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QLineEdit* first = Field(0)) {
        first->setFocus(Qt::OtherFocusReason);
        first->selectAll();
    }
}

void CFieldDlg::accept() {
    int field = -1;
    std::string message;
    if (Check(field, message)) {
        QDialog::accept();
        return;
    }
    m_box->ShowMessage(message);
    for (QLineEdit* other : m_fields) {
        other->deselect();
    }
    if (QLineEdit* edit = Field(field)) {
        edit->setFocus();
        edit->selectAll();
    }
}

}  // namespace rungpad
