#include "shell/recovery/RecoveryKeeper.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStatusBar>

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

RecoveryKeeper::Tracked& RecoveryKeeper::Track(CChildFrame* child, RecoveryStore::Claim claim) {
    Tracked& tracked = m_tracked[child];
    tracked.name = std::move(claim.name);
    tracked.lock = std::move(claim.lock);
    // However the window goes (saved, discarded, closed with the editor), its copy goes too.
    connect(child, &QObject::destroyed, this, [this, child] {
        const auto it = m_tracked.find(child);
        if (it != m_tracked.end()) {
            if (!it->second.name.empty()) {
                m_store.Remove(it->second.name);
            }
            m_tracked.erase(it);
        }
    });
    return tracked;
}

bool RecoveryKeeper::Claim(Tracked& tracked, bool report) {
    if (!tracked.name.empty()) {
        return true;
    }
    std::string error;
    std::optional<RecoveryStore::Claim> claim = m_store.NewCopy(error);
    if (!claim) {
        if (report) {
            ReportProblem(error);
        }
        return false;
    }
    tracked.name = std::move(claim->name);
    tracked.lock = std::move(claim->lock);
    return true;
}

void RecoveryKeeper::ReportProblem(const std::string& error) {
    const QString text =
        tr("Recovery copies cannot be written: %1").arg(QtText::FromLocalPath(error));
    m_frame.statusBar()->showMessage(text);
    if (!m_problemShown) {
        m_problemShown = true;
        m_frame.MessageBox().ShowMessage(text.toStdString());
    }
}

void RecoveryKeeper::Tick() {
    const double now = NowSeconds();
    for (CChildFrame* child : m_frame.Children()) {
        auto it = m_tracked.find(child);
        if (it == m_tracked.end()) {
            // The name (and its lock) from the start, written or not; a problem is shown once a
            // copy is due.
            Claim(Track(child), false);
            it = m_tracked.find(child);
        }
        Keep(child, it->second, now);
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
    if (!tracked.schedule.Due(bytes, now) || !Claim(tracked, true)) {
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
        ReportProblem(error);
    }
}

void RecoveryKeeper::OfferRecovery(RecoveryPrompt& prompt) {
    std::vector<RecoveryStore::Entry> orphans = m_store.Orphans();
    for (RecoveryStore::Entry& entry : orphans) {
        Offer(entry, prompt);
    }
}

void RecoveryKeeper::Offer(RecoveryStore::Entry& entry, RecoveryPrompt& prompt) {
    const QString copyFile = QtText::FromLocalPath(entry.file);
    if (!entry.copy) {
        if (prompt.AskDeleteDamaged(copyFile)) {
            m_store.Remove(entry.name);
        }
        return;
    }
    const RecoveryCopy& copy = *entry.copy;
    const QString name = copy.path.empty() ? QtText::FromLocalPath(copy.title)
                                           : QFileInfo(QtText::FromLocalPath(copy.path)).fileName();
    switch (prompt.Ask(name, QDateTime::fromSecsSinceEpoch(copy.writtenAt))) {
        case RecoveryAnswer::kRecover:
            if (CChildFrame* child = m_frame.OpenRecoveredDocument(copy)) {
                // The old file stays until the new session's copy replaces it.
                Track(child, {entry.name, std::move(entry.lock)}).written = true;
            } else if (prompt.AskDeleteDamaged(copyFile)) {
                m_store.Remove(entry.name);
            }
            break;
        case RecoveryAnswer::kDiscard:
            m_store.Remove(entry.name);
            break;
        case RecoveryAnswer::kLater:
            break;
    }
}

QString RecoveryKeeper::CopyFileOf(CChildFrame* child) const {
    const auto it = m_tracked.find(child);
    return it == m_tracked.end() ? QString()
                                 : QtText::FromLocalPath(m_store.FileOf(it->second.name));
}

}  // namespace rungpad
