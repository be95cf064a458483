#pragma once

#include <optional>
#include <string>

#include "document/DocumentHost.h"

namespace rungpad::cli {

// The document's dialogs answered from the command line: each file chooser returns the path
// set for it (once), the ladder information dialog is cancelled so the header texts stay as
// read, and the program directory is the one of the running executable.
class CliDocumentHost final : public DocumentHost {
  public:
    void AnswerSave(std::string path) { m_save = std::move(path); }
    void AnswerOpen(std::string path) { m_open = std::move(path); }

    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest&) override {
        return Take(m_save);
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest&) override {
        return Take(m_open);
    }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }
    std::string ProgramDirectory() override;

  private:
    static std::optional<std::string> Take(std::optional<std::string>& answer) {
        std::optional<std::string> taken = std::move(answer);
        answer.reset();
        return taken;
    }

    std::optional<std::string> m_save;
    std::optional<std::string> m_open;
};

}  // namespace rungpad::cli
