// The command table: every command declared once with a unique id and unique keys, the program's
// prompt strings, the menus, toolbars and keys of the editor in their order, and the texts put
// on again in another language.

#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTranslator>
#include <vector>

#include "GuiTestSupport.h"
#include "edit/EditCommands.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CommandTable.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/MenuLayout.h"

using namespace rungpad;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

struct Item {
    const char* text;
    int id;
    const char* keys;  // portable text; empty: none
};

struct SpecifiedMenu {
    const char* title;
    std::vector<Item> items;
};

// The menu bar with a document open: the items each menu must hold, in this order (the
// program's own additions may stand between them).
const std::vector<SpecifiedMenu>& SpecifiedMenus() {
    static const std::vector<SpecifiedMenu> menus = {
        {"File(&F)",
         {{"New(&N)", 57600, "Ctrl+N"},
          {"Open(&O)...", 57601, "Ctrl+O"},
          {"Close(&C)", 57602, ""},
          {"Save(&S)", 57603, "Ctrl+S"},
          {"Save As(&A)...", 57604, ""},
          {"Export Note(&E)...", 32825, ""},
          {"Import Note(&I)...", 32826, ""},
          {"Ladder Generated File(&L)...", 32822, ""},
          {"Generate Binary File(&B)...", 32821, ""},
          {"Edit Ladder Diagram Information(&M)", 32828, ""},
          {"Generate The Old Ladder Diagram File(&D)", 61452, ""},
          {"Generate Instruction List(&T)", 32830, "Ctrl+M"},
          {"Print(&P)...", 57607, "Ctrl+P"},
          {"Print Preview(&V)", 57609, ""},
          {"Print Setup(&R)...", 57606, ""},
          {"Exit(&X)", 57665, ""}}},
        {"Edit(&E)",
         {{"Undo(&U)", 57643, "Ctrl+Z"},
          {"Multiple Line Selection(&S)", 32831, "Ctrl+B"},
          {"Cut(&T)", 57635, "Ctrl+X"},
          {"Copy(&C)", 57634, "Ctrl+C"},
          {"Paste(&P)", 57637, "Ctrl+V"},
          {"Modify Note(&M)", 32823, "Ctrl+T"},
          {"Insert Line(&I)", 32780, "Ins"},
          {"Delete Line(&D)", 32781, "Ctrl+Del"},
          {"Go Line(&G)", 32832, "Ctrl+I"},
          {"Find(&F)", 32782, "Ctrl+F"},
          {"Replace(&R)", 32827, "Ctrl+H"},
          {"Convert(&V)", 32789, "F7"}}},
        {"View(&V)",
         {{"Toolbar(&T)", 59392, ""},
          {"Status Bar(&S)", 59393, ""},
          {"Output window(&O)", 32787, ""},
          {"Instruction Window(&I)", 32791, ""}}},
        {"Window(&W)",
         {{"New Window(&N)", 57648, ""},
          {"Cascade(&C)", 57650, ""},
          {"Tile(&T)", 57651, ""},
          {"Array Icon(&A)", 57649, ""}}},
        {"Help(&H)", {{"About Rungpad(&A)...", 57664, ""}}},
    };
    return menus;
}

QMenu* MenuTitled(const QMainWindow& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

QList<QAction*> ButtonsOf(const QToolBar* toolbar) {
    QList<QAction*> buttons;
    for (QAction* action : toolbar->actions()) {
        if (!action->isSeparator()) {
            buttons << action;
        }
    }
    return buttons;
}

int HandlersOf(const CommandTable::Command& command) {
    const CommandTable::Handler& run = command.handler;
    return (run.frame ? 1 : 0) + (run.checked ? 1 : 0) + (run.toggled ? 1 : 0) +
           (run.document ? 1 : 0) + (run.view ? 1 : 0) + (run.editor ? 1 : 0) +
           (run.editorById ? 1 : 0);
}

// Every command's and menu's visible texts, to compare before and after a change of language.
QStringList AllTexts(const CMainFrame& frame) {
    QStringList texts;
    for (const CommandTable::Command& command : CommandTable::Commands()) {
        const QAction* action = frame.Command(command.id);
        texts << action->text() << action->statusTip() << action->toolTip();
    }
    for (const QAction* action : frame.menuBar()->actions()) {
        texts << action->text();
    }
    return texts;
}

// Marks every text of the command context, so a test sees which texts went through it.
class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (QByteArray(context) != CommandTable::kContext) {
            return {};
        }
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
};

}  // namespace

class TestCommandTable : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_settings;

  private slots:
    void initTestCase() {
        QVERIFY(m_settings.isValid());
        qputenv("XDG_CONFIG_HOME", m_settings.path().toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("RungpadTests"));
    }

    // One entry per id, no key on two commands, exactly one handler (none for a window's
    // toggle), and a text for every command.
    void idsKeysAndHandlersAreUnique() {
        QSet<int> ids;
        QSet<QKeyCombination> keys;
        for (const CommandTable::Command& command : CommandTable::Commands()) {
            QVERIFY2(!ids.contains(command.id), qPrintable(QString::number(command.id)));
            ids << command.id;
            for (const QKeyCombination key : command.keys) {
                if (key.key() != Qt::Key_unknown) {
                    QVERIFY2(!keys.contains(key), qPrintable(QKeySequence(key).toString()));
                    keys << key;
                }
            }
            const bool toggle = command.Has(CommandTable::kWindowToggle);
            QCOMPARE(HandlersOf(command), toggle ? 0 : 1);
            QVERIFY(command.text != nullptr || command.Has(CommandTable::kFunctionName));
            QCOMPARE(CommandTable::Find(command.id), &command);
        }
        // The fixed commands and the 36 function instructions.
        QCOMPARE(static_cast<std::size_t>(ids.size()), CommandTable::Commands().size());
        QVERIFY(ids.size() > 36 + 60);
        QCOMPARE(CommandTable::Find(0), nullptr);
    }

    // Every command is somewhere: a menu, a toolbar, the function drop-down or the frame's keys;
    // every place names a command of the table.
    void everyCommandHasAPlace() {
        QSet<int> placed;
        for (const MenuLayout::Menu& menu : MenuLayout::MenuBar()) {
            for (const MenuLayout::Item& item : menu.items) {
                if (item.slot == MenuLayout::Slot::kCommand) {
                    QVERIFY(CommandTable::Find(item.id) != nullptr);
                    placed << item.id;
                }
            }
        }
        for (const std::span<const int> list :
             {MenuLayout::StandardToolBar(), MenuLayout::ElementToolBar(),
              MenuLayout::SimulationToolBar(), MenuLayout::FrameKeys()}) {
            for (const int id : list) {
                QVERIFY(id == 0 || CommandTable::Find(id) != nullptr);
                placed << id;
            }
        }
        for (const EditCommands::FunctionCommand& function : EditCommands::kFunctionMenu) {
            placed << function.id;
        }
        for (const CommandTable::Command& command : CommandTable::Commands()) {
            QVERIFY2(placed.contains(command.id), qPrintable(QString::number(command.id)));
        }
    }

    // The program's own prompt strings (two mended: "Insert Linen" and "Modify note(" were cut
    // short), and a prompt for every toolbar button, whose tool tip it gives.
    void promptsArePresent() {
        const std::vector<std::pair<int, const char*>> prompts = {
            {32771, "Normally open contact(Ctrl+Q)\n"},
            {32772, "Output coil(Ctrl+E)\n"},
            {32773, "Normally closed contact(Ctrl+W)\n(Ctrl+W)"},
            {32774, "Horizontal conductive line(Ctrl+G)\n"},
            {32775, "Negated output coil(Ctrl+R)\n"},
            {32776, "Vertical conductive line(Ctrl+D)\n"},
            {32777, "Delete nodes(Del)\n"},
            {32778, "Remove vertical conductive line(Ctrl+Shift+D)\n"},
            {32779, "function command(Ctrl+A)\n function command(Ctrl+A)"},
            {32780, "Insert Line\n"},
            {32781, "Delete Line\n"},
            {32782, "Find(Ctrl+F)\n"},
            {32789, "Convert Ladder diagram(F7)\n"},
            {32821, "Generate binary file\n"},
            {32822, "Save as command file\n"},
            {32823, "Modify note\n"},
            {32825, "Export  Note\n"},
            {32826, "Import Note\n"},
            {32827, "Replace"},
            {32828, "Generate ladder diagram file \n"},
            {32830, "Generate Instruction List \n"},
            {61452, "Generate the old ladder diagram file\n"},
        };
        for (const auto& [id, prompt] : prompts) {
            const CommandTable::Command* command = CommandTable::Find(id);
            QVERIFY(command && command->prompt);
            QCOMPARE(QString::fromUtf8(command->prompt), QString::fromUtf8(prompt));
        }
        for (const std::span<const int> list :
             {MenuLayout::StandardToolBar(), MenuLayout::ElementToolBar(),
              MenuLayout::SimulationToolBar()}) {
            for (const int id : list) {
                QVERIFY2(id == 0 || CommandTable::Find(id)->prompt != nullptr,
                         qPrintable(QString::number(id)));
            }
        }
    }

    // The built menu bar holds the specified items in their order, each the command's own action
    // with its text and first key.
    void menusHoldTheSpecifiedItemsInOrder() {
        CMainFrame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(frame.OpenDocumentFile(kDemo));
        QStringList titles;
        for (const QAction* action : frame.menuBar()->actions()) {
            titles << action->text();
        }
        QCOMPARE(titles, (QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Simulation(&S)",
                                      "Window(&W)", "Help(&H)"}));
        for (const SpecifiedMenu& specified : SpecifiedMenus()) {
            QMenu* menu = MenuTitled(frame, QString::fromUtf8(specified.title));
            QVERIFY2(menu, specified.title);
            const QList<QAction*> actions = menu->actions();
            qsizetype at = 0;
            for (const Item& item : specified.items) {
                QAction* action = frame.Command(item.id);
                QVERIFY2(action, item.text);
                const qsizetype found = actions.indexOf(action, at);
                QVERIFY2(found >= at, item.text);  // present, after the item before it
                at = found + 1;
                QCOMPARE(action->text(), QString::fromUtf8(item.text));
                QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(item.keys)));
                QVERIFY(action->isVisible());
            }
        }
        frame.ActiveChild()->CloseWithoutAsking();
    }

    // The toolbars' buttons in their order (Redo beside Undo is the program's own), and every
    // key of the accelerator table on its command.
    void toolbarsAndKeys() {
        CMainFrame frame;
        QHash<const QAction*, int> idOf;
        for (const CommandTable::Command& command : CommandTable::Commands()) {
            idOf.insert(frame.Command(command.id), command.id);
        }
        const auto idsOf = [&frame, &idOf](const QString& name) {
            QList<int> ids;
            for (const QAction* button : ButtonsOf(frame.findChild<QToolBar*>(name))) {
                ids << idOf.value(button, -1);
            }
            return ids;
        };
        QCOMPARE(idsOf(QStringLiteral("StandardToolBar")),
                 (QList<int>{57600, 57601, 57603, 57635, 57634, 57637, 57643, 57644, 32789, 32782,
                             57607, 57664}));
        QCOMPARE(idsOf(QStringLiteral("ElementToolBar")),
                 (QList<int>{32771, 32773, 32774, 32776, 32777, 32778, 32772, 32775, 32779}));
        const std::vector<std::pair<const char*, int>> keys = {
            {"Ctrl+A", 32779},       {"Ctrl+B", 32831}, {"Ctrl+C", 57634},
            {"Ctrl+Ins", 57634},     {"Ctrl+D", 32776}, {"Ctrl+Shift+D", 32778},
            {"Ctrl+E", 32772},       {"Ctrl+F", 32782}, {"Ctrl+G", 32774},
            {"Ctrl+Shift+G", 32777}, {"Ctrl+H", 32827}, {"Ctrl+I", 32832},
            {"Ctrl+M", 32830},       {"Ctrl+N", 57600}, {"Ctrl+O", 57601},
            {"Ctrl+P", 57607},       {"Ctrl+Q", 32771}, {"Ctrl+R", 32775},
            {"Ctrl+S", 57603},       {"Ctrl+T", 32823}, {"Ctrl+V", 57637},
            {"Shift+Ins", 57637},    {"Ctrl+W", 32773}, {"Ctrl+X", 57635},
            {"Shift+Del", 57635},    {"Ctrl+Z", 57643}, {"Alt+Backspace", 57643},
            {"Ctrl+Del", 32781},     {"Ins", 32780},    {"F6", 57680},
            {"Shift+F6", 57681},     {"F7", 32789},
        };
        for (const auto& [key, id] : keys) {
            QAction* action = frame.Command(id);
            QVERIFY2(action, key);
            QVERIFY2(action->shortcuts().contains(QKeySequence(QString::fromLatin1(key))), key);
        }
    }

    // The texts go through the "Command" context: with a translator installed every command,
    // prompt and menu title takes the translation, and the commands that change their text
    // keep doing so; without one they are the source texts again.
    void textsAreTranslatedAgain() {
        CMainFrame frame;
        const QStringList before = AllTexts(frame);
        frame.RetranslateCommands();
        QCOMPARE(AllTexts(frame), before);

        MarkingTranslator marking;
        QVERIFY(QCoreApplication::installTranslator(&marking));
        frame.RetranslateCommands();
        QCOMPARE(frame.Command(57600)->text(), QStringLiteral("<New(&N)>"));
        QCOMPARE(frame.Command(57600)->statusTip(),
                 QStringLiteral("<Create a new document(Ctrl+N)"));
        QCOMPARE(frame.Command(57606)->text(), QStringLiteral("<Print(&R)...>"));  // no document
        QCOMPARE(frame.Command(32783)->text(), QStringLiteral("CTR"));  // a name, as it is
        QCOMPARE(frame.menuBar()->actions().first()->text(), QStringLiteral("<File(&F)>"));
        QVERIFY(frame.OpenDocumentFile(kDemo));
        QCOMPARE(frame.Command(57606)->text(), QStringLiteral("<Print Setup(&R)...>"));
        frame.OnStartStopSimulation();
        QCOMPARE(frame.Command(33101)->text(), QStringLiteral("<Stop Simulation(&S)>"));
        frame.OnStartStopSimulation();
        QCOMPARE(frame.Command(33101)->text(), QStringLiteral("<Start Simulation(&S)>"));
        frame.ActiveChild()->CloseWithoutAsking();
        QTRY_VERIFY(frame.Children().isEmpty());

        QVERIFY(QCoreApplication::removeTranslator(&marking));
        frame.RetranslateCommands();
        QCOMPARE(AllTexts(frame), before);
    }
};

QTEST_MAIN(TestCommandTable)
#include "tst_CommandTable.moc"
