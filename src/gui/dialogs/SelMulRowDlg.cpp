#include "dialogs/SelMulRowDlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "edit/FieldChecks.h"

namespace rungpad {

CSelMulRowDlg::CSelMulRowDlg(QWidget* parent)
    : CFieldDlg(tr("Select multiple lines"), tr("OK"), tr("CANCLE"), parent) {
    auto* form = new QFormLayout;
    form->addRow(tr("start line:"), NewField());
    form->addRow(tr("end line:"), NewField());
    Body()->addLayout(form);
    SetLines(0, 0);
}

void CSelMulRowDlg::SetLines(int start, int end) {
    m_start = start;
    m_end = end;
    Field(0)->setText(QString::number(start));
    Field(1)->setText(QString::number(end));
}

bool CSelMulRowDlg::Check(int& field, std::string& message) {
    long long start = 0;
    long long end = 0;
    const FieldChecks::Result result =
        FieldChecks::SelectedLines(FieldText(0), FieldText(1), field, start, end);
    message = result.message;
    if (result.ok) {
        m_start = static_cast<int>(start);
        m_end = static_cast<int>(end);
    }
    return result.ok;
}

}  // namespace rungpad
