#pragma once

#include <QKeySequence>
#include <QString>

namespace rungpad {

// The status bar prompt and the tool tip of a command, from its prompt string (the text before
// the line break is the prompt, the text after it the tool tip). Both show the command's key.
class CommandPrompts {
  public:
    struct Prompt {
        QString status;
        QString tip;
    };

    // The prompt and tool tip of prompt string whole for a command whose first key is key
    // (empty: none).
    static Prompt Parse(const QString& whole, const QKeySequence& key);
};

}  // namespace rungpad
