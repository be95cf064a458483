#include "dialogs/FuncDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/UpperCaseEdit.h"
#include "edit/FuncNameLookup.h"
#include "text/QtText.h"

namespace rungpad {

CFuncDlg::CFuncDlg(QWidget* parent)
    : QDialog(parent),
      m_qtBox(this),
      m_box(&m_qtBox),
      m_list(new QListWidget(this)),
      m_name(new UpperCaseEdit(this)) {
    setWindowTitle(tr("Dialog"));
    auto* prompt = new QLabel(tr("On the left  side of the list box or directly on the "
                                 "right side of the edit box input function instruction"),
                              this);
    prompt->setWordWrap(true);
    for (const std::string_view name : FuncNameLookup::SortedNames()) {
        m_list->addItem(QtText::ToQString(name));
    }
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CFuncDlg::OnDoubleClicked);
    m_list->installEventFilter(this);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFuncDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFuncDlg::reject);
    auto* layout = new QGridLayout(this);
    layout->addWidget(prompt, 0, 0, 1, 2);
    layout->addWidget(m_list, 1, 0, 2, 1);
    layout->addWidget(m_name, 1, 1, Qt::AlignTop);
    layout->addWidget(buttons, 2, 1, Qt::AlignBottom);
}

void CFuncDlg::OnDoubleClicked(QListWidgetItem* item) {
    if (item) {
        m_name->setText(item->text());
    }
}

void CFuncDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_name->setFocus(Qt::OtherFocusReason);
}

bool CFuncDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list || event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_name->text().isEmpty() && m_list->currentItem()) {
            m_name->setText(m_list->currentItem()->text());
        }
        return false;  // the list passes Enter on to the dialog's default button
    }
    const bool typing = !key->text().isEmpty() && key->text().at(0).isLetterOrNumber() &&
                        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!typing) {
        return false;
    }
    // Without this the list's type-ahead would pick an entry the name box never hears of.
    m_name->setFocus(Qt::OtherFocusReason);
    QCoreApplication::sendEvent(m_name, event);
    return true;
}

void CFuncDlg::accept() {
    const std::optional<std::uint16_t> code =
        FuncNameLookup::Accept(m_name->text().toStdString(), *m_box);
    if (!code) {
        return;  // the message was shown; the entry stays for correcting
    }
    m_code = *code;
    QDialog::accept();
}

}  // namespace rungpad
