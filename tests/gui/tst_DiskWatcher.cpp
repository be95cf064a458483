// A document's file changed by another program: the editor asks, reloads or keeps, never asks
// about its own saves, and Save still warns after Keep.

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "MainFrameTest.h"
#include "document/RungpadDoc.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/DiskWatcher.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/ReloadPrompt.h"
#include "text/QtText.h"

using namespace rungpad;
using rungpad::test::MainFrameTest;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

class ScriptedReload final : public ReloadPrompt {
  public:
    bool AskReload(const QString& fileName, bool modified) override {
        ++asked;
        askedName = fileName;
        askedModified = modified;
        return answer;
    }
    bool answer = true;
    int asked = 0;
    QString askedName;
    bool askedModified = false;
};

// Counts Save's question about a file another program changed; always overwrites.
class CountingHost final : public DocumentHost {
  public:
    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }
    std::string ProgramDirectory() override { return {}; }
    bool ConfirmOverwriteChanged(const std::string&) override {
        ++changedAsked;
        return true;
    }
    int changedAsked = 0;
};

// Another program's edit: the file read, lines added at its top, written back.
void ChangeOnDisk(const QString& path, int lines) {
    NullMessageChannel out;
    rungpad::test::RecordingBox box;
    NullDocumentHost host;
    CRungpadDoc other(out, box, host);
    QVERIFY(other.OnOpenDocument(QtText::ToLocalPath(path)));
    QVERIFY(other.Program().InsertLines(0, lines));
    QVERIFY(other.OnSaveDocument(QtText::ToLocalPath(path)));
}

}  // namespace

class TestDiskWatcher : public MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }

    void init() {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("demo.plf"));
        QFile::remove(m_path);
        QVERIFY(QFile::copy(kDemo, m_path));
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }

    // Reload: every window shows the file as it is now, unmodified, with a fresh history; the
    // question says when changes made here would be lost.
    void reloadReadsTheFileIntoEveryWindow() {
        CMainFrame frame;
        Prepare(frame);
        ScriptedReload prompt;
        frame.DiskWatcher()->SetPrompt(prompt);
        QVERIFY(frame.OpenDocumentFile(m_path));
        frame.Command(57648)->trigger();  // New Window: two views of the document
        const int before = frame.ActiveDocument()->Program().LineCount();
        frame.ActiveDocument()->SetModifiedFlag();
        QTRY_VERIFY(
            frame.DiskWatcher()->WatchedPaths().contains(QFileInfo(m_path).absoluteFilePath()));
        QVERIFY(frame.DiskWatcher()->WatchedPaths().contains(m_dir.path()));

        ChangeOnDisk(m_path, 3);
        frame.DiskWatcher()->CheckNow();
        QCOMPARE(prompt.asked, 1);
        QCOMPARE(prompt.askedName, QStringLiteral("demo.plf"));
        QVERIFY(prompt.askedModified);
        QTRY_COMPARE(frame.Children().size(), 2);
        for (CChildFrame* child : frame.Children()) {
            QCOMPARE(child->Document().Program().LineCount(), before + 3);
            QVERIFY(!child->Document().IsModified());
            QCOMPARE(child->Document().UndoList().GetCount(), 0);
        }
        QCOMPARE(&frame.Children().at(0)->Document(), &frame.Children().at(1)->Document());
        frame.DiskWatcher()->CheckNow();  // the reloaded document matches its file
        QCOMPARE(prompt.asked, 1);
        CloseAll(frame);  // closed documents are no longer watched
        frame.DiskWatcher()->CheckNow();
        QVERIFY(frame.DiskWatcher()->WatchedPaths().isEmpty());
    }

    // Keep: the document stays; the same version is not asked about again, a newer one is; Save
    // still asks before writing over the other program's file.
    void keepLeavesTheDocumentAndSaveStillWarns() {
        CMainFrame frame;
        CountingHost host;
        Prepare(frame);
        frame.SetDocumentHost(&host);
        ScriptedReload prompt;
        prompt.answer = false;
        frame.DiskWatcher()->SetPrompt(prompt);
        QVERIFY(frame.OpenDocumentFile(m_path));
        CRungpadDoc* doc = frame.ActiveDocument();
        const int before = doc->Program().LineCount();

        ChangeOnDisk(m_path, 2);
        frame.DiskWatcher()->CheckNow();
        frame.DiskWatcher()->CheckNow();
        QCOMPARE(prompt.asked, 1);
        QVERIFY(!prompt.askedModified);
        QCOMPARE(frame.ActiveDocument(), doc);
        QCOMPARE(doc->Program().LineCount(), before);
        ChangeOnDisk(m_path, 1);
        frame.DiskWatcher()->CheckNow();
        QCOMPARE(prompt.asked, 2);

        QVERIFY(doc->DoFileSave());
        QCOMPARE(host.changedAsked, 1);
        // The editor's own save is no change from outside.
        frame.DiskWatcher()->CheckNow();
        QCOMPARE(prompt.asked, 2);
        CloseAll(frame);
    }

    // A file that cannot be read any more is reported; the document stays and is not asked
    // about again until the file changes.
    void unreadableFileKeepsTheDocument() {
        CMainFrame frame;
        Prepare(frame);
        ScriptedReload prompt;
        frame.DiskWatcher()->SetPrompt(prompt);
        QVERIFY(frame.OpenDocumentFile(m_path));
        CRungpadDoc* doc = frame.ActiveDocument();
        {
            QFile file(m_path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("not a ladder program");
        }
        frame.DiskWatcher()->CheckNow();
        QCOMPARE(prompt.asked, 1);
        QCOMPARE(frame.ActiveDocument(), doc);
        QCOMPARE(frame.Children().size(), 1);
        QVERIFY(!m_box.messages.empty());
        frame.DiskWatcher()->CheckNow();
        QCOMPARE(prompt.asked, 1);
        CloseAll(frame);
    }

  private:
    static void CloseAll(CMainFrame& frame) {
        for (CChildFrame* child : frame.Children()) {
            child->CloseWithoutAsking();
        }
    }

    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_MAIN(TestDiskWatcher)
#include "tst_DiskWatcher.moc"
