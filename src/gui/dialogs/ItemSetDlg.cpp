#include "dialogs/ItemSetDlg.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/ItemPreview.h"
#include "dialogs/UpperCaseEdit.h"
#include "edit/ItemSetRules.h"
#include "model/LadCell.h"
#include "text/QtText.h"

namespace rungpad {

CItemSetDlg::CItemSetDlg(QWidget* parent)
    : QDialog(parent),
      m_frame(new QGroupBox(this)),
      m_preview(new ItemPreview(m_frame)),
      m_edit(new UpperCaseEdit(m_frame)) {
    setWindowTitle(tr("item set"));
    m_edit->setMaxLength(static_cast<int>(LadCell::kMaxText));
    auto* inner = new QHBoxLayout(m_frame);
    inner->addWidget(m_preview);
    inner->addWidget(m_edit);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("CANCLE"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void CItemSetDlg::SetElementCode(std::uint16_t code) {
    const std::string_view caption = ItemSetRules::Caption(code);
    m_frame->setTitle(QtText::ToQString(caption));
    m_preview->SetElementCode(code);
}

void CItemSetDlg::SetItemText(const QString& text) {
    m_edit->setText(text);
    m_edit->selectAll();
}

QString CItemSetDlg::ItemText() const {
    return m_edit->text();
}

QString CItemSetDlg::Caption() const {
    return m_frame->title();
}

}  // namespace rungpad
