// The main window: its output and instruction windows as the message channel, opening documents
// in child windows, Convert and the document menus. Settings go to a temporary directory.

#include <QDockWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "MainFrameTest.h"

#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::AnsweringHost;
using rungpad::test::FindAction;
using rungpad::test::RecordingBox;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

QString Text(const CCoolBar* bar) {
    return bar->Edit()->toPlainText();
}

bool MenuShown(const QMainWindow& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->isVisible();
        }
    }
    return false;
}

// Puts a horizontal line into cell (2, 0) of the active document, which marks it changed.
void ChangeActiveDocument(CMainFrame& frame) {
    frame.ActiveChild()->View()->Edit([](CLadEditor& e) {
        e.Select({2, 0}, {2, 0});
        e.PlaceElement(Element::kHLine);
    });
}

// Every key that some command holds, with the number of commands holding it.
QMap<QString, int> BoundKeys(const QWidget& frame) {
    QMap<QString, int> bound;
    for (const QAction* action : frame.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            ++bound[key.toString()];
        }
    }
    for (const QShortcut* shortcut : frame.findChildren<QShortcut*>()) {
        ++bound[shortcut->key().toString()];
    }
    return bound;
}

}  // namespace

class TestMainFrm : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }
    void init() { m_box.messages.clear(); }

    void outputWindowIsTheMessageChannel() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(!frame.OutputWindow()->isHidden());
        QVERIFY(frame.InstructionWindow()->isHidden());
        QVERIFY(frame.CommentWindow()->isHidden());
        // A line shows a hidden output window and goes below what is there.
        frame.OutputWindow()->hide();
        frame.OutputLine("Converting...");
        frame.OutputLine("梯图第0012行  错误代号 ");
        QVERIFY(!frame.OutputWindow()->isHidden());
        QCOMPARE(Text(frame.OutputWindow()),
                 QStringLiteral("Converting...\n梯图第0012行  错误代号 "));
        // Replacing the text neither adds a line break nor shows the window.
        frame.OutputWindow()->hide();
        frame.SetOutputText("R100.1 note");
        QVERIFY(frame.OutputWindow()->isHidden());
        QCOMPARE(Text(frame.OutputWindow()), QStringLiteral("R100.1 note"));
        frame.ShowCellNote("");
        QCOMPARE(Text(frame.OutputWindow()), QString());
        frame.OutputLine("x");
        frame.ClearOutput();
        QCOMPARE(Text(frame.OutputWindow()), QString());
    }

    void instructionWindowShowsAndHides() {
        CMainFrame frame;
        Prepare(frame);
        frame.ShowInstructionList({"RD       X000.0", "WRT      Y000.0"});
        QVERIFY(!frame.InstructionWindow()->isHidden());
        QCOMPARE(Text(frame.InstructionWindow()),
                 QStringLiteral("RD       X000.0\nWRT      Y000.0"));
        frame.ShowInstructionList({"END1"});
        QCOMPARE(Text(frame.InstructionWindow()), QStringLiteral("END1"));
        frame.ClearInstructionWindow();
        QVERIFY(frame.InstructionWindow()->isHidden());
        QCOMPARE(Text(frame.InstructionWindow()), QString());
    }

    void openShowsTheDocumentOnce() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(!MenuShown(frame, QStringLiteral("Edit(&E)")));
        QVERIFY(frame.OpenDocumentFile(kDemo));
        QCOMPARE(frame.Children().size(), 1);
        CChildFrame* child = frame.ActiveChild();
        QVERIFY(child);
        QVERIFY(child->windowTitle().startsWith(QStringLiteral("demo.plf")));
        QVERIFY(child->isMaximized());
        QCOMPARE(child->View()->Program(), &child->Document().Program());
        QVERIFY(child->Document().Program().LineCount() > 1);
        QVERIFY(MenuShown(frame, QStringLiteral("Edit(&E)")));
        // The same file again: the window comes to the front, the file is not read twice.
        QVERIFY(frame.OpenDocumentFile(QStringLiteral(RUNGPAD_EXAMPLES "/../examples/demo.plf")));
        QCOMPARE(frame.Children().size(), 1);
        QCOMPARE(frame.RecentFiles().value(0), QFileInfo(kDemo).absoluteFilePath());
        QVERIFY(m_box.messages.empty());
    }

    void unreadableFileOpensNothing() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(!frame.OpenDocumentFile(QStringLiteral("/nonexistent/dir/none.plf")));
        QCOMPARE(frame.Children().size(), 0);
        QCOMPARE(m_box.messages.size(), std::size_t{1});
    }

    void convertFillsTheInstructionWindow() {
        CMainFrame frame;
        Prepare(frame);
        frame.OnConvert();  // no document: nothing happens
        QVERIFY(frame.InstructionWindow()->isHidden());
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.OnConvert();
        QVERIFY(frame.ActiveDocument()->IsConverted());
        QVERIFY(Text(frame.OutputWindow()).endsWith(QStringLiteral("Convert succeed!")));
        QVERIFY(!frame.InstructionWindow()->isHidden());
        QVERIFY(Text(frame.InstructionWindow()).startsWith(QStringLiteral("RD")));
        // Closing the document empties and hides the instruction window.
        frame.ActiveChild()->close();
        QVERIFY(frame.InstructionWindow()->isHidden());
        QTRY_COMPARE(frame.Children().size(), 0);
        QTRY_VERIFY(!MenuShown(frame, QStringLiteral("Edit(&E)")));
    }

    void undoFollowsTheEditing() {
        CMainFrame frame;
        Prepare(frame);
        frame.OnFileNew();
        QAction* undo = FindAction(frame, QStringLiteral("Undo(&U)"));
        QVERIFY(undo);
        QVERIFY(!undo->isEnabled());
        CRungpadView* view = frame.ActiveChild()->View();
        view->Edit([](CLadEditor& e) {
            e.Select({2, 0}, {2, 0});
            e.PlaceElement(Element::kHLine);
        });
        QVERIFY(undo->isEnabled());
        QVERIFY(frame.ActiveChild()->isWindowModified());
        undo->trigger();
        QCOMPARE(frame.ActiveDocument()->Program().Cell(2, 0).code, Element::kEmpty);
    }

    void newDocumentsAreNumbered() {
        CMainFrame frame;
        Prepare(frame);
        frame.OnFileNew();
        frame.OnFileNew();
        QStringList titles;
        for (CChildFrame* child : frame.Children()) {
            titles << QString::fromStdString(child->Document().State().Title());
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("Ladder1"), QStringLiteral("Ladder2")}));
        QCOMPARE(frame.ActiveDocument()->Program().LineCount(), 1);
    }

    void recentFilesKeepFourNewestFirst() {
        QTemporaryDir dir;
        CMainFrame frame;
        Prepare(frame);
        QStringList opened;
        for (int i = 0; i < 6; ++i) {
            const QString path = dir.filePath(QStringLiteral("copy%1.plf").arg(i));
            QVERIFY(QFile::copy(kDemo, path));
            QVERIFY(frame.OpenDocumentFile(path));
            opened.prepend(QFileInfo(path).absoluteFilePath());
        }
        QCOMPARE(frame.RecentFiles(), opened.mid(0, 4));
        // A new main window reads them back from the settings, where they are File1 to File4.
        CMainFrame again;
        QCOMPARE(again.RecentFiles(), opened.mid(0, 4));
        QCOMPARE(QSettings().value(QStringLiteral("Recent File List/File1")).toString(),
                 opened.at(0));
        QCOMPARE(QSettings().value(QStringLiteral("Recent File List/File4")).toString(),
                 opened.at(3));
    }

    // Switching documents switches the instruction window to the active one's last conversion
    // (or empties it); closing a document still leaves it empty and hidden.
    void instructionWindowFollowsTheActiveDocument() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CChildFrame* demo = frame.ActiveChild();
        frame.OnConvert();
        const QString list = Text(frame.InstructionWindow());
        QVERIFY(list.startsWith(QStringLiteral("RD")));
        CChildFrame* untitled = frame.NewDocument();
        QCOMPARE(Text(frame.InstructionWindow()), QString());
        demo->mdiArea()->setActiveSubWindow(demo);
        QCOMPARE(Text(frame.InstructionWindow()), list);
        untitled->close();
        QVERIFY(frame.InstructionWindow()->isHidden());
        QTRY_COMPARE(frame.Children().size(), 1);
        QCOMPARE(Text(frame.InstructionWindow()), QString());
    }

    // A conversion that fails leaves the last good list in the instruction window, greyed and
    // with a tool tip that says why; a good one shows it plainly again. A new document starts
    // with an empty output window, not another document's messages.
    void failedConvertGreysTheOldListAndNewDocumentsStartClean() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.OnConvert();
        QPlainTextEdit* list = frame.InstructionWindow()->Edit();
        const QString good = list->toPlainText();
        QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::black));
        CRungpadView* view = frame.ActiveChild()->View();
        view->Edit([](CLadEditor& e) {
            e.Select({2, 1}, {2, 1});
            e.PlaceElement(Element::kHLine);  // a line hanging in the air
        });
        frame.OnConvert();
        QVERIFY(!frame.ActiveDocument()->IsConverted());
        QCOMPARE(list->toPlainText(), good);
        QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::gray));
        QVERIFY(list->toolTip().startsWith(QStringLiteral("Out of date")));
        view->Edit([](CLadEditor& e) { e.OnUndo(); });
        frame.OnConvert();
        QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::black));
        QVERIFY(list->toolTip().isEmpty());

        QVERIFY(Text(frame.OutputWindow()).endsWith(QStringLiteral("Convert succeed!")));
        frame.OnFileNew();
        QCOMPARE(Text(frame.OutputWindow()), QString());
    }

    // Start Simulation and Single Scan stay on the toolbar, enabled only with a document.
    void simulationNeedsADocument() {
        CMainFrame frame;
        Prepare(frame);
        QAction* start = FindAction(frame, QStringLiteral("Start Simulation(&S)"));
        QAction* scan = FindAction(frame, QStringLiteral("Single Scan(&N)"));
        QVERIFY(!start->isEnabled());
        QVERIFY(!scan->isEnabled());
        frame.OnFileNew();
        QVERIFY(start->isEnabled());
        QVERIFY(scan->isEnabled());
        frame.ActiveChild()->close();
        QTRY_VERIFY(!start->isEnabled());
    }

    // Only opening and saving put a file at the top of the recent list, not output commands.
    void recentFilesOnlyByOpenAndSave() {
        QTemporaryDir dir;
        CMainFrame frame;
        Prepare(frame);
        const QString first = dir.filePath(QStringLiteral("first.plf"));
        const QString second = dir.filePath(QStringLiteral("second.plf"));
        QVERIFY(QFile::copy(kDemo, first));
        QVERIFY(QFile::copy(kDemo, second));
        QVERIFY(frame.OpenDocumentFile(first));
        CChildFrame* firstChild = frame.ActiveChild();
        QVERIFY(frame.OpenDocumentFile(second));
        firstChild->mdiArea()->setActiveSubWindow(firstChild);
        for (const QString& command : {QStringLiteral("Generate Binary File(&B)..."),
                                       QStringLiteral("Generate Instruction List(&T)"),
                                       QStringLiteral("Edit Ladder Diagram Information(&M)")}) {
            QAction* action = FindAction(frame, command);
            QVERIFY2(action, qPrintable(command));
            action->trigger();
            QCOMPARE(frame.RecentFiles().value(0), QFileInfo(second).absoluteFilePath());
        }
        FindAction(frame, QStringLiteral("Save(&S)"))->trigger();
        QCOMPARE(frame.RecentFiles().value(0), QFileInfo(first).absoluteFilePath());
    }

    void exitEndsTheProgram() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.OnFileNew();
        QAction* exit = FindAction(frame, QStringLiteral("Exit(&X)"));
        QVERIFY(exit);
        exit->trigger();
        QVERIFY(!frame.isVisible());
        QTRY_COMPARE(frame.Children().size(), 0);
    }

    // Exit with three documents, the second one changed: the one question it asks decides.
    void exitAsksOnceAndCancelClosesNothing_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<bool>("saved");
        QTest::newRow("save") << int(SaveChangesAnswer::kYes) << true << true;
        QTest::newRow("don't save") << int(SaveChangesAnswer::kNo) << true << false;
        QTest::newRow("cancel") << int(SaveChangesAnswer::kCancel) << false << false;
    }
    void exitAsksOnceAndCancelClosesNothing() {
        QFETCH(int, answer);
        QFETCH(bool, ended);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        AnsweringHost host(static_cast<SaveChangesAnswer>(answer));
        CMainFrame frame;
        Prepare(frame);
        frame.SetDocumentHost(&host);
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            paths << dir.filePath(QStringLiteral("doc%1.plf").arg(i));
            QVERIFY(QFile::copy(kDemo, paths.last()));
            QVERIFY(frame.OpenDocumentFile(paths.last()));
            if (i == 1) {
                ChangeActiveDocument(frame);
            }
        }
        const QByteArray before = [&] {
            QFile file(paths.at(1));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QCOMPARE(frame.close(), ended);
        QCOMPARE(host.asked, 1);
        QFile file(paths.at(1));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll() != before, saved);
        if (ended) {
            QTRY_COMPARE(frame.Children().size(), 0);
            return;
        }
        QTest::qWait(20);
        QCOMPARE(frame.Children().size(), 3);
        for (CChildFrame* child : frame.Children()) {
            QVERIFY(child->isVisible());
        }
        QVERIFY(frame.ActiveChild()->isMaximized());
    }

    void everyAcceleratorBoundOnce() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        const QMap<QString, int> bound = BoundKeys(frame);
        for (auto it = bound.begin(); it != bound.end(); ++it) {
            QVERIFY2(it.value() == 1, qPrintable(it.key()));
        }
        const QStringList table = {
            "Ctrl+A",    "Ctrl+B", "Ctrl+C",        "Ctrl+Ins",     "Ctrl+D", "Ctrl+Shift+D",
            "Ctrl+E",    "Ctrl+F", "Ctrl+G",        "Ctrl+Shift+G", "Ctrl+H", "Ctrl+I",
            "Ctrl+M",    "Ctrl+N", "Ctrl+O",        "Ctrl+P",       "Ctrl+Q", "Ctrl+R",
            "Ctrl+S",    "Ctrl+T", "Ctrl+V",        "Shift+Ins",    "Ctrl+W", "Ctrl+X",
            "Shift+Del", "Ctrl+Z", "Alt+Backspace", "Ctrl+Del",     "Ins",    "F6",
            "Shift+F6",  "F7"};
        for (const QString& key : table) {
            QVERIFY2(bound.value(key) == 1, qPrintable(key));
        }
    }

    // Ctrl+W on the view places a normally closed contact, asking for its address.
    void ctrlWPlacesANormallyClosedContact() {
        CMainFrame frame;
        Prepare(frame);
        frame.OnFileNew();
        CRungpadView* view = frame.ActiveChild()->View();
        view->Edit([](CLadEditor& e) { e.Select({1, 0}, {1, 0}); });
        QApplication::setActiveWindow(&frame);
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        rungpad::test::WhenModalShows([](QWidget& dialog) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x1.2"));
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QTest::keyClick(view, Qt::Key_W, Qt::ControlModifier);
        const LadCell& cell = frame.ActiveDocument()->Program().Cell(1, 0);
        QCOMPARE(cell.code, Element::kNcContact);
        QCOMPARE(QString::fromStdString(std::string(cell.Text())), QStringLiteral("X001.2"));
    }
};

QTEST_MAIN(TestMainFrm)
#include "tst_MainFrm.moc"
