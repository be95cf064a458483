// The shell around the documents: the standard toolbar, one action per command shared by the
// menus, toolbars and the right-click menu with their prompts, the View and Window menus, second
// windows of a document, the main title, and the short menu's Print Setup.

#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "GuiTestSupport.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "shell/frame/AppIcon.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CommandLine.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/panels/TestResultsWindow.h"
#include "shell/panels/XrefWindow.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::AnsweringHost;
using rungpad::test::RecordingBox;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

// The visible texts of a menu's or toolbar's actions, "|" for a separator.
QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        if (action->isVisible()) {
            texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
        }
    }
    return texts;
}

QMenu* MenuNamed(const QMainWindow& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

}  // namespace

class TestShell : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_settings;
    RecordingBox m_box;
    AnsweringHost m_host{SaveChangesAnswer::kNo};

    void Prepare(CMainFrame& frame) {
        m_host.asked = 0;
        frame.SetMessageBox(&m_box);
        frame.SetDocumentHost(&m_host);
        frame.resize(1000, 760);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_settings.isValid());
        qputenv("XDG_CONFIG_HOME", m_settings.path().toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("RungpadTests"));
    }

    void standardToolbarAndStatusBar() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        auto* toolbar = frame.findChild<QToolBar*>(QStringLiteral("StandardToolBar"));
        QVERIFY(toolbar);
        QCOMPARE(Texts(toolbar->actions()),
                 (QStringList{"New(&N)", "Open(&O)...", "Save(&S)", "|", "Cut(&T)", "Copy(&C)",
                              "Paste(&P)", "|", "Undo(&U)", "Redo(&Y)", "|", "Convert(&V)",
                              "Find(&F)", "|", "Print(&P)...", "About Rungpad(&A)..."}));
        const QList<int> ids = {57600, 57601, 57603, 57635, 57634, 57637,
                                57643, 57644, 32789, 32782, 57607, 57664};
        QList<QAction*> buttons;
        for (QAction* action : toolbar->actions()) {
            if (!action->isSeparator()) {
                buttons << action;
            }
        }
        for (int i = 0; i < ids.size(); ++i) {
            QCOMPARE(buttons.at(i), frame.Command(ids.at(i)));  // the menus' own action
            QVERIFY(!buttons.at(i)->icon().isNull());
        }
        // The View menu as the short and the long menu have it, the zoom commands and the
        // language after the specified items.
        QCOMPARE(Texts(MenuNamed(frame, QStringLiteral("View(&V)"))->actions()),
                 (QStringList{"Toolbar(&T)", "Status Bar(&S)", "|", "Output window(&O)",
                              "Instruction Window(&I)", "Cross Reference", "Coil References", "|",
                              "Zoom In(&Z)", "Zoom Out(&U)", "Actual Size(&A)", "Fit Width(&F)",
                              "|", "Language(&L)"}));
        // The message pane, the position and zoom panes, then the lock key panes.
        for (const char* pane : {"position", "zoom", "capital", "number", "roll"}) {
            QVERIFY(frame.statusBar()->findChild<QLabel*>(QString::fromLatin1(pane)));
        }
    }

    // Status prompts and tool tips come from the prompt strings and show the command's key.
    void promptsShowTheKeys_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("tip");
        QTest::newRow("contact") << 32771 << "Normally open contact(Ctrl+Q)"
                                 << "Normally open contact(Ctrl+Q)";
        QTest::newRow("tip only a key") << 32773 << "Normally closed contact(Ctrl+W)"
                                        << "Normally closed contact(Ctrl+W)";
        QTest::newRow("own tip") << 32779 << "function command(Ctrl+A)"
                                 << "function command(Ctrl+A)";
        QTest::newRow("key added") << 32827 << "Replace(Ctrl+H)"
                                   << "Replace(Ctrl+H)";
        QTest::newRow("framework command") << 57603 << "Save the active document(Ctrl+S)"
                                           << "Save(Ctrl+S)";
        QTest::newRow("no key") << 32821 << "Generate binary file"
                                << "Generate binary file";
        QTest::newRow("redo") << 57644 << "Redo the action last undone(Ctrl+Y)"
                              << "Redo(Ctrl+Y)";
        QTest::newRow("simulation")
            << 33101 << "Start the simulation of the active program, or stop it(F5)"
            << "Start/Stop Simulation(F5)";
        QTest::newRow("single scan")
            << 33102 << "Run one scan of the simulation, starting it paused(F10)"
            << "Single Scan(F10)";
    }
    void promptsShowTheKeys() {
        QFETCH(int, id);
        QFETCH(QString, status);
        QFETCH(QString, tip);
        CMainFrame frame;
        QAction* action = frame.Command(id);
        QVERIFY(action);
        QCOMPARE(action->statusTip(), status);
        QCOMPARE(action->toolTip(), tip);
    }

    // The right-click menu holds the commands' own actions, its element tools in their order.
    void contextMenuSharesTheCommands() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CRungpadView* view = frame.ActiveChild()->View();
        const LadProgram& program = frame.ActiveDocument()->Program();
        QVERIFY(program.Cell(0, 0).code == Element::kNoContact);
        view->Edit([](CLadEditor& e) { e.Select({0, 0}, {0, 0}); });
        QMenu menu;
        view->BuildContextMenu(menu);
        QCOMPARE(Texts(menu.actions()),
                 (QStringList{"Cut(&T)", "Copy(&C)", "Paste(&P)", "|", "Insert Line(&I)",
                              "Delete Line(&D)", "修改注释(&M)", "Show Cross Reference", "|",
                              "基本指令(&B)", "功能指令(&F)"}));
        QCOMPARE(menu.actions().at(0), frame.Command(57635));
        QList<QAction*> basic = menu.actions().at(9)->menu()->actions();
        const QList<int> order = {32771, 32773, 32774, 32776, 32772, 32775, 32777, 32778};
        QCOMPARE(basic.size(), order.size());
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(basic.at(i), frame.Command(order.at(i)));
        }
        QCOMPARE(menu.actions().at(10)->menu()->actions().size(), 36);
        // On an empty cell there is no note to modify.
        view->Edit([](CLadEditor& e) { e.Select({3, 1}, {3, 1}); });
        QMenu empty;
        view->BuildContextMenu(empty);
        QVERIFY(!Texts(empty.actions()).contains(QStringLiteral("修改注释(&M)")));
        QVERIFY(!Texts(empty.actions()).contains(QStringLiteral("Show Cross Reference")));
    }

    // New Window: a second view of the same document; an edit in one shows in both, closing
    // one asks nothing, and the window left alone is maximized again.
    void newWindowSharesTheDocument() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CChildFrame* first = frame.ActiveChild();
        frame.Command(57648)->trigger();
        QCOMPARE(frame.Children().size(), 2);
        CChildFrame* second = frame.ActiveChild();
        QVERIFY(second != first);
        QCOMPARE(&second->Document(), &first->Document());
        QCOMPARE(first->windowTitle(), QStringLiteral("demo.plf:1[*]"));
        QCOMPARE(second->windowTitle(), QStringLiteral("demo.plf:2[*]"));
        second->View()->Edit([](CLadEditor& e) {
            e.Select({3, 1}, {3, 1});
            e.PlaceElement(Element::kHLine);
        });
        QCOMPARE(first->View()->Program()->Cell(3, 1).code, Element::kHLine);
        QVERIFY(first->isWindowModified());
        frame.Command(57650)->trigger();  // cascade: the survivor is no longer maximized
        QVERIFY(!first->isMaximized());
        second->close();
        QTRY_COMPARE(frame.Children().size(), 1);
        QCOMPARE(m_host.asked, 0);
        QTRY_VERIFY(first->isMaximized());
        QCOMPARE(first->windowTitle(), QStringLiteral("demo.plf[*]"));
        first->close();
        QCOMPARE(m_host.asked, 1);
    }

    // The views of a document share its history: a window opened after an edit can undo it,
    // and Undo in the first window takes back the line the second one inserted above its edit
    // before the edit itself, so nothing lands on the wrong line.
    void newWindowSharesTheHistory() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CChildFrame* first = frame.ActiveChild();
        const LadProgram before = first->Document().Program();
        first->View()->Edit([](CLadEditor& e) {
            e.Select({1, 12}, {1, 12});
            e.PlaceElement(Element::kHLine);
        });
        frame.Command(57648)->trigger();
        CChildFrame* second = frame.ActiveChild();
        QVERIFY(second != first);
        QVERIFY(frame.UndoAction()->isEnabled());
        rungpad::test::WhenModalShows(
            [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });  // one line
        second->View()->Edit([](CLadEditor& e) {
            e.Select({0, 0}, {0, 0});
            e.OnInsertLine();
        });
        QCOMPARE(first->View()->Program()->Cell(1, 13).code, Element::kHLine);
        frame.ShowPlace(first, {0, 0}, {0, 0});
        QCOMPARE(frame.ActiveChild(), first);
        frame.UndoAction()->trigger();
        frame.UndoAction()->trigger();
        QVERIFY(!frame.UndoAction()->isEnabled());
        QVERIFY(frame.RedoAction()->isEnabled());
        const LadProgram& now = first->Document().Program();
        QCOMPARE(now.LineCount(), before.LineCount());
        for (int line = 0; line < now.LineCount(); ++line) {
            for (int column = 0; column < LadLine::kColumns; ++column) {
                QCOMPARE(now.Cell(column, line).code, before.Cell(column, line).code);
            }
        }
        second->CloseWithoutAsking();
        first->CloseWithoutAsking();
    }

    // The main window and every document window show the application's icon, not the
    // toolkit's; the main window's, every size of which goes to the window manager, once its
    // first picture is on the screen. The icon's sizes are read as they are drawn.
    void windowsShowTheApplicationIcon() {
        CMainFrame frame;
        frame.SetMessageBox(&m_box);
        frame.SetDocumentHost(&m_host);
        frame.ShowWithLayout();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        frame.OnFileNew();
        const QIcon icon = AppIcon::Get();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(),
                 QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64),
                               QSize(128, 128), QSize(256, 256)}));
        for (const auto& [asked, given] :
             {std::pair{16, 16}, std::pair{20, 20}, std::pair{40, 40}, std::pair{300, 256}}) {
            QCOMPARE(icon.actualSize(QSize(asked, asked)), QSize(given, given));
            QCOMPARE(icon.pixmap(asked).size(), QSize(given, given));
        }
        QVERIFY(!icon.pixmap(16, QIcon::Disabled).isNull());
        QTRY_COMPARE(frame.windowIcon().cacheKey(), icon.cacheKey());
        QCOMPARE(frame.ActiveChild()->windowIcon().cacheKey(), icon.cacheKey());
        frame.ActiveChild()->CloseWithoutAsking();
    }

    // The status bar shows where the cursor is and the zoom; the zoom keys work on the active
    // view, and a window opened later starts at the zoom last chosen.
    void statusBarShowsThePlaceAndTheZoom() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        auto* position = frame.statusBar()->findChild<QLabel*>(QStringLiteral("position"));
        auto* zoom = frame.statusBar()->findChild<QLabel*>(QStringLiteral("zoom"));
        QCOMPARE(position->text(), QString());  // no cursor yet
        CRungpadView* view = frame.ActiveChild()->View();
        view->Edit([](CLadEditor& e) { e.Select({2, 4}, {2, 4}); });
        QCOMPARE(position->text(), QStringLiteral("Line 5, Column 3"));
        view->Edit([](CLadEditor& e) { e.Select({0, 2}, {6, 5}); });
        QCOMPARE(position->text(), QStringLiteral("Lines 3-6"));
        QCOMPARE(zoom->text(), QStringLiteral("100%"));
        frame.Command(33110)->trigger();  // Zoom In
        QCOMPARE(view->Zoom(), 110);
        QCOMPARE(zoom->text(), QStringLiteral("110%"));
        QCOMPARE(frame.Command(33110)->shortcuts().value(0), QKeySequence(QKeySequence::ZoomIn));
        frame.Command(57648)->trigger();  // New Window
        QCOMPARE(frame.ActiveChild()->View()->Zoom(), 110);
        frame.Command(33112)->trigger();  // Actual Size
        QCOMPARE(frame.ActiveChild()->View()->Zoom(), 100);
        QCOMPARE(zoom->text(), QStringLiteral("100%"));
        for (CChildFrame* child : frame.Children()) {
            child->CloseWithoutAsking();
        }
    }

    // The window's geometry and the docks' sizes come back at the next start; which docks show
    // is as at any start (the output window only).
    void layoutIsRemembered() {
        {
            CMainFrame frame;
            Prepare(frame);
            frame.resize(900, 700);
            frame.InstructionWindow()->show();
            frame.resizeDocks({static_cast<QDockWidget*>(frame.OutputWindow())}, {260},
                              Qt::Vertical);
            QTRY_VERIFY(std::abs(frame.OutputWindow()->height() - 260) < 20);
            frame.SaveLayout();
        }
        CMainFrame again;
        again.ShowWithLayout();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTRY_VERIFY(std::abs(again.OutputWindow()->height() - 260) < 20);
        QCOMPARE(again.size(), QSize(900, 700));
        QVERIFY(!again.OutputWindow()->isHidden());
        QVERIFY(again.InstructionWindow()->isHidden());
        QSettings().remove(QStringLiteral("MainWindow"));
    }

    // Cross Reference, Signals, Timing Diagram and Test Results are made on first use, not at
    // the start, and take the places the last run left them in, even after a run that never
    // made them. Opened from its menu item, a window's own show/hide action takes the item's
    // place; each window starts hidden, as at any start.
    void lateWindowsTakeTheirRememberedPlaces() {
        {
            CMainFrame frame;
            Prepare(frame);
            frame.tabifyDockWidget(frame.InstructionWindow(), frame.XrefWindow());
            frame.addDockWidget(Qt::TopDockWidgetArea, frame.SignalsWindow());
            frame.SignalsWindow()->show();
            frame.TestResultsWindow()->setFloating(true);
            frame.SaveLayout();
        }
        const auto made = [](const CMainFrame& frame) {
            return frame.findChildren<QDockWidget*>().size();
        };
        {
            CMainFrame between;
            between.ShowWithLayout();
            QVERIFY(QTest::qWaitForWindowExposed(&between));
            QCOMPARE(made(between), 3);  // the output, comment and instruction windows
            between.SaveLayout();
        }
        CMainFrame again;
        again.SetMessageBox(&m_box);
        again.SetDocumentHost(&m_host);
        again.ShowWithLayout();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QVERIFY(again.OpenDocumentFile(kDemo));
        QCOMPARE(made(again), 3);
        QMenu* view = MenuNamed(again, QStringLiteral("View(&V)"));
        QVERIFY(view);
        const QStringList items = Texts(view->actions());
        QAction* item = nullptr;
        for (QAction* action : view->actions()) {
            item = action->text() == QStringLiteral("Cross Reference") ? action : item;
        }
        QVERIFY(item && item->isCheckable() && !item->isChecked());
        item->trigger();
        auto* xref = again.findChild<CXrefWindow*>();
        QVERIFY(xref && xref->isVisible());
        again.InstructionWindow()->show();
        QVERIFY(again.tabifiedDockWidgets(xref).contains(
            static_cast<QDockWidget*>(again.InstructionWindow())));
        QCOMPARE(Texts(view->actions()), items);
        QVERIFY(view->actions().contains(xref->toggleViewAction()));
        QVERIFY(!view->actions().contains(item));
        QCOMPARE(again.Command(EditCommands::kCrossReference), xref->toggleViewAction());
        QVERIFY(xref->toggleViewAction()->isChecked());
        QVERIFY(xref->Table()->rowCount() > 0);  // filled from the active document
        QVERIFY(again.SignalsWindow()->isHidden());
        QCOMPARE(again.dockWidgetArea(again.SignalsWindow()), Qt::TopDockWidgetArea);
        QVERIFY(again.TestResultsWindow()->isHidden());
        QVERIFY(again.TestResultsWindow()->isFloating());
        again.ActiveChild()->CloseWithoutAsking();
        QSettings().remove(QStringLiteral("MainWindow"));
    }

    // Without a remembered layout, Cross Reference stands above Signals on the right whichever
    // of them was opened first.
    void crossReferenceStaysAboveSignals() {
        CMainFrame frame;
        Prepare(frame);
        frame.resize(1200, 900);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        test::FindAction(frame, QStringLiteral("Signals(&G)"))->trigger();
        test::FindAction(frame, QStringLiteral("Cross Reference"))->trigger();
        QApplication::processEvents();
        const QRect xref = frame.XrefWindow()->geometry();
        const QRect signalsWindow = frame.SignalsWindow()->geometry();
        QVERIFY(frame.XrefWindow()->isVisible() && frame.SignalsWindow()->isVisible());
        QCOMPARE(frame.dockWidgetArea(frame.XrefWindow()), Qt::RightDockWidgetArea);
        QVERIFY2(
            xref.bottom() < signalsWindow.top(),
            qPrintable(QStringLiteral("%1 above %2").arg(xref.bottom()).arg(signalsWindow.top())));
        frame.ActiveChild()->CloseWithoutAsking();
    }

    // The right-click menu of the toolbars and docks lists every docked window, made yet or
    // not, in one order, whichever was made first.
    void dockMenuListsEveryWindow() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        const auto listed = [&frame] {
            const std::unique_ptr<QMenu> menu(frame.createPopupMenu());
            return Texts(menu->actions());
        };
        const QStringList before = listed();
        const QStringList late = {QStringLiteral("Cross Reference"), QStringLiteral("Signals(&G)"),
                                  QStringLiteral("Timing Diagram(&D)"),
                                  QStringLiteral("Test Results(&O)"), QStringLiteral("|")};
        const qsizetype first = before.indexOf(late.first());
        QVERIFY(first >= 3);  // after the output, comment and instruction windows
        QCOMPARE(before.mid(first, late.size()), late);
        frame.TestResultsWindow();
        frame.TimingWindow();
        frame.SignalsWindow()->show();
        QCOMPARE(listed(), before);
        frame.ActiveChild()->CloseWithoutAsking();
    }

    // Cross Reference opens wide enough for its columns, which fit their contents.
    void crossReferenceOpensAtAUsableSize() {
        CMainFrame frame;
        Prepare(frame);
        frame.resize(1200, 800);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.XrefWindow()->toggleViewAction()->trigger();
        QTRY_VERIFY(frame.XrefWindow()->width() >= 400);
        QTableWidget* table = frame.XrefWindow()->Table();
        QVERIFY(table->rowCount() > 0);
        const QString widest = table->item(0, 3)->text();
        QVERIFY(table->columnWidth(3) >= table->fontMetrics().horizontalAdvance(widest));
        frame.ActiveChild()->CloseWithoutAsking();
    }

    // A file its user may not write says so in the window title (Save asks before writing it).
    void readOnlyFileInTheTitle() {
        const QString path = m_settings.filePath(QStringLiteral("locked.plf"));
        QFile::remove(path);
        QVERIFY(QFile::copy(kDemo, path));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(path));
        QCOMPARE(frame.ActiveChild()->windowTitle(), QStringLiteral("locked.plf [read-only][*]"));
        frame.ActiveChild()->close();
    }

    // Cascade gives each window a usable size; the main title then names the active document.
    void cascadeAndTheMainTitle() {
        CMainFrame frame;
        Prepare(frame);
        for (int i = 0; i < 3; ++i) {
            frame.OnFileNew();
        }
        QVERIFY(frame.windowTitle().startsWith(QStringLiteral("Ladder diagram editor - [Ladder3")));
        frame.Command(57650)->trigger();
        const QSize area = frame.ActiveChild()->mdiArea()->viewport()->size();
        QList<QPoint> corners;
        for (CChildFrame* child : frame.Children()) {
            QVERIFY(!child->isMaximized());
            QVERIFY(child->width() >= area.width() / 2);
            QVERIFY(child->height() >= area.height() / 2);
            QVERIFY(!corners.contains(child->pos()));
            corners << child->pos();
        }
        QCOMPARE(frame.windowTitle(),
                 QStringLiteral("Ladder diagram editor - ") +
                     QString::fromStdString(frame.ActiveDocument()->State().Title()));
        // Maximized, the child's name shows in brackets, once.
        frame.ActiveChild()->showMaximized();
        QVERIFY(frame.windowTitle().startsWith(QStringLiteral("Ladder diagram editor - [Ladder")));
        QCOMPARE(frame.windowTitle().count(QStringLiteral("Ladder")), 2);
        // The window list names every window and checks the active one.
        QMenu* window = MenuNamed(frame, QStringLiteral("Window(&W)"));
        QVERIFY(window);
        emit window->aboutToShow();
        const QStringList texts = Texts(window->actions());
        QCOMPARE(texts.mid(0, 4),
                 (QStringList{"New Window(&N)", "Cascade(&C)", "Tile(&T)", "Array Icon(&A)"}));
        QCOMPARE(texts.mid(5), (QStringList{"&1 Ladder1", "&2 Ladder2", "&3 Ladder3"}));
        QVERIFY(window->actions().last()->isChecked());
    }

    // The print switch of the command line, as the desktop's print command gives it.
    void printSwitch_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("file");
        using Mode = CCommandLine::Mode;
        QTest::newRow("/p") << QStringList{"/p", "a.plf"} << int(Mode::kPrint) << "a.plf";
        QTest::newRow("-p") << QStringList{"-p", "b.plf"} << int(Mode::kPrint) << "b.plf";
        QTest::newRow("--print") << QStringList{"--print", "c.plf"} << int(Mode::kPrint) << "c.plf";
        QTest::newRow("no file") << QStringList{"/p"} << int(Mode::kUsageError) << QString();
        QTest::newRow("a file only") << QStringList{"d.plf"} << int(Mode::kEdit) << QString();
    }
    void printSwitch() {
        QFETCH(QStringList, arguments);
        QFETCH(int, mode);
        QFETCH(QString, file);
        std::vector<QByteArray> bytes{"rungpad"};
        for (const QString& argument : arguments) {
            bytes.push_back(argument.toLocal8Bit());
        }
        std::vector<const char*> argv;
        for (const QByteArray& each : bytes) {
            argv.push_back(each.constData());
        }
        const CCommandLine command =
            CCommandLine::Parse(static_cast<int>(argv.size()), argv.data());
        QCOMPARE(int(command.mode), mode);
        QCOMPARE(command.filePath, file);
    }

    // Printing a file from the command line opens it, prints every page and closes it again.
    void printDocumentFile() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPrintRange(QPrinter::PageRange);  // left from an earlier print
        printer.setFromTo(2, 2);
        CMainFrame frame;
        frame.SetMessageBox(&m_box);
        QVERIFY(frame.PrintDocumentFile(kDemo, printer));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(rungpad::test::PdfPageCount(file.readAll()), 1);  // the example's one page
        QTRY_COMPARE(frame.Children().size(), 0);
        QVERIFY(!frame.PrintDocumentFile(QStringLiteral("/nonexistent/none.plf"), printer));
    }

    // The short menu offers Print Setup as "Print(&R)..."; with a document it is Print Setup.
    void printSetupWithoutADocument() {
        CMainFrame frame;
        Prepare(frame);
        QMenu* file = MenuNamed(frame, QStringLiteral("File(&F)"));
        const QStringList texts = Texts(file->actions());
        QCOMPARE(texts.mid(0, 3), (QStringList{"New(&N)", "Open(&O)...", "Print(&R)..."}));
        QCOMPARE(texts.last(), QStringLiteral("Exit(&X)"));  // after the recent files
        QCOMPARE(frame.Command(57606)->text(), QStringLiteral("Print(&R)..."));
        frame.OnFileNew();
        QCOMPARE(frame.Command(57606)->text(), QStringLiteral("Print Setup(&R)..."));
    }
};

QTEST_MAIN(TestShell)
#include "tst_Shell.moc"
