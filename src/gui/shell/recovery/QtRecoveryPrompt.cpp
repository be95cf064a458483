#include "shell/recovery/QtRecoveryPrompt.h"

#include <QMessageBox>
#include <QPushButton>

namespace rungpad {

RecoveryAnswer QtRecoveryPrompt::Ask(const QString& fileName, const QDateTime& written) {
    QMessageBox box(m_parent);
    box.setWindowTitle(tr("Recover document"));
    box.setIcon(QMessageBox::Question);
    box.setText(tr("Rungpad was not closed properly. A recovery copy of %1 from %2 "
                   "holds changes that were not saved.")
                    .arg(fileName, written.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    box.setInformativeText(
        tr("Recover opens it as a modified document; Discard "
           "deletes the copy; Later asks again at the next start."));
    QPushButton* recover = box.addButton(tr("&Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(tr("&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == recover) {
        return RecoveryAnswer::kRecover;
    }
    return box.clickedButton() == discard ? RecoveryAnswer::kDiscard : RecoveryAnswer::kLater;
}

bool QtRecoveryPrompt::AskDeleteDamaged(const QString& copyFile) {
    const auto answer =
        QMessageBox::warning(m_parent, tr("Recover document"),
                             tr("The recovery copy %1 is damaged and cannot be opened.\n"
                                "Delete this copy?")
                                 .arg(copyFile),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

}  // namespace rungpad
