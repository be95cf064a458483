#include "shell/recovery/RecoveryKeeper.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include "document/RungpadDoc.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/MainFrm.h"
#include "shell/recovery/RecoveryPrompt.h"
#include "text/QtText.h"

namespace rungpad {

namespace {

double NowSeconds() {
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(CMainFrame& frame, const QString& directory, QObject* parent)
    : QObject(parent), m_frame(frame), m_store(QtText::ToLocalPath(directory)) {
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::Tick);
}

QString RecoveryKeeper::DefaultDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

void RecoveryKeeper::Start(int tickMs) {
    m_timer.start(tickMs);
}

std::string RecoveryKeeper::NewName() {
    return std::to_string(::getpid()) + "-" + std::to_string(++m_count);
}

RecoveryKeeper::Tracked& RecoveryKeeper::Track(CChildFrame* child, std::string name) {
    Tracked& tracked = m_tracked[child];
    tracked.name = name.empty() ? NewName() : std::move(name);
    // However the window goes (saved, discarded, closed with the editor), its copy goes too.
    connect(child, &QObject::destroyed, this, [this, child] {
        const auto it = m_tracked.find(child);
        if (it != m_tracked.end()) {
            m_store.Remove(it->second.name);
            m_tracked.erase(it);
        }
    });
    return tracked;
}

void RecoveryKeeper::Tick() {
    const double now = NowSeconds();
    for (CChildFrame* child : m_frame.Children()) {
        auto it = m_tracked.find(child);
        Keep(child, it != m_tracked.end() ? it->second : Track(child), now);
    }
}

void RecoveryKeeper::Keep(CChildFrame* child, Tracked& tracked, double now) {
    const CRungpadDoc& doc = child->Document();
    if (!doc.IsModified()) {
        if (tracked.written) {
            m_store.Remove(tracked.name);
            tracked.written = false;
        }
        tracked.schedule.Forget();
        return;
    }
    const std::vector<std::uint8_t> bytes = doc.RecoveryBytes();
    if (!tracked.schedule.Due(bytes, now)) {
        return;
    }
    RecoveryCopy copy;
    copy.path = doc.State().PathName();
    copy.title = doc.State().Title();
    copy.writtenAt = static_cast<std::int64_t>(now);
    copy.pid = static_cast<int>(::getpid());
    copy.diskStamp = doc.DiskStamp();
    copy.ladder = bytes;
    std::string error;
    if (m_store.Write(tracked.name, copy, error)) {
        tracked.schedule.Written(bytes, now);
        tracked.written = true;
    } else {
        qWarning("rungpad: recovery copy not written: %s", error.c_str());
    }
}

void RecoveryKeeper::OfferRecovery(RecoveryPrompt& prompt) {
    for (const RecoveryStore::Entry& entry : m_store.Orphans()) {
        const RecoveryCopy& copy = entry.copy;
        const QString name = copy.path.empty()
                                 ? QtText::FromLocalPath(copy.title)
                                 : QFileInfo(QtText::FromLocalPath(copy.path)).fileName();
        const QDateTime written = QDateTime::fromSecsSinceEpoch(copy.writtenAt);
        switch (prompt.Ask(name, written)) {
            case RecoveryAnswer::kRecover:
                if (CChildFrame* child = m_frame.OpenRecoveredDocument(copy)) {
                    // The old file stays until the new session's copy replaces it.
                    Track(child, QFileInfo(QtText::FromLocalPath(entry.file))
                                     .completeBaseName()
                                     .toStdString())
                        .written = true;
                }
                break;
            case RecoveryAnswer::kDiscard:
                QFile::remove(QtText::FromLocalPath(entry.file));
                break;
            case RecoveryAnswer::kLater:
                break;
        }
    }
}

QString RecoveryKeeper::CopyFileOf(CChildFrame* child) const {
    const auto it = m_tracked.find(child);
    return it == m_tracked.end() ? QString()
                                 : QtText::FromLocalPath(m_store.FileOf(it->second.name));
}

}  // namespace rungpad
