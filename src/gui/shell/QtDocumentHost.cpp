#include "shell/QtDocumentHost.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "dialogs/LadInfoDlg.h"
#include "shell/FileFilter.h"

namespace rungpad {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ToLocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Adds the default extension to a name chosen without one.
QString WithExtension(const QString& path, const std::string& extension) {
    if (path.isEmpty() || extension.empty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return path + u'.' + FromUtf8(extension);
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
    QFileDialog dialog(m_parent, QString(), QFile::decodeName(request.proposedName.c_str()),
                       FileFilter::ToQt(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return ToLocalPath(WithExtension(dialog.selectedFiles().first(), request.defaultExtension));
}

std::optional<std::string> QtDocumentHost::ChooseOpenFile(const FileChooserRequest& request) {
    const QString path = QFileDialog::getOpenFileName(
        m_parent, QString(), QFile::decodeName(request.proposedName.c_str()),
        FileFilter::ToQt(request.filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return ToLocalPath(path);
}

SaveChangesAnswer QtDocumentHost::AskSaveChanges(const std::string& title) {
    const auto answer = QMessageBox::question(
        m_parent, QApplication::applicationName(),
        QStringLiteral("Save changes to %1?").arg(FromUtf8(title)),
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
        m_parent, QStringLiteral("File changed"),
        QStringLiteral("%1 has been changed by another program since it was opened or saved.\n"
                       "Overwrite it with this document?")
            .arg(QFile::decodeName(path.c_str())),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

std::string QtDocumentHost::ProgramDirectory() {
    return ToLocalPath(QApplication::applicationDirPath());
}

}  // namespace rungpad
