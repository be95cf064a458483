#include "dialogs/InsertLineDlg.h"

#include <QLineEdit>

namespace rungpad {

CInsertLineDlg::CInsertLineDlg(QWidget* parent)
    : CFieldDlg(tr("Insert Line"), tr("&OK"), tr("&Cancel"), parent) {
    AddFieldBetween(tr("insert"), tr("line"));
    Field(0)->setText(QString::number(m_count));
}

bool CInsertLineDlg::Check(int& field, std::string& message) {
    const FieldChecks::Result result = FieldChecks::InsertLineCount(FieldText(0));
    if (result.ok) {
        m_count = static_cast<unsigned>(result.value);
    }
    return Outcome(result, 0, field, message);
}

}  // namespace rungpad
