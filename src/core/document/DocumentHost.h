#pragma once

#include <optional>
#include <string>

namespace rungpad {

// The three texts the ladder information dialog edits, UTF-8.
struct LadInfoFields {
    std::string version;   // ladder version number, at most 15 characters
    std::string machine;   // suitable machine tool, at most 40
    std::string modifier;  // last modifying person, at most 20
};

// What a file chooser is asked with. The filter list uses the "name|patterns|...||" form.
struct FileChooserRequest {
    std::string defaultExtension;  // without the dot, added to a name typed without one
    std::string proposedName;      // empty: no name proposed
    std::string filter;
};

// Answer of the question asked before a modified document is closed.
enum class SaveChangesAnswer { kYes, kNo, kCancel };

// The platform services a document asks for besides its message channel and message box: the
// ladder information dialog, the file choosers and the program's own directory. The GUI shows
// real dialogs, the CLI answers from its arguments, tests script the answers.
class DocumentHost {
  public:
    virtual ~DocumentHost() = default;
    // Shows the ladder information dialog with fields filled in; true on OK (fields then hold
    // what the user entered), false on Cancel.
    virtual bool EditLadderInfo(LadInfoFields& fields) = 0;
    // A save-file chooser that hides the read-only box and asks before overwriting; nullopt on
    // cancel.
    virtual std::optional<std::string> ChooseSaveFile(const FileChooserRequest& request) = 0;
    virtual std::optional<std::string> ChooseOpenFile(const FileChooserRequest& request) = 0;
    // "Save changes to TITLE?" before a modified document closes.
    virtual SaveChangesAnswer AskSaveChanges(const std::string& title) = 0;
    // The directory of the running program, where "PBitCh01.MEA" is looked for.
    virtual std::string ProgramDirectory() = 0;
    // Asked before Save overwrites path, which another program changed since the document read
    // or wrote it; true to overwrite. Hosts without a user (the command line) overwrite.
    virtual bool ConfirmOverwriteChanged(const std::string& path) {
        static_cast<void>(path);
        return true;
    }
    // Asked before Save writes over a file it should not without the user's word (a file with
    // lines its line count hid, a read-only file); question says why. True to write.
    // Hosts without a user (the command line) write: their commands check before.
    virtual bool ConfirmRiskyOverwrite(const std::string& question) {
        static_cast<void>(question);
        return true;
    }
};

// A host that cancels every dialog; for documents driven without a user.
class NullDocumentHost final : public DocumentHost {
  public:
    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }
    std::string ProgramDirectory() override { return {}; }
};

}  // namespace rungpad
