#include "shell/frame/QtReloadPrompt.h"

#include <QMessageBox>
#include <QPushButton>

namespace rungpad {

bool QtReloadPrompt::AskReload(const QString& fileName, bool modified) {
    QMessageBox box(m_parent);
    box.setWindowTitle(QStringLiteral("File changed on disk"));
    box.setIcon(QMessageBox::Question);
    box.setText(QStringLiteral("%1 was changed on disk by another program.").arg(fileName));
    box.setInformativeText(
        modified ? QStringLiteral("Reload reads the file again and discards the changes made "
                                  "here since the last save; Keep leaves the document as it is.")
                 : QStringLiteral("Reload reads the file again; Keep leaves the document as it "
                                  "is."));
    QPushButton* reload = box.addButton(QStringLiteral("&Reload"), QMessageBox::AcceptRole);
    QPushButton* keep = box.addButton(QStringLiteral("&Keep"), QMessageBox::RejectRole);
    // With changes of its own, keeping them is the safe answer to a stray Enter.
    box.setDefaultButton(modified ? keep : reload);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == reload;
}

}  // namespace rungpad
