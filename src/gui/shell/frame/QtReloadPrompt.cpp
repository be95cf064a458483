#include "shell/frame/QtReloadPrompt.h"

#include <QMessageBox>
#include <QPushButton>

namespace rungpad {

bool QtReloadPrompt::AskReload(const QString& fileName, bool modified) {
    QMessageBox box(m_parent);
    box.setWindowTitle(tr("File changed on disk"));
    box.setIcon(QMessageBox::Question);
    box.setText(tr("%1 was changed on disk by another program.").arg(fileName));
    box.setInformativeText(
        modified ? tr("Reload reads the file again and discards the changes made here since the "
                      "last save; Keep leaves the document as it is.")
                 : tr("Reload reads the file again; Keep leaves the document as it is."));
    QPushButton* reload = box.addButton(tr("&Reload"), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(tr("&Keep"), QMessageBox::RejectRole);
    // With changes of its own, keeping them is the safe answer to a stray Enter.
    box.setDefaultButton(modified ? keep : reload);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == reload;
}

}  // namespace rungpad
