#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rungpad {

// The output channel of the main window (progress, errors, the current address note) and the
// instruction window. Every text is UTF-8. The GUI implements it with its docking windows, the
// CLI with the console, tests with a recorder.
class MessageChannel {
  public:
    virtual ~MessageChannel() = default;
    virtual void OutputLine(std::string_view text) = 0;  // append a line, showing the window
    virtual void ClearOutput() = 0;
    virtual void SetOutputText(std::string_view text) = 0;  // replace the whole contents
    virtual void ShowCellNote(std::string_view note) = 0;
    virtual void ShowInstructionList(const std::vector<std::string>& lines) = 0;
    virtual void ClearInstructionWindow() = 0;
};

// A modal message box with an OK button; the caption is the application title.
class MessageBoxHost {
  public:
    virtual ~MessageBoxHost() = default;
    virtual void ShowMessage(std::string_view text) = 0;
};

// A channel that drops everything, for callers that have nowhere to report.
class NullMessageChannel final : public MessageChannel {
  public:
    void OutputLine(std::string_view) override {}
    void ClearOutput() override {}
    void SetOutputText(std::string_view) override {}
    void ShowCellNote(std::string_view) override {}
    void ShowInstructionList(const std::vector<std::string>&) override {}
    void ClearInstructionWindow() override {}
};

class NullMessageBox final : public MessageBoxHost {
  public:
    void ShowMessage(std::string_view) override {}
};

}  // namespace rungpad
