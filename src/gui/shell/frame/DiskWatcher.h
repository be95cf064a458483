#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "model/FileIo.h"

namespace rungpad {

class CRungpadDoc;
class ReloadPrompt;

// Notices when another program (an editor, a git checkout) changes the file of an open document
// and offers to reload it. It watches the files and their folders (a file replaced by renaming
// loses its own watch) and looks again every few seconds and when the application becomes
// active. A document is compared with the file as it last read or wrote it, so its own saves
// never ask; after Keep it asks again only when the file changes once more, and Save still
// warns before writing over the other program's version.
class CDiskWatcher : public QObject {
    Q_OBJECT

  public:
    using Documents = std::function<QList<std::shared_ptr<CRungpadDoc>>()>;
    using Reload = std::function<bool(CRungpadDoc&)>;

    // documents: the open documents, each once; reload: replaces a document by its file, false
    // when the file could not be read (the document then stays).
    CDiskWatcher(Documents documents, Reload reload, ReloadPrompt& prompt, QObject* parent);

    void SetPrompt(ReloadPrompt& prompt) { m_prompt = &prompt; }
    // Compares every open document with its file now, asking about each changed one.
    void CheckNow();
    // The same a moment later, once a burst of file events or window changes has passed.
    void CheckSoon();
    // The files and folders being watched (for tests).
    QStringList WatchedPaths() const;

  private:
    void FollowDocuments();
    // Asks about doc when its file differs from what it last read or wrote; true when reloaded.
    bool Offer(const std::shared_ptr<CRungpadDoc>& doc);

    Documents m_documents;
    Reload m_reload;
    ReloadPrompt* m_prompt;
    QFileSystemWatcher m_watcher;
    QTimer m_soon;
    QTimer m_poll;
    bool m_asking = false;
    // The version of each file the user chose to keep the document over.
    QHash<QString, FileIo::Stamp> m_kept;
};

}  // namespace rungpad
