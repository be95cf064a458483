// The language of the main window: Original reproduces the texts the program always had, 中文
// and English put every command, prompt and status text into one language at once, and the
// choice is kept for the next start.

#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "MainFrameTest.h"
#include "MenuTexts.h"

#include "model/Messages.h"
#include "shell/frame/FileFilter.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/QtDocumentHost.h"
#include "shell/frame/QtReloadPrompt.h"
#include "shell/frame/ShortcutsDialog.h"
#include "shell/frame/UserGuide.h"

using namespace rungpad;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");
const QString kSnapshot = QStringLiteral(RUNGPAD_FIXTURES "/gui/menu_texts_original.txt");
const QString kLanguageTitle = QStringLiteral("Language(&L)");

// The Language submenu is new: the snapshot is of the commands the program had before it.
QStringList WithoutLanguageMenu(const QStringList& lines) {
    QStringList kept;
    for (const QString& line : lines) {
        if (line.contains(kLanguageTitle)) {
            if (!kept.isEmpty() && kept.last().endsWith(QStringLiteral(" | -"))) {
                kept.removeLast();  // its separator
            }
            continue;
        }
        kept << line;
    }
    return kept;
}

// The texts without a document, then with the demo open, in one list.
QStringList Snapshot(CMainFrame& frame) {
    QStringList lines = {QStringLiteral("# no document")};
    lines << WithoutLanguageMenu(test::FrameActionLines(frame));
    frame.OpenDocumentFile(kDemo);
    lines << QStringLiteral("# demo.plf open");
    lines << WithoutLanguageMenu(test::FrameActionLines(frame));
    return lines;
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Writes the lines where RUNGPAD_SNAPSHOT_OUT says, to look at or to take as the new fixture.
void WriteIfAsked(const QStringList& lines) {
    const QString out = qEnvironmentVariable("RUNGPAD_SNAPSHOT_OUT");
    QFile file(out);
    if (!out.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
}

void CompareWithSnapshot(CMainFrame& frame) {
    const QStringList lines = Snapshot(frame);
    WriteIfAsked(lines);
    const QStringList expected = ReadLines(kSnapshot);
    QVERIFY(!expected.isEmpty());
    for (qsizetype i = 0; i < std::min(lines.size(), expected.size()); ++i) {
        QCOMPARE(lines.at(i), expected.at(i));
    }
    QCOMPARE(lines.size(), expected.size());
}

bool HasCjk(const QString& text) {
    static const QRegularExpression kCjk(
        QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{4dbf}\\x{4e00}-\\x{9fff}"
                       "\\x{ff00}-\\x{ffef}]"));
    return kCjk.match(text).hasMatch();
}

// A Chinese text may lack Chinese characters only when made of names kept as they are:
// instruction names and addresses (capitals, digits), key names and file types.
bool KeptAsIs(const QString& text) {
    static const QSet<QString> kKeptWords = {QStringLiteral("Ctrl"), QStringLiteral("Shift"),
                                             QStringLiteral("Alt"),  QStringLiteral("Del"),
                                             QStringLiteral("Ins"),  QStringLiteral("Rungpad")};
    static const QRegularExpression kWord(QStringLiteral("[A-Za-z]+"));
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    for (auto it = kWord.globalMatch(plain); it.hasNext();) {
        const QString word = it.next().captured();
        if (word != word.toUpper() && !kKeptWords.contains(word)) {
            return false;
        }
    }
    return true;
}

// The fault of one text in language, or an empty string.
QString LanguageFault(Language language, const QString& text) {
    if (text.trimmed().isEmpty()) {
        return QStringLiteral("empty");
    }
    if (language == Language::English && HasCjk(text)) {
        return QStringLiteral("not English: ") + text;
    }
    if (language == Language::Chinese && !HasCjk(text) && !KeptAsIs(text)) {
        return QStringLiteral("not Chinese: ") + text;
    }
    return {};
}

QChar Accelerator(const QString& text) {
    static const QRegularExpression kAccelerator(QStringLiteral("&([^&])"));
    const QRegularExpressionMatch match = kAccelerator.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toUpper() : QChar();
}

// Every fault of the frame's commands in language: empty or other-language texts, accelerators
// used twice in one menu.
QStringList Faults(const QMainWindow& frame, Language language) {
    QStringList faults;
    QHash<const QWidget*, QHash<QChar, QString>> accelerators;
    for (const test::ActionText& entry : test::FrameActions(frame)) {
        const QAction* action = entry.action;
        if (action->isSeparator() ||
            action->parent() == frame.findChild<QMenu*>(QStringLiteral("LanguageMenu"))) {
            continue;  // each language's name is in its own words
        }
        for (const QString& text : {action->text(), action->toolTip(), action->statusTip()}) {
            const QString fault = text.isEmpty() && text != action->text()
                                      ? QString()  // a command may lack a status tip
                                      : LanguageFault(language, text);
            if (!fault.isEmpty()) {
                faults << entry.where + QStringLiteral(": ") + fault;
            }
        }
        const QChar key = Accelerator(action->text());
        if (!key.isNull() && entry.InMenu()) {
            QString& holder = accelerators[entry.container][key];
            if (!holder.isEmpty() && holder != action->text()) {
                faults << entry.where + QStringLiteral(": &") + key + QStringLiteral(" of ") +
                              action->text() + QStringLiteral(" and ") + holder;
            }
            holder = action->text();
        }
    }
    return faults;
}

// The frame's texts beside its commands: title, docked windows (those made on first use made
// here) and toolbars, status bar panes.
QStringList FrameTexts(CMainFrame& frame) {
    frame.SignalsWindow();
    frame.TimingWindow();
    frame.TestResultsWindow();
    frame.XrefWindow();
    QStringList texts = {frame.windowTitle()};
    for (const QDockWidget* dock : frame.findChildren<QDockWidget*>()) {
        texts << dock->windowTitle();
    }
    for (const QToolBar* bar : frame.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
        texts << bar->windowTitle();
    }
    for (const QLabel* pane : frame.statusBar()->findChildren<QLabel*>()) {
        if (!pane->text().isEmpty()) {
            texts << pane->text();
        }
    }
    return texts;
}

QStringList TextFaults(const QStringList& texts, Language language) {
    QStringList faults;
    for (const QString& text : texts) {
        const QString fault = LanguageFault(language, text);
        if (!fault.isEmpty()) {
            faults << fault;
        }
    }
    return faults;
}

QAction* LanguageAction(const CMainFrame& frame, Language choice) {
    const auto* menu = frame.findChild<QMenu*>(QStringLiteral("LanguageMenu"));
    return menu ? test::FindAction(*menu, UiLanguage::MenuText(choice)) : nullptr;
}

void ChooseLanguage(CMainFrame& frame, Language choice) {
    QAction* action = LanguageAction(frame, choice);
    QVERIFY(action);
    action->trigger();
    // Qt posts the change to every window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(frame.CurrentLanguage(), choice);
    QCOMPARE(Messages::CurrentLanguage(), choice);  // the core's messages follow
    QVERIFY(action->isChecked());
}

}  // namespace

class TestLanguage : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }

    void originalReproducesTheSnapshot() {
        CMainFrame frame;
        Prepare(frame);
        QCOMPARE(frame.CurrentLanguage(), Language::Original);  // the default
        CompareWithSnapshot(frame);
    }

    void eachLanguageHasEveryTextInIt_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("中文") << Language::Chinese << QStringLiteral("梯形图编辑器");
        QTest::newRow("English") << Language::English << QStringLiteral("Ladder diagram editor");
    }

    void eachLanguageHasEveryTextInIt() {
        QFETCH(Language, language);
        QFETCH(QString, title);
        CMainFrame frame;
        Prepare(frame);
        ChooseLanguage(frame, language);
        QCOMPARE(frame.windowTitle(), title);
        const QStringList empty = Faults(frame, language);
        QVERIFY2(empty.isEmpty(), qPrintable(empty.join(QLatin1Char('\n'))));
        frame.OpenDocumentFile(kDemo);
        const QStringList open = Faults(frame, language) + TextFaults(FrameTexts(frame), language);
        QVERIFY2(open.isEmpty(), qPrintable(open.join(QLatin1Char('\n'))));

        // The frame's own windows: Keyboard Shortcuts, and the User Guide open while the
        // language changes.
        CShortcutsDialog keys(frame.ShortcutRows(), &frame);
        QStringList texts = {keys.windowTitle()};
        for (int column = 0; column < keys.Table()->columnCount(); ++column) {
            texts << keys.Table()->horizontalHeaderItem(column)->text();
        }
        for (int row = 0; row < keys.Table()->rowCount(); ++row) {
            texts << keys.Table()->item(row, 1)->text();
            if (const QString menu = keys.Table()->item(row, 2)->text(); !menu.isEmpty()) {
                texts << menu;  // none for a command with keys only
            }
        }
        const QStringList keyFaults = TextFaults(texts, language);
        QVERIFY2(keyFaults.isEmpty(), qPrintable(keyFaults.join(QLatin1Char('\n'))));
        ChooseLanguage(frame, Language::Original);
        frame.OnUserGuide();
        QVERIFY(frame.UserGuide());
        QCOMPARE(frame.UserGuide()->windowTitle(), QStringLiteral("User Guide"));
        ChooseLanguage(frame, language);
        QVERIFY(LanguageFault(language, frame.UserGuide()->windowTitle()).isEmpty());
        frame.UserGuide()->close();
        ChooseLanguage(frame, Language::Original);
    }

    void theFramesQuestionsAreInTheLanguage() {
        QFETCH(Language, language);
        CMainFrame frame;
        Prepare(frame);
        ChooseLanguage(frame, language);
        // Each question's texts as it shows, then answered with its escape button.
        QStringList texts;
        const auto record = [&texts] {
            test::WhenModalShows([&texts](QWidget& modal) {
                auto* box = qobject_cast<QMessageBox*>(&modal);
                QVERIFY(box);
                texts << box->windowTitle() << box->text();
                if (!box->informativeText().isEmpty()) {
                    texts << box->informativeText();
                }
                for (const QAbstractButton* button : box->buttons()) {
                    texts << button->text();
                }
                box->reject();
            });
        };
        QtReloadPrompt reload(&frame);
        record();
        reload.AskReload(QStringLiteral("demo.plf"), true);
        QtDocumentHost host(&frame);
        record();
        host.ConfirmOverwriteChanged("/tmp/demo.plf");
        QVERIFY(texts.size() >= 8);
        texts.removeAll(QApplication::applicationName());  // a box titled with the program's name
        const QStringList faults = TextFaults(texts, language);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        ChooseLanguage(frame, Language::Original);
    }

    void theFramesQuestionsAreInTheLanguage_data() { eachLanguageHasEveryTextInIt_data(); }

    void originalComesBackAfterTheOthers() {
        CMainFrame frame;
        Prepare(frame);
        ChooseLanguage(frame, Language::Chinese);
        ChooseLanguage(frame, Language::English);
        ChooseLanguage(frame, Language::Original);
        CompareWithSnapshot(frame);
    }

    void theChoiceIsKeptForTheNextStart() {
        {
            CMainFrame frame;
            Prepare(frame);
            ChooseLanguage(frame, Language::Chinese);
        }
        CMainFrame next;
        Prepare(next);
        QCOMPARE(next.CurrentLanguage(), Language::Chinese);
        QCOMPARE(Messages::CurrentLanguage(), Language::Chinese);
        QVERIFY(LanguageAction(next, Language::Chinese)->isChecked());
        QCOMPARE(next.windowTitle(), QStringLiteral("梯形图编辑器"));
        const QStringList faults = TextFaults(FrameTexts(next), Language::Chinese);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        ChooseLanguage(next, Language::Original);
    }

    void fileDialogCaptionsFollow_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("filter");
        QTest::newRow("Original") << Language::Original
                                  << QStringLiteral(
                                         "PLC梯图文件 (*.grp) (*.plf *.grp);;"
                                         "所有文件(*.*) (*)");
        QTest::newRow("中文") << Language::Chinese
                              << QStringLiteral(
                                     "PLC梯图文件 (*.grp) (*.plf *.grp);;"
                                     "所有文件(*.*) (*)");
        QTest::newRow("English") << Language::English
                                 << QStringLiteral(
                                        "PLC ladder file (*.grp) (*.plf *.grp);;"
                                        "All files (*.*) (*)");
    }

    void fileDialogCaptionsFollow() {
        QFETCH(Language, language);
        QFETCH(QString, filter);
        CMainFrame frame;
        Prepare(frame);
        ChooseLanguage(frame, language);
        QCOMPARE(FileFilter::ToQt("PLC梯图文件 (*.grp)|*.plf;*.grp|所有文件(*.*)|*.*||"), filter);
        ChooseLanguage(frame, Language::Original);
    }

    void qtsOwnDialogsFollow() {
        const QString qtbase =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm");
        if (!QFile::exists(qtbase)) {
            QSKIP("qtbase's Chinese translation is not installed");
        }
        CMainFrame frame;
        Prepare(frame);
        ChooseLanguage(frame, Language::Chinese);
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QVERIFY(HasCjk(buttons.button(QDialogButtonBox::Cancel)->text()));
        ChooseLanguage(frame, Language::Original);
        QDialogButtonBox original(QDialogButtonBox::Cancel);
        QVERIFY(!HasCjk(original.button(QDialogButtonBox::Cancel)->text()));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_Language.moc"
