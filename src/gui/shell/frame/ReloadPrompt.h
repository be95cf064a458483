#pragma once

#include <QString>

namespace rungpad {

// The question asked when another program changed an open document's file; the desktop shows a
// dialog, tests script the answer.
class ReloadPrompt {
  public:
    virtual ~ReloadPrompt() = default;
    // fileName: the document's file name; modified: it holds changes not saved. True to reload
    // the file, false to keep the document as it is.
    virtual bool AskReload(const QString& fileName, bool modified) = 0;
};

}  // namespace rungpad
