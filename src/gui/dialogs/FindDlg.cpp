#include "dialogs/FindDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
      m_up(new QRadioButton(QStringLiteral("up(&U)"), this)),
      m_down(new QRadioButton(QStringLiteral("down(&D)"), this)) {
    setWindowTitle(QStringLiteral("Find dialog"));
    m_down->setChecked(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("search target:"), m_find);
    auto* group = new QGroupBox(QStringLiteral("find"), this);
    auto* directions = new QVBoxLayout(group);
    directions->addWidget(m_up);
    directions->addWidget(m_down);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* find =
        buttons->addButton(QStringLiteral("Find(&F)"), QDialogButtonBox::ActionRole);
    find->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(find, &QPushButton::clicked, this, &CFindDlg::OnFind);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindDlg::reject);
    auto* lower = new QHBoxLayout;
    lower->addWidget(group);
    lower->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(lower);
}

int CFindDlg::Direction() const {
    return m_up->isChecked() ? 1 : 0;
}

void CFindDlg::OnFind() {
    ReplaceButtons::OnFind(m_find->text().toStdString(), Direction(), *m_target, *m_box);
}

}  // namespace rungpad
