#pragma once

#include <QKeySequence>
#include <QString>

namespace rungpad {

// The status bar prompt and the tool tip of each command, from its prompt string (the text before
// the line break is the prompt, the text after it the tool tip). Both show the command's key.
class CommandPrompts {
  public:
    struct Prompt {
        QString status;
        QString tip;
    };

    // The prompt of command id whose first key is key (empty: none); an id without a prompt
    // string gets empty texts.
    static Prompt For(int id, const QKeySequence& key);
};

}  // namespace rungpad
