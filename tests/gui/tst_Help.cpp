// Help > Keyboard Shortcuts (made from the registered commands) and Help > User Guide (the README
// and docs/*.md beside the program or in the source tree).

#include <QAction>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "MainFrameTest.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/ShortcutTable.h"
#include "shell/frame/ShortcutsDialog.h"
#include "shell/frame/UserGuide.h"

using namespace rungpad;
using rungpad::test::MainFrameTest;
using rungpad::test::WhenModalShows;

class TestHelp : public MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }

    void plainTextDropsMnemonics_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("bracketed") << "Zoom In(&Z)"
                                   << "Zoom In";
        QTest::newRow("inline") << "&Open..."
                                << "Open...";
        QTest::newRow("none") << "Cross Reference"
                              << "Cross Reference";
        QTest::newRow("chinese") << "查找(&F)..."
                                 << "查找...";
    }
    void plainTextDropsMnemonics() {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(ShortcutTable::PlainText(text), plain);
    }

    // Every command with keys is listed once, with the keys it really has, in menu order; the
    // dialog shows the same rows.
    void shortcutsComeFromTheCommands() {
        CMainFrame frame;
        Prepare(frame);
        const QList<ShortcutTable::Row> rows = frame.ShortcutRows();
        QStringList commands;
        for (const ShortcutTable::Row& row : rows) {
            QVERIFY2(!row.keys.isEmpty(), qPrintable(row.command));
            commands << row.menu + QLatin1Char('/') + row.command;
        }
        QCOMPARE(QSet<QString>(commands.begin(), commands.end()).size(), commands.size());
        const auto rowOf = [&rows](const QString& command) {
            for (const ShortcutTable::Row& row : rows) {
                if (row.command == command) {
                    return row;
                }
            }
            return ShortcutTable::Row{};
        };
        QCOMPARE(rowOf(QStringLiteral("Zoom In")).menu, QStringLiteral("View"));
        QCOMPARE(rowOf(QStringLiteral("Zoom In")).keys,
                 frame.Command(33110)->shortcut().toString(QKeySequence::NativeText) +
                     QStringLiteral(", ") +
                     frame.Command(33110)->shortcuts().at(1).toString(QKeySequence::NativeText));
        QCOMPARE(rowOf(QStringLiteral("User Guide")).keys, QStringLiteral("F1"));
        QVERIFY(!rowOf(QStringLiteral("User Guide")).prompt.isEmpty());
        // A command's keys changed are the table's keys: nothing is written down twice.
        frame.Command(33112)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));
        QCOMPARE(frame.ShortcutRows().size(), rows.size());
        bool found = false;
        for (const ShortcutTable::Row& row : frame.ShortcutRows()) {
            found =
                found ||
                (row.command == QStringLiteral("Actual Size") &&
                 row.keys == QKeySequence(Qt::CTRL | Qt::Key_9).toString(QKeySequence::NativeText));
        }
        QVERIFY(found);
        // The menus come in their order: File's commands before View's.
        QVERIFY(commands.indexOf(QRegularExpression(QStringLiteral("^File/.*"))) <
                commands.indexOf(QRegularExpression(QStringLiteral("^View/.*"))));

        int shown = -1;
        WhenModalShows([&shown](QWidget& modal) {
            auto* dialog = qobject_cast<CShortcutsDialog*>(&modal);
            shown = dialog ? dialog->Table()->rowCount() : -2;
            modal.close();
        });
        frame.Command(33121)->trigger();
        QCOMPARE(shown, static_cast<int>(frame.ShortcutRows().size()));
    }

    // The guide opens on the README, lists docs/*.md by their headings and shows a page chosen.
    void userGuideShowsTheBundledDocs() {
        const QString folder = CUserGuide::Folder();
        QVERIFY(!folder.isEmpty());
        const QStringList pages = CUserGuide::Pages(folder);
        QCOMPARE(pages.first(), QStringLiteral("README.md"));
        QVERIFY(pages.contains(QStringLiteral("docs/simulation.md")));

        CMainFrame frame;
        Prepare(frame);
        frame.Command(33120)->trigger();
        CUserGuide* guide = frame.UserGuide();
        QVERIFY(guide != nullptr);
        QVERIFY(guide->isVisible());
        QVERIFY(guide->Browser()->toPlainText().contains(QStringLiteral("Rungpad")));
        QCOMPARE(guide->Contents()->count(), pages.size());
        const int row = static_cast<int>(pages.indexOf(QStringLiteral("docs/simulation.md")));
        guide->Contents()->setCurrentRow(row);
        QVERIFY(guide->Browser()->source().toLocalFile().endsWith(
            QStringLiteral("docs/simulation.md")));
        QVERIFY(guide->Browser()->toPlainText().contains(guide->Contents()->item(row)->text()));
        // Asked again, the same window comes to the front.
        frame.Command(33120)->trigger();
        QCOMPARE(frame.UserGuide(), guide);
    }
};

QTEST_MAIN(TestHelp)
#include "tst_Help.moc"
