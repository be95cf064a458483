#include "dialogs/NoteDlg.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace rungpad {

CNoteDlg::CNoteDlg(QWidget* parent)
    : CFieldDlg(tr("Modify note"), tr("OK"), tr("CANCEL"), parent), m_frame(new QGroupBox(this)) {
    auto* inner = new QVBoxLayout(m_frame);
    inner->addWidget(NewField());
    Body()->addWidget(m_frame);
}

void CNoteDlg::SetAddress(const QString& address) {
    m_frame->setTitle(address);
}

QString CNoteDlg::Address() const {
    return m_frame->title();
}

void CNoteDlg::SetNote(const QString& note) {
    Field(0)->setText(note);
}

QString CNoteDlg::Note() const {
    return Field(0)->text();
}

bool CNoteDlg::Check(int&, std::string&) {
    return true;
}

}  // namespace rungpad
