#include "dialogs/GotoLineDlg.h"

#include <QLineEdit>

namespace rungpad {

CGotoLineDlg::CGotoLineDlg(QWidget* parent)
    : CFieldDlg(tr("Go to line"), tr("&OK"), tr("&Cancel"), parent) {
    AddFieldBetween(tr("go"), tr("line"));
    SetLineNumber(0);
}

void CGotoLineDlg::SetLineNumber(int number) {
    m_number = number;
    Field(0)->setText(QString::number(number));
}

bool CGotoLineDlg::Check(int& field, std::string& message) {
    const FieldChecks::Result result = FieldChecks::GoLine(FieldText(0));
    if (result.ok) {
        m_number = static_cast<int>(result.value);
    }
    return Outcome(result, 0, field, message);
}

}  // namespace rungpad
