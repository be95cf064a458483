// The find and replace dialogs: addresses rewritten while typed, what each button asks of the
// view, the messages, and the replace buttons starting again at the top after a miss.

#include <QRadioButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "dialogs/FindDlg.h"
#include "dialogs/ReplaceDlg.h"
#include "dialogs/SearchEdit.h"
#include "edit/ReplaceButtons.h"
#include "edit/SearchTarget.h"

using namespace rungpad;
using rungpad::test::RecordingBox;

namespace {

// A view that answers SearchNext from a script of results and records the calls.
class ScriptedTarget final : public SearchTarget {
  public:
    bool SearchNext(std::string_view find, int direction, std::string_view replace,
                    int mode) override {
        calls.push_back(QStringLiteral("%1|%2|%3|%4")
                            .arg(QString::fromUtf8(find.data(), find.size()))
                            .arg(direction)
                            .arg(QString::fromUtf8(replace.data(), replace.size()))
                            .arg(mode));
        if (results.isEmpty()) {
            return false;
        }
        return results.takeFirst();
    }
    void SelectFirstCell() override { calls.push_back(QStringLiteral("first")); }
    void ReportReplacements() override { calls.push_back(QStringLiteral("report")); }

    QList<bool> results;
    QStringList calls;
};

const QString kNotFound = QStringLiteral("没有找到要查找的内容。");

QString LastMessage(const RecordingBox& box) {
    return box.messages.empty() ? QString() : QString::fromStdString(box.messages.back());
}

}  // namespace

class TestSearchDialogs : public QObject {
    Q_OBJECT

  private slots:
    void addressRewrittenWhileTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fraction") << "x1.2"
                                  << "X001.2";
        QTest::newRow("rounded") << "R12.34"
                                 << "R012.3";
        QTest::newRow("no whole part") << "X.5"
                                       << "X000.5";
        QTest::newRow("no fraction") << "X12"
                                     << "X12";
        QTest::newRow("letters") << "f12ab"
                                 << "F12AB";
        QTest::newRow("one letter") << "k"
                                    << "K";
    }
    void addressRewrittenWhileTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ScriptedTarget target;
        CFindDlg dialog(target);
        if (QTest::currentDataTag() == QByteArray("key by key")) {
            QTest::keyClicks(dialog.FindEdit(), typed);
        } else {
            dialog.FindEdit()->setText(typed.toUpper());  // as pasted
        }
        QCOMPARE(dialog.FindEdit()->text(), shown);
    }

    // Typed key by key, the rewrite leaves its last digit selected for the next key to overwrite,
    // in each of the three boxes.
    void addressTypedKeyByKey_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short form") << "x1.2"
                                    << "X001.2";
        QTest::newRow("full form") << "X001.2"
                                   << "X001.2";
        QTest::newRow("two digits") << "r12.3"
                                    << "R012.3";
        QTest::newRow("no whole part") << "y.5"
                                       << "Y000.5";
        QTest::newRow("stops at the dot") << "x1."
                                          << "X001.0";
    }
    void addressTypedKeyByKey() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ScriptedTarget target;
        ReplaceButtons buttons;
        CFindDlg find(target);
        CReplaceDlg replace(buttons, target);
        for (SearchEdit* edit : {find.FindEdit(), replace.FindEdit(), replace.ReplaceEdit()}) {
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), shown);
        }
        // Replace All then looks for and writes what was typed.
        RecordingBox box;
        replace.SetMessageBox(&box);
        replace.OnReplaceAll();
        QCOMPARE(target.calls.value(0), QStringLiteral("%1|0|%1|2").arg(shown));
    }

    void findAsksTheViewAndReportsAMiss() {
        ScriptedTarget target;
        RecordingBox box;
        CFindDlg dialog(target);
        dialog.SetMessageBox(&box);
        dialog.show();
        dialog.FindEdit()->setText(QStringLiteral("X1.2"));
        target.results = {true};
        dialog.OnFind();
        QVERIFY(box.messages.empty());
        dialog.UpButton()->setChecked(true);
        dialog.OnFind();  // nothing more: the message, and the dialog stays open
        QCOMPARE(target.calls, (QStringList{"X001.2|0||0", "X001.2|1||0"}));
        QCOMPARE(LastMessage(box), kNotFound);
        QVERIFY(dialog.isVisible());
    }

    void findNextStartsAgainAtTheTopAfterAMiss() {
        ScriptedTarget target;
        RecordingBox box;
        ReplaceButtons buttons;
        {
            CReplaceDlg dialog(buttons, target);
            dialog.SetMessageBox(&box);
            dialog.FindEdit()->setText(QStringLiteral("R100.1"));
            target.results = {false};
            dialog.OnFindNext();
            QCOMPARE(LastMessage(box), kNotFound);
        }
        // The flag outlives the dialog: the next FIND NEXT first goes to the top.
        CReplaceDlg again(buttons, target);
        again.SetMessageBox(&box);
        again.FindEdit()->setText(QStringLiteral("R100.1"));
        target.results = {true};
        again.OnFindNext();
        QCOMPARE(target.calls, (QStringList{"R100.1|0||0", "first", "R100.1|0||0"}));
    }

    void replaceAndReplaceAll() {
        ScriptedTarget target;
        RecordingBox box;
        ReplaceButtons buttons;
        CReplaceDlg dialog(buttons, target);
        dialog.SetMessageBox(&box);
        dialog.FindEdit()->setText(QStringLiteral("X000.1"));
        dialog.ReplaceEdit()->setText(QStringLiteral("X000.2"));
        target.results = {true};
        dialog.OnReplace();
        QCOMPARE(target.calls.mid(target.calls.size() - 2),
                 (QStringList{"X000.1|0|X000.2|1", "report"}));
        // All: the first call from the top, then on until nothing more is found.
        target.calls.clear();
        target.results = {true, true, true, false};
        dialog.OnReplaceAll();
        QCOMPARE(target.calls, (QStringList{"X000.1|0|X000.2|2", "X000.1|0|X000.2|3",
                                            "X000.1|0|X000.2|3", "X000.1|0|X000.2|3", "report"}));
        QCOMPARE(LastMessage(box), QStringLiteral("全部替换完成。"));
        // Also when there was nothing to replace.
        box.messages.clear();
        target.results = {false};
        dialog.OnReplaceAll();
        QCOMPARE(LastMessage(box), QStringLiteral("全部替换完成。"));
    }
};

QTEST_MAIN(TestSearchDialogs)
#include "tst_SearchDialogs.moc"
