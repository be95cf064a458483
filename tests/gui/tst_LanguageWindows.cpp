// The dialogs and docking windows in each language: Original shows exactly the texts they always
// had, 中文 and English put every text into one language, a dialog takes the language chosen
// when it opens, and the windows that stay open (the docks, the view's Find dialog, the
// simulation commands) follow a change of language at once.

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <memory>

#include "MainFrameTest.h"
#include "dialogs/FindDlg.h"
#include "dialogs/FuncDlg.h"
#include "dialogs/GotoLineDlg.h"
#include "dialogs/InsertLineDlg.h"
#include "dialogs/ItemSetDlg.h"
#include "dialogs/LadInfoDlg.h"
#include "dialogs/NoteDlg.h"
#include "dialogs/ReplaceDlg.h"
#include "dialogs/SelMulRowDlg.h"
#include "edit/LadEditor.h"
#include "edit/ReplaceButtons.h"
#include "edit/SearchTarget.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/TimingDiagramWindow.h"
#include "shell/panels/TestResultsWindow.h"
#include "shell/panels/XrefWindow.h"
#include "shell/recovery/QtRecoveryPrompt.h"
#include "view/RungpadView.h"

using namespace rungpad;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");
const QString kDemoTests = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plt");

class NoTarget final : public SearchTarget {
  public:
    bool SearchNext(std::string_view, int, std::string_view, int) override { return false; }
    void SelectFirstCell() override {}
    void ReportReplacements() override {}
};

bool IsChinese(QChar c) {
    return c.script() == QChar::Script_Han || (c.unicode() >= 0x3000 && c.unicode() <= 0x303f) ||
           (c.unicode() >= 0xff00 && c.unicode() <= 0xffef);
}

bool HasChinese(const QString& text) {
    return std::any_of(text.begin(), text.end(), IsChinese);
}

// A Chinese text may be without Chinese only when it holds nothing but addresses and
// instruction names (capitals and digits) and punctuation.
bool NamesOnly(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLower(); });
}

// The faults of a window's texts in language: empty ones, ones in the other language, and an
// accelerator key given to two of them.
QStringList Faults(const QStringList& texts, Language language) {
    static const QRegularExpression kAccelerator(QStringLiteral("&([^&])"));
    QStringList faults;
    QSet<QChar> keys;
    for (const QString& text : texts) {
        const QRegularExpressionMatch accelerator = kAccelerator.match(text);
        if (accelerator.hasMatch()) {
            const QChar key = accelerator.captured(1).at(0).toUpper();
            if (keys.contains(key)) {
                faults << QStringLiteral("&") + key + QStringLiteral(" twice");
            }
            keys.insert(key);
        }
        if (text.trimmed().isEmpty()) {
            faults << QStringLiteral("an empty text");
        } else if (language == Language::English && HasChinese(text)) {
            faults << QStringLiteral("not English: ") + text;
        } else if (language == Language::Chinese && !HasChinese(text) && !NamesOnly(text)) {
            faults << QStringLiteral("not Chinese: ") + text;
        }
    }
    return faults;
}

bool OwnWidget(const QWidget& widget) {
    // Qt's own parts (title bar buttons, the line edit's clear button) have Qt's texts.
    return !widget.objectName().startsWith(QStringLiteral("qt_"));
}

// Every text a user reads on window: its title, labels, buttons, frame titles, prompts, tool
// tips, table headers and tool bar commands. A frame without a title is no text.
QStringList TextsOf(const QWidget& window) {
    QStringList texts = {window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || !OwnWidget(*widget)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->pixmap().isNull()) {
                texts << label->text();
            }
        } else if (qobject_cast<const QPushButton*>(widget) ||
                   qobject_cast<const QRadioButton*>(widget) ||
                   qobject_cast<const QCheckBox*>(widget)) {
            texts << qobject_cast<const QAbstractButton*>(widget)->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            if (!box->title().isEmpty()) {
                texts << box->title();
            }
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            if (!edit->placeholderText().isEmpty()) {
                texts << edit->placeholderText();
            }
        } else if (const auto* table = qobject_cast<const QTableWidget*>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column) {
                texts << table->horizontalHeaderItem(column)->text();
            }
        }
        if (!widget->toolTip().isEmpty() && !qobject_cast<const QToolBar*>(widget)) {
            texts << widget->toolTip();
        }
    }
    for (const QToolBar* bar : window.findChildren<QToolBar*>()) {
        for (const QAction* action : bar->actions()) {
            if (!action->isSeparator()) {
                texts << action->text() << action->toolTip();
            }
        }
    }
    texts.removeDuplicates();
    return texts;
}

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    QStringList original;  // every text as the program always had it
};

QList<DialogCase> DialogCases() {
    static NoTarget target;
    static ReplaceButtons buttons;
    return {
        {"Go to line",
         [] { return std::make_unique<CGotoLineDlg>(); },
         {"Go to line", "go", "line", "&OK", "&Cancel"}},
        {"Insert Line",
         [] { return std::make_unique<CInsertLineDlg>(); },
         {"Insert Line", "insert", "line", "&OK", "&Cancel"}},
        {"Select multiple lines",
         [] { return std::make_unique<CSelMulRowDlg>(); },
         {"Select multiple lines", "start line:", "end line:", "OK", "CANCLE"}},
        {"Ladder diagram information",
         [] { return std::make_unique<CLadInfoDlg>(); },
         {"Ladder diagram information", "ladder version number:", "suitable machine tool:",
          "last modifie person:", "OK", "Cancel"}},
        {"Modify note",
         [] {
             auto dialog = std::make_unique<CNoteDlg>();
             dialog->SetAddress(QStringLiteral("X000.0"));  // the caption is the address
             return dialog;
         },
         {"Modify note", "X000.0", "OK", "CANCEL"}},
        {"item set", [] { return std::make_unique<CItemSetDlg>(); }, {"item set", "OK", "CANCLE"}},
        {"function instruction",
         [] { return std::make_unique<CFuncDlg>(); },
         {"Dialog",
          "On the left  side of the list box or directly on the right side of the edit box "
          "input function instruction",
          "OK", "Cancel"}},
        {"Find",
         [] { return std::make_unique<CFindDlg>(target); },
         {"Find dialog", "search target:", "find", "up(&U)", "down(&D)", "Find(&F)", "Cancel"}},
        {"Replace",
         [] { return std::make_unique<CReplaceDlg>(buttons, target); },
         {"Replace", "find content:", "Replace:", "FIND NEXT(&F)", "REPLACE(&R)", "ALL REPLACE(&A)",
          "CANCEL(&C)"}},
    };
}

// The docks of the frame with their texts in Original.
struct DockCase {
    const char* name;
    std::function<QDockWidget*(CMainFrame&)> dock;
    QString toggle;  // the menu item that shows it
    QStringList original;
};

QList<DockCase> DockCases() {
    return {
        {"Signals",
         [](CMainFrame& f) { return f.SignalsWindow(); },
         "Signals(&G)",
         {"Signals", "X000.0, R100, DT0001 ...", "Add", "Remove", "Address", "Value", "Forced",
          "Note",
          "Address to watch: a bit (X000.0), a byte (R100) or a word (D010, T001, C002, DT0001, "
          "DC0002)",
          "Timers and counters", "Box", "Line", "Current", "Preset"}},
        {"Timing Diagram",
         [](CMainFrame& f) { return f.TimingWindow(); },
         "Timing Diagram(&D)",
         {"Timing Diagram", "Zoom In (+)", "Zoom in (+, Ctrl+wheel)", "Zoom Out (-)",
          "Zoom out (-, Ctrl+wheel)", "Fit All", "The whole run across the window (0)", "Follow",
          "Keep the end of the run in view; scrolling back pauses it (End resumes)",
          "Export Image...", "The diagram as shown, as a PNG or SVG picture",
          "Monitor mode's watched signals: click to read the values at a time"}},
        {"Cross Reference",
         [](CMainFrame& f) { return f.XrefWindow(); },
         QString(),
         {"Cross Reference", "Address prefix", "Address", "Line", "Column", "Use", "Access", "Note",
          "No findings"}},
        {"Test Results",
         [](CMainFrame& f) { return f.TestResultsWindow(); },
         "Test Results(&O)",
         {"Test Results", "demo.plt on demo.plf: 5 passed, 0 failed", "Run Again", "Result", "Case",
          "Message"}},
    };
}

// The table texts that are the program's own: the marks of the test results.
QStringList ResultMarks(CMainFrame& frame) {
    QStringList marks;
    const QTableWidget& table = *frame.TestResultsWindow()->Table();
    for (int row = 0; row < table.rowCount(); ++row) {
        marks << table.item(row, CTestResultsWindow::kResult)->text()
              << table.item(row, CTestResultsWindow::kMessage)->text();
    }
    marks.removeDuplicates();
    return marks;
}

void Choose(CMainFrame& frame, Language language) {
    frame.SetLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(frame.CurrentLanguage(), language);
}

QAction* Command(const CMainFrame& frame, const QString& text) {
    QAction* action = test::FindAction(frame, text);
    if (!action) {
        qWarning("no command %s", qPrintable(text));
    }
    return action;
}

}  // namespace

class TestLanguageWindows : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }
    // A test stopped half way leaves no language behind for the next.
    void cleanup() { UiLanguage().Apply(Language::Original); }

    void dialogsTakeTheLanguageChosen_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("Original") << Language::Original;
        QTest::newRow("中文") << Language::Chinese;
        QTest::newRow("English") << Language::English;
    }

    void dialogsTakeTheLanguageChosen() {
        QFETCH(Language, language);
        CMainFrame frame;
        Prepare(frame);
        Choose(frame, language);
        for (const DialogCase& dialogCase : DialogCases()) {
            const std::unique_ptr<QDialog> dialog = dialogCase.make();
            const QStringList texts = TextsOf(*dialog);
            if (language == Language::Original) {
                QCOMPARE(Sorted(texts), Sorted(dialogCase.original));
            }
            const QStringList faults = Faults(texts, language);
            QVERIFY2(faults.isEmpty(), qPrintable(QString::fromLatin1(dialogCase.name) + ": " +
                                                  faults.join(QStringLiteral("; "))));
        }
        Choose(frame, Language::Original);
    }

    // The view's right-click menu names its own items in the language chosen; the commands it
    // shares with the menu bar are the frame's.
    void contextMenuItemsTakeTheLanguageChosen_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Original") << Language::Original
                                  << QStringList{"修改注释(&M)", "Show Cross Reference",
                                                 "基本指令(&B)", "功能指令(&F)"};
        QTest::newRow("中文") << Language::Chinese
                              << QStringList{"修改注释(&M)", "显示交叉引用", "基本指令(&B)",
                                             "功能指令(&F)"};
        QTest::newRow("English") << Language::English
                                 << QStringList{"Modify Note(&M)", "Show Cross Reference",
                                                "Basic Instructions(&B)",
                                                "Function Instructions(&F)"};
    }

    void contextMenuItemsTakeTheLanguageChosen() {
        QFETCH(Language, language);
        QFETCH(QStringList, items);
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        Choose(frame, language);
        CRungpadView* view = frame.ActiveChild()->View();
        view->Edit([](CLadEditor& e) { e.Select({0, 0}, {0, 0}); });  // the contact X000.0
        QMenu menu;
        view->BuildContextMenu(menu);
        QStringList texts;
        for (const QAction* action : menu.actions()) {
            texts << action->text();
        }
        for (const QString& item : items) {
            QVERIFY2(texts.contains(item), qPrintable(item));
        }
    }

    // The recovery question is Qt's message box with texts of the program's.
    void recoveryQuestionTakesTheLanguageChosen() {
        CMainFrame frame;
        Prepare(frame);
        for (const Language language : UiLanguage::kChoices) {
            Choose(frame, language);
            QStringList texts;
            test::WhenModalShows([&texts](QWidget& modal) {
                auto& box = static_cast<QMessageBox&>(modal);
                texts = TextsOf(box);
                texts << box.text() << box.informativeText();  // Qt's labels show them
                box.reject();
            });
            QtRecoveryPrompt(&frame).Ask(QStringLiteral("demo.plf"), QDateTime::currentDateTime());
            QCOMPARE(texts.size(), 6);  // the title, two texts, three buttons
            const QStringList faults = Faults(texts, language);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
            QCOMPARE(texts.contains(QStringLiteral("&Recover")), language != Language::Chinese);
        }
        Choose(frame, Language::Original);
    }

    // The docks stay open through every change of language and follow each one; their menu
    // items keep the names the Simulation menu gives them. Back in Original, every text is
    // what it always was.
    void openDocksFollowEveryChange() {
        CMainFrame frame;
        test::PathHost host;
        host.answers = {kDemoTests.toStdString()};
        Prepare(frame);
        frame.SetDocumentHost(&host);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        Command(frame, QStringLiteral("Run Tests(&E)..."))->trigger();
        const QStringList originalMarks = ResultMarks(frame);
        QCOMPARE(originalMarks.first(), QStringLiteral("PASS"));
        for (const DockCase& dockCase : DockCases()) {
            dockCase.dock(frame)->show();
        }
        for (const Language language :
             {Language::Chinese, Language::English, Language::Chinese, Language::Original}) {
            Choose(frame, language);
            for (const DockCase& dockCase : DockCases()) {
                const QDockWidget& dock = *dockCase.dock(frame);
                QVERIFY(dock.isVisible());
                const QStringList texts = TextsOf(dock);
                const QStringList faults = Faults(texts, language);
                QVERIFY2(faults.isEmpty(), qPrintable(QString::fromLatin1(dockCase.name) + ": " +
                                                      faults.join(QStringLiteral("; "))));
                const QString toggle = dock.toggleViewAction()->text();
                if (!dockCase.toggle.isEmpty()) {
                    QVERIFY2(toggle.contains(QLatin1Char('&')), qPrintable(toggle));
                }
                if (language == Language::Original) {
                    QCOMPARE(Sorted(texts), Sorted(dockCase.original));
                    QCOMPARE(toggle,
                             dockCase.toggle.isEmpty() ? dock.windowTitle() : dockCase.toggle);
                }
            }
            const QStringList marks = ResultMarks(frame);
            QVERIFY(Faults(marks.mid(0, 1), language).isEmpty());
            if (language == Language::Original) {
                QCOMPARE(marks, originalMarks);
            }
        }
    }

    // The view keeps its Find dialog between uses; Start and Stop Simulation and the status
    // bar's note follow monitor mode in the language of the moment.
    void keptDialogAndSimulationTextsFollow() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        NoTarget target;
        CFindDlg find(target);
        QAction* start = Command(frame, QStringLiteral("Start Simulation(&S)"));
        QVERIFY(start);
        const QLabel* idle = nullptr;  // the status bar's note
        for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>()) {
            if (label->text() == QStringLiteral("be ready")) {
                idle = label;
            }
        }
        QVERIFY(idle);
        Choose(frame, Language::Chinese);
        QVERIFY(Faults(TextsOf(find), Language::Chinese).isEmpty());
        QCOMPARE(start->text(), QStringLiteral("开始仿真(&S)"));
        QCOMPARE(idle->text(), QStringLiteral("就绪"));
        start->trigger();
        QVERIFY(start->isChecked());
        QCOMPARE(start->text(), QStringLiteral("停止仿真(&S)"));
        QVERIFY(idle->text().startsWith(QStringLiteral("仿真中")));
        Choose(frame, Language::English);
        QVERIFY(Faults(TextsOf(find), Language::English).isEmpty());
        QCOMPARE(start->text(), QStringLiteral("Stop Simulation(&S)"));
        QVERIFY(idle->text().startsWith(QStringLiteral("Simulating: the program is read-only")));
        start->trigger();
        Choose(frame, Language::Original);
        QCOMPARE(start->text(), QStringLiteral("Start Simulation(&S)"));
        QCOMPARE(idle->text(), QStringLiteral("be ready"));
        QCOMPARE(find.windowTitle(), QStringLiteral("Find dialog"));
    }
};

QTEST_MAIN(TestLanguageWindows)
#include "tst_LanguageWindows.moc"
