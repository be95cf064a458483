#pragma once

#include <QDateTime>
#include <QString>

namespace rungpad {

// What to do with one recovery copy offered at start.
enum class RecoveryAnswer { kRecover, kDiscard, kLater };

// The start-up question about a recovery copy; the desktop shows a dialog, tests script the
// answers.
class RecoveryPrompt {
  public:
    virtual ~RecoveryPrompt() = default;
    // fileName: the document's file name or title; written: when the copy was last written.
    virtual RecoveryAnswer Ask(const QString& fileName, const QDateTime& written) = 0;
    // A copy that cannot be opened (damaged); copyFile is the copy's own path. True to delete it.
    virtual bool AskDeleteDamaged(const QString& copyFile) = 0;
};

}  // namespace rungpad
