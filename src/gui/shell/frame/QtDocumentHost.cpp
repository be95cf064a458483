#include "shell/frame/QtDocumentHost.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "dialogs/LadInfoDlg.h"
#include "shell/frame/FileFilter.h"
#include "text/QtText.h"

namespace rungpad {

namespace {

// Adds the default extension to a name chosen without one.
QString WithExtension(const QString& path, const std::string& extension) {
    if (path.isEmpty() || extension.empty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + u'.' + QtText::ToQString(extension);
}

}  // namespace

bool QtDocumentHost::EditLadderInfo(LadInfoFields& fields) {
    CLadInfoDlg dialog(m_parent);
    dialog.SetFields(fields);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    fields = dialog.Fields();
    return true;
}

std::optional<std::string> QtDocumentHost::ChooseSaveFile(const FileChooserRequest& request) {
    QFileDialog dialog(m_parent, QString(), QtText::FromLocalPath(request.proposedName),
                       FileFilter::ToQt(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QtText::ToQString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QtText::ToLocalPath(
        WithExtension(dialog.selectedFiles().first(), request.defaultExtension));
}

std::optional<std::string> QtDocumentHost::ChooseOpenFile(const FileChooserRequest& request) {
    const QString path = QFileDialog::getOpenFileName(m_parent, QString(),
                                                      QtText::FromLocalPath(request.proposedName),
                                                      FileFilter::ToQt(request.filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QtText::ToLocalPath(path);
}

SaveChangesAnswer QtDocumentHost::AskSaveChanges(const std::string& title) {
    const auto answer = QMessageBox::question(
        m_parent, QApplication::applicationName(),
        tr("Save changes to %1?").arg(QtText::ToQString(title)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    switch (answer) {
        case QMessageBox::Yes:
            return SaveChangesAnswer::kYes;
        case QMessageBox::No:
            return SaveChangesAnswer::kNo;
        default:
            return SaveChangesAnswer::kCancel;
    }
}

bool QtDocumentHost::ConfirmOverwriteChanged(const std::string& path) {
    const auto answer = QMessageBox::warning(
        m_parent, tr("File changed"),
        tr("%1 has been changed by another program since it was opened or saved.\n"
           "Overwrite it with this document?")
            .arg(QtText::FromLocalPath(path)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

bool QtDocumentHost::ConfirmRiskyOverwrite(const std::string& question) {
    const auto answer =
        QMessageBox::warning(m_parent, QApplication::applicationName(), QtText::ToQString(question),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

std::string QtDocumentHost::ProgramDirectory() {
    return QtText::ToLocalPath(QApplication::applicationDirPath());
}

}  // namespace rungpad
