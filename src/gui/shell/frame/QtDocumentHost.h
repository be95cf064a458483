#pragma once

#include <QCoreApplication>

#include "document/DocumentHost.h"

class QWidget;

namespace rungpad {

// The document's platform services on the desktop: Qt file dialogs, the save-changes question
// and the program's directory.
class QtDocumentHost final : public DocumentHost {
    Q_DECLARE_TR_FUNCTIONS(QtDocumentHost)

  public:
    explicit QtDocumentHost(QWidget* parent) : m_parent(parent) {}

    bool EditLadderInfo(LadInfoFields& fields) override;
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest& request) override;
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest& request) override;
    SaveChangesAnswer AskSaveChanges(const std::string& title) override;
    std::string ProgramDirectory() override;
    bool ConfirmOverwriteChanged(const std::string& path) override;
    bool ConfirmRiskyOverwrite(const std::string& question) override;

  private:
    QWidget* m_parent;
};

}  // namespace rungpad
