#include "dialogs/LadInfoDlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "edit/FieldChecks.h"
#include "text/QtText.h"

namespace rungpad {

namespace {

constexpr int kVersionChars = 15;
constexpr int kMachineChars = 40;
constexpr int kPersonChars = 20;

}  // namespace

CLadInfoDlg::CLadInfoDlg(QWidget* parent)
    : CFieldDlg(tr("Ladder diagram information"), tr("OK"), tr("Cancel"), parent) {
    auto* form = new QFormLayout;
    form->addRow(tr("ladder version number:"), NewField(kVersionChars));
    form->addRow(tr("suitable machine tool:"), NewField(kMachineChars));
    form->addRow(tr("last modifie person:"), NewField(kPersonChars));
    Body()->addLayout(form);
}

void CLadInfoDlg::SetFields(const LadInfoFields& fields) {
    Field(0)->setText(QtText::ToQString(fields.version));
    Field(1)->setText(QtText::ToQString(fields.machine));
    Field(2)->setText(QtText::ToQString(fields.modifier));
}

LadInfoFields CLadInfoDlg::Fields() const {
    return {FieldText(0), FieldText(1), FieldText(2)};
}

bool CLadInfoDlg::Check(int& field, std::string& message) {
    const FieldChecks::Result result =
        FieldChecks::LadInfo(FieldText(0), FieldText(1), FieldText(2), field);
    message = result.message;
    return result.ok;
}

}  // namespace rungpad
