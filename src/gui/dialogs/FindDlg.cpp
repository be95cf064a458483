#include "dialogs/FindDlg.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/SearchEdit.h"
#include "edit/ReplaceButtons.h"

namespace rungpad {

CFindDlg::CFindDlg(SearchTarget& target, QWidget* parent)
    : QDialog(parent),
      m_target(&target),
      m_qtBox(this),
      m_box(&m_qtBox),
      m_find(new SearchEdit(this)),
      m_up(new QRadioButton(this)),
      m_down(new QRadioButton(this)),
      m_targetLabel(new QLabel(this)),
      m_group(new QGroupBox(this)) {
    m_down->setChecked(true);
    auto* form = new QFormLayout;
    form->addRow(m_targetLabel, m_find);
    auto* directions = new QVBoxLayout(m_group);
    directions->addWidget(m_up);
    directions->addWidget(m_down);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    m_findButton = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_findButton->setDefault(true);
    m_cancelButton = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(m_findButton, &QPushButton::clicked, this, &CFindDlg::OnFind);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindDlg::reject);
    auto* lower = new QHBoxLayout;
    lower->addWidget(m_group);
    lower->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(lower);
    Retranslate();
}

void CFindDlg::Retranslate() {
    setWindowTitle(tr("Find dialog"));
    m_targetLabel->setText(tr("search target:"));
    m_group->setTitle(tr("find"));
    m_up->setText(tr("up(&U)"));
    m_down->setText(tr("down(&D)"));
    m_findButton->setText(tr("Find(&F)"));
    m_cancelButton->setText(tr("Cancel"));
}

void CFindDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDialog::changeEvent(event);
}

int CFindDlg::Direction() const {
    return m_up->isChecked() ? 1 : 0;
}

void CFindDlg::OnFind() {
    ReplaceButtons::OnFind(m_find->text().toStdString(), Direction(), *m_target, *m_box);
}

}  // namespace rungpad
