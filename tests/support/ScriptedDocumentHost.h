#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "document/DocumentHost.h"

namespace rungpad::test {

// Answers the document's dialogs from a script and records what it was asked. When given a
// RecordingHost, every dialog shown also goes into its event list ("info", "save", "open",
// "ask"), so tests can check the order of dialogs and messages together.
class ScriptedDocumentHost : public DocumentHost {
  public:
    explicit ScriptedDocumentHost(RecordingHost* log = nullptr) : m_log(log) {}

    bool EditLadderInfo(LadInfoFields& fields) override {
        infoShown.push_back(fields);
        Log("info", fields.version);
        if (!infoAnswer) {
            return false;  // Cancel
        }
        fields = *infoAnswer;
        return true;
    }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest& request) override {
        saveRequests.push_back(request);
        Log("save", request.proposedName);
        return Next(saveAnswers);
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest& request) override {
        openRequests.push_back(request);
        Log("open", request.filter);
        return Next(openAnswers);
    }
    SaveChangesAnswer AskSaveChanges(const std::string& title) override {
        Log("ask", title);
        return saveChangesAnswer;
    }
    std::string ProgramDirectory() override { return programDirectory; }
    bool ConfirmOverwriteChanged(const std::string& path) override {
        Log("changed", path);
        return overwriteChanged;
    }
    bool ConfirmRiskyOverwrite(const std::string& question) override {
        Log("risky", question);
        riskyQuestions.push_back(question);
        return overwriteRisky;
    }

    // Script: the information dialog's OK fields (nullopt: Cancel), the paths the choosers return
    // in turn (an exhausted queue or nullopt: Cancel), the answer to "save changes?".
    std::optional<LadInfoFields> infoAnswer;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::kNo;
    std::string programDirectory;
    bool overwriteChanged = false;  // the answer to "changed by another program: overwrite?"
    bool overwriteRisky = false;    // the answer to "read-only / unread lines: save all the same?"

    // What was asked.
    std::vector<LadInfoFields> infoShown;
    std::vector<FileChooserRequest> saveRequests;
    std::vector<FileChooserRequest> openRequests;
    std::vector<std::string> riskyQuestions;

  private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Log(const char* kind, const std::string& text) {
        if (m_log != nullptr) {
            m_log->events.push_back({kind, text});
        }
    }

    RecordingHost* m_log;
};

}  // namespace rungpad::test
