// Recovery copies of modified documents: written by the keeper's tick without touching the
// document, removed when it is saved or closed, and offered at the next start through a prompt
// that the test answers.

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <deque>

#include <sys/wait.h>
#include <unistd.h>

#include "GuiTestSupport.h"

#include "document/DocumentHost.h"
#include "document/RecoveryStore.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/recovery/RecoveryKeeper.h"
#include "shell/recovery/RecoveryPrompt.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::RecordingBox;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

class ScriptedPrompt final : public RecoveryPrompt {
  public:
    RecoveryAnswer Ask(const QString& fileName, const QDateTime& written) override {
        asked << fileName + QStringLiteral(" ") + written.toString(Qt::ISODate);
        const RecoveryAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool AskDeleteDamaged(const QString& copyFile) override {
        damaged << copyFile;
        return deleteDamaged;
    }
    std::deque<RecoveryAnswer> answers;
    QStringList asked;
    QStringList damaged;
    bool deleteDamaged = true;
};

int DeadPid() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

std::optional<RecoveryCopy> ReadCopy(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = in.readAll();
    return RecoveryCopy::Parse(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()));
}

}  // namespace

class TestRecovery : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    RecordingBox m_box;
    NullDocumentHost m_host;  // cancels the information dialog, says No to "save changes?"

    QString RecoveryDir() const { return m_dir.filePath(QStringLiteral("recovery")); }
    QString CopyOfDemo() const {
        const QString path = m_dir.filePath(QStringLiteral("demo.plf"));
        QFile::remove(path);
        QFile::copy(kDemo, path);
        return path;
    }
    void Prepare(CMainFrame& frame) {
        frame.SetMessageBox(&m_box);
        frame.SetDocumentHost(&m_host);
        frame.show();
    }
    static void Edit(CMainFrame& frame) {
        frame.ActiveChild()->View()->Edit([](CLadEditor& e) {
            e.Select({2, 0}, {2, 0});
            e.PlaceElement(Element::kHLine);
        });
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    // The copy follows the document's edits a tick after they settle, holds what Save would
    // write, and changes nothing the user sees; saving or closing removes it.
    void copyFollowsTheDocument() {
        CMainFrame frame;
        Prepare(frame);
        RecoveryKeeper keeper(frame, RecoveryDir());
        const QString path = CopyOfDemo();
        QVERIFY(frame.OpenDocumentFile(path));
        CChildFrame* child = frame.ActiveChild();
        CRungpadDoc& doc = child->Document();
        keeper.Tick();
        const QString file = keeper.CopyFileOf(child);
        QVERIFY(!file.isEmpty());
        QVERIFY(!QFile::exists(file));  // unmodified: no copy

        Edit(frame);
        const QString output = frame.OutputWindow()->Edit()->toPlainText();
        const int undo = child->View()->Editor()->UndoList().GetCount();
        keeper.Tick();
        QVERIFY(!QFile::exists(file));  // just changed: waits for the edits to settle
        keeper.Tick();
        const std::optional<RecoveryCopy> copy = ReadCopy(file);
        QVERIFY(copy);
        QCOMPARE(QString::fromStdString(copy->path), path);
        QCOMPARE(copy->title, std::string("demo.plf"));
        QCOMPARE(copy->pid, static_cast<int>(::getpid()));
        QVERIFY(copy->ladder == doc.RecoveryBytes());
        QVERIFY(copy->diskStamp == doc.DiskStamp());
        QVERIFY(doc.IsModified());
        QVERIFY(child->isWindowModified());
        QCOMPARE(child->View()->Editor()->UndoList().GetCount(), undo);
        QCOMPARE(frame.OutputWindow()->Edit()->toPlainText(), output);

        QVERIFY(doc.DoFileSave());
        keeper.Tick();
        QVERIFY(!QFile::exists(file));

        Edit(frame);
        keeper.Tick();
        keeper.Tick();
        QVERIFY(QFile::exists(file));
        child->close();  // "save changes?" answered No
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(frame.Children().isEmpty());
        QVERIFY(!QFile::exists(file));
    }

    // At start each copy of a gone editor is offered; Recover opens it modified under its path,
    // Discard deletes it, Later keeps it for the next start.
    void offersCopiesAtStart() {
        const QString path = CopyOfDemo();
        CMainFrame edited;
        Prepare(edited);
        QVERIFY(edited.OpenDocumentFile(path));
        Edit(edited);
        RecoveryCopy copy;
        copy.path = QFile::encodeName(path).toStdString();
        copy.title = "demo.plf";
        copy.writtenAt = 1765000000;
        copy.pid = DeadPid();
        copy.diskStamp = edited.ActiveDocument()->DiskStamp();
        copy.ladder = edited.ActiveDocument()->RecoveryBytes();
        const RecoveryStore store(QFile::encodeName(RecoveryDir()).toStdString());
        std::string error;
        for (const char* name : {"a", "b", "c"}) {
            RecoveryCopy numbered = copy;
            numbered.writtenAt += name[0];
            QVERIFY(store.Write(name, numbered, error));
        }

        CMainFrame frame;
        Prepare(frame);
        RecoveryKeeper keeper(frame, RecoveryDir());
        ScriptedPrompt prompt;
        prompt.answers = {RecoveryAnswer::kDiscard, RecoveryAnswer::kRecover,
                          RecoveryAnswer::kLater};
        keeper.OfferRecovery(prompt);
        QCOMPARE(prompt.asked.size(), 3);
        QVERIFY(prompt.asked[0].startsWith(QStringLiteral("demo.plf 2025-")));
        QVERIFY(!QFile::exists(QString::fromStdString(store.FileOf("a"))));
        QVERIFY(QFile::exists(QString::fromStdString(store.FileOf("c"))));

        QCOMPARE(frame.Children().size(), 1);
        CChildFrame* child = frame.ActiveChild();
        const CRungpadDoc& doc = child->Document();
        QCOMPARE(QString::fromStdString(doc.State().PathName()), path);
        QVERIFY(doc.IsModified());
        QVERIFY(child->isWindowModified());
        QVERIFY(doc.RecoveryBytes() == copy.ladder);
        // The recovered document keeps the copy it came from until its own replaces it.
        const QString file = keeper.CopyFileOf(child);
        QCOMPARE(file, QString::fromStdString(store.FileOf("b")));
        keeper.Tick();
        keeper.Tick();
        QCOMPARE(ReadCopy(file)->pid, static_cast<int>(::getpid()));
        // Opening the same file again shows the recovered document, not the file on disk.
        QVERIFY(frame.OpenDocumentFile(path));
        QCOMPARE(frame.Children().size(), 1);
        QVERIFY(frame.ActiveDocument()->IsModified());
        child->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!QFile::exists(file));
        QFile::remove(QString::fromStdString(store.FileOf("c")));
    }

    // A copy that cannot be opened is offered for deletion under its own name, whether its file
    // is damaged or the ladder inside it is.
    void damagedCopiesAreOfferedForDeletion() {
        const RecoveryStore store(QFile::encodeName(RecoveryDir()).toStdString());
        std::string error;
        QVERIFY(store.Write("broken-ladder",
                            RecoveryCopy{"/x/prog.plf", "prog.plf", 1, 1, std::nullopt, {'x'}},
                            error));
        QFile garbage(QString::fromStdString(store.FileOf("garbage")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a copy");
        garbage.close();

        CMainFrame frame;
        Prepare(frame);
        RecoveryKeeper keeper(frame, RecoveryDir());
        ScriptedPrompt prompt;
        prompt.answers = {RecoveryAnswer::kRecover};
        keeper.OfferRecovery(prompt);
        QCOMPARE(prompt.asked.size(), 1);
        const QStringList expected = {QString::fromStdString(store.FileOf("broken-ladder")),
                                      QString::fromStdString(store.FileOf("garbage"))};
        QCOMPARE(prompt.damaged, expected);
        QVERIFY(frame.Children().isEmpty());
        QVERIFY(!QFile::exists(expected[0]));
        QVERIFY(!QFile::exists(expected[1]));
    }

    // A recovery folder that cannot be written is shown: in the status bar at every try, in a
    // message once.
    void anUnwritableFolderIsShown() {
        QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        CMainFrame frame;
        Prepare(frame);
        m_box.messages.clear();
        RecoveryKeeper keeper(frame, m_dir.filePath(QStringLiteral("not-a-folder/recovery")));
        QVERIFY(frame.OpenDocumentFile(CopyOfDemo()));
        Edit(frame);
        for (int i = 0; i < 4; ++i) {
            keeper.Tick();
        }
        QVERIFY(frame.statusBar()->currentMessage().startsWith(
            QStringLiteral("Recovery copies cannot be written: ")));
        QVERIFY(frame.statusBar()->currentMessage().contains(QStringLiteral("not-a-folder")));
        QCOMPARE(m_box.messages.size(), std::size_t{1});
        QVERIFY(m_box.messages[0].starts_with("Recovery copies cannot be written"));
        frame.ActiveDocument()->SetModifiedFlag(false);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_Recovery.moc"
