#pragma once

#include <string>

#include "model/HostInterfaces.h"

namespace rungpad::cli {

// The CLI's message channel and message box. Progress lines go to stderr only when verbose; message
// box texts are kept so a command can report the reason of a refusal in one line.
class ConsoleHost final : public MessageChannel, public MessageBoxHost {
  public:
    explicit ConsoleHost(bool verbose = false) : m_verbose(verbose) {}

    void OutputLine(std::string_view text) override;
    void ClearOutput() override {}
    void SetOutputText(std::string_view text) override;
    void ShowCellNote(std::string_view) override {}
    void ShowInstructionList(const std::vector<std::string>&) override {}
    void ClearInstructionWindow() override {}
    void ShowMessage(std::string_view text) override;

    // The last message box text, empty if none was shown.
    const std::string& LastMessage() const { return m_lastMessage; }

  private:
    bool m_verbose;
    std::string m_lastMessage;
};

}  // namespace rungpad::cli
