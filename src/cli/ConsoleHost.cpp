#include "ConsoleHost.h"

#include <iostream>

namespace rungpad::cli {

void ConsoleHost::OutputLine(std::string_view text) {
    if (m_verbose) {
        std::cerr << text << '\n';
    }
}

void ConsoleHost::SetOutputText(std::string_view text) {
    OutputLine(text);
}

void ConsoleHost::ShowMessage(std::string_view text) {
    m_lastMessage = text;
}

}  // namespace rungpad::cli
