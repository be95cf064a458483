#include "shell/frame/DiskWatcher.h"

#include <QApplication>
#include <QFileInfo>
#include <QSet>

#include "document/RungpadDoc.h"
#include "shell/frame/ReloadPrompt.h"
#include "text/QtText.h"

namespace rungpad {

namespace {

constexpr int kSettleMs = 150;  // a program writing a file touches it several times
constexpr int kPollMs = 2000;

}  // namespace

CDiskWatcher::CDiskWatcher(Documents documents, Reload reload, ReloadPrompt& prompt,
                           QObject* parent)
    : QObject(parent),
      m_documents(std::move(documents)),
      m_reload(std::move(reload)),
      m_prompt(&prompt) {
    m_soon.setSingleShot(true);
    m_soon.setInterval(kSettleMs);
    connect(&m_soon, &QTimer::timeout, this, &CDiskWatcher::CheckNow);
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &CDiskWatcher::CheckNow);
    m_poll.start();
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CDiskWatcher::CheckSoon);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CDiskWatcher::CheckSoon);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    CheckSoon();
                }
            });
}

QStringList CDiskWatcher::WatchedPaths() const {
    return m_watcher.files() + m_watcher.directories();
}

void CDiskWatcher::CheckSoon() {
    m_soon.start();
}

void CDiskWatcher::FollowDocuments() {
    QSet<QString> wanted;
    for (const std::shared_ptr<CRungpadDoc>& doc : m_documents()) {
        const std::string& path = doc->State().PathName();
        if (!path.empty()) {
            const QFileInfo file(QtText::FromLocalPath(path));
            wanted << file.absoluteFilePath() << file.absolutePath();
        }
    }
    QSet<QString> watched;
    for (const QString& path : WatchedPaths()) {
        watched << path;
        if (!wanted.contains(path)) {
            m_watcher.removePath(path);
        }
    }
    for (const QString& path : wanted) {
        if (!watched.contains(path) && QFileInfo::exists(path)) {
            m_watcher.addPath(path);
        }
    }
}

void CDiskWatcher::CheckNow() {
    // Never over another question (Save's own guard, a file chooser) or during one of ours.
    if (m_asking || QApplication::activeModalWidget() != nullptr) {
        return;
    }
    FollowDocuments();
    for (const std::shared_ptr<CRungpadDoc>& doc : m_documents()) {
        if (Offer(doc)) {
            CheckSoon();  // the documents changed: the others at the next round
            return;
        }
    }
}

bool CDiskWatcher::Offer(const std::shared_ptr<CRungpadDoc>& doc) {
    const std::string path = doc->State().PathName();
    const std::optional<FileIo::Stamp>& known = doc->DiskStamp();
    if (path.empty() || !known) {
        return false;
    }
    // A file gone is left to Save, which writes it anew.
    const std::optional<FileIo::Stamp> now = FileIo::StampOf(path);
    const QString key = QtText::FromLocalPath(path);
    if (!now || *now == *known || (m_kept.contains(key) && m_kept.value(key) == *now)) {
        return false;
    }
    m_asking = true;
    const bool reload = m_prompt->AskReload(QFileInfo(key).fileName(), doc->IsModified());
    m_asking = false;
    // The question let events through: the document may have closed or been saved meanwhile.
    if (!m_documents().contains(doc) || doc->State().PathName() != path) {
        return false;
    }
    if (!reload) {
        m_kept.insert(key, *now);
        return false;
    }
    if (!m_reload(*doc)) {
        m_kept.insert(key, *now);  // unreadable now: not asked again until it changes
        return false;
    }
    m_kept.remove(key);
    return true;
}

}  // namespace rungpad
