#include "dialogs/ReplaceDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

#include "dialogs/SearchEdit.h"
#include "edit/ReplaceButtons.h"

namespace rungpad {

CReplaceDlg::CReplaceDlg(ReplaceButtons& buttons, SearchTarget& target, QWidget* parent)
    : QDialog(parent),
      m_buttons(&buttons),
      m_target(&target),
      m_qtBox(this),
      m_box(&m_qtBox),
      m_find(new SearchEdit(this)),
      m_replace(new SearchEdit(this)) {
    setWindowTitle(tr("Replace"));
    auto* form = new QFormLayout;
    form->addRow(tr("find content:"), m_find);
    form->addRow(tr("Replace:"), m_replace);
    auto* box = new QDialogButtonBox(Qt::Vertical, this);
    const auto add = [&](const QString& text, void (CReplaceDlg::*slot)()) {
        QPushButton* button = box->addButton(text, QDialogButtonBox::ActionRole);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    add(tr("FIND NEXT(&F)"), &CReplaceDlg::OnFindNext)->setDefault(true);
    add(tr("REPLACE(&R)"), &CReplaceDlg::OnReplace);
    add(tr("ALL REPLACE(&A)"), &CReplaceDlg::OnReplaceAll);
    box->addButton(tr("CANCEL(&C)"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::rejected, this, &CReplaceDlg::reject);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
}

void CReplaceDlg::OnFindNext() {
    m_buttons->OnFindNext(m_find->text().toStdString(), *m_target, *m_box);
}

void CReplaceDlg::OnReplace() {
    m_buttons->OnReplace(m_find->text().toStdString(), m_replace->text().toStdString(), *m_target,
                         *m_box);
}

void CReplaceDlg::OnReplaceAll() {
    ReplaceButtons::OnReplaceAll(m_find->text().toStdString(), m_replace->text().toStdString(),
                                 *m_target, *m_box);
}

}  // namespace rungpad
