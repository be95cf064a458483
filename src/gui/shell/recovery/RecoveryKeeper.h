#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <string>

#include "document/RecoverySchedule.h"
#include "document/RecoveryStore.h"

namespace rungpad {

class CChildFrame;
class CMainFrame;
class RecoveryPrompt;

// Keeps a recovery copy of every modified document of the main frame, on a timer and out of
// the user's way: no messages, no effect on the modified mark or on undo. A document that is
// saved, or closed in any way, loses its copy; copies stay only when the editor ends without
// closing its documents (a crash, kill, power loss), and are offered at the next start.
class RecoveryKeeper : public QObject {
    Q_OBJECT

  public:
    static constexpr int kTickMs = 3000;

    // directory: where the copies live (the desktop uses DefaultDirectory()).
    RecoveryKeeper(CMainFrame& frame, const QString& directory, QObject* parent = nullptr);

    // "recovery" in the user's application data location.
    static QString DefaultDirectory();

    void Start(int tickMs = kTickMs);
    // One round over the documents: writes the copies that are due, removes those of documents
    // no longer modified. The timer calls it; tests call it directly.
    void Tick();
    // Offers each copy left by an editor that is gone; a recovered one becomes a modified
    // document whose copy the keeper then keeps.
    void OfferRecovery(RecoveryPrompt& prompt);
    // The copy file kept for the document of child (whether written yet or not).
    QString CopyFileOf(CChildFrame* child) const;

  private:
    struct Tracked {
        std::string name;  // empty until the store gave one
        RecoveryLock lock;
        RecoverySchedule schedule;
        bool written = false;
    };

    Tracked& Track(CChildFrame* child, RecoveryStore::Claim claim = {});
    void Keep(CChildFrame* child, Tracked& tracked, double now);
    // Gives tracked its copy name; false when the folder cannot be written (shown if report).
    bool Claim(Tracked& tracked, bool report);
    void Offer(RecoveryStore::Entry& entry, RecoveryPrompt& prompt);
    // Shows why no copy could be written: in the status bar each time, in a message once.
    void ReportProblem(const std::string& error);

    CMainFrame& m_frame;
    RecoveryStore m_store;
    QTimer m_timer;
    std::map<CChildFrame*, Tracked> m_tracked;
    bool m_problemShown = false;
};

}  // namespace rungpad
