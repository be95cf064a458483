// The line, note and information dialogs: what OK takes, and how a field that fails its check
// keeps the dialog open with the standard message and that field selected.

#include <QLineEdit>
#include <QTest>

#include "GuiTestSupport.h"

#include "dialogs/GotoLineDlg.h"
#include "dialogs/InsertLineDlg.h"
#include "dialogs/LadInfoDlg.h"
#include "dialogs/NoteDlg.h"
#include "dialogs/SelMulRowDlg.h"

using namespace rungpad;
using rungpad::test::RecordingBox;

namespace {

const QString kNotInteger = QStringLiteral("请键入一个整数。");
const QString kNotUnsigned = QStringLiteral("“请填入一个正整数。”");

QString Range(int lo, int hi) {
    return QStringLiteral("“请填入一个在%1和%2之间的整数。”").arg(lo).arg(hi);
}

// Presses OK; returns the message shown, empty when the dialog closed with OK.
QString PressOk(CFieldDlg& dialog, RecordingBox& box) {
    box.messages.clear();
    dialog.SetMessageBox(&box);
    dialog.show();
    dialog.accept();
    if (box.messages.empty()) {
        return dialog.result() == QDialog::Accepted ? QString() : QStringLiteral("not accepted");
    }
    return QString::fromStdString(box.messages.back());
}

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT

  private slots:
    void gotoLine_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("number");
        QTest::newRow("a line") << "40" << QString() << 40;
        QTest::newRow("blanks around") << " 12 " << QString() << 12;
        QTest::newRow("highest") << "9999" << QString() << 9999;
        QTest::newRow("too high") << "10000" << Range(1, 9999) << 0;
        QTest::newRow("zero") << "0" << Range(1, 9999) << 0;
        QTest::newRow("letters") << "abc" << kNotInteger << 0;
        QTest::newRow("empty") << "" << kNotInteger << 0;
    }
    void gotoLine() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, number);
        RecordingBox box;
        CGotoLineDlg dialog;
        QCOMPARE(dialog.Field(0)->text(), QStringLiteral("0"));
        dialog.Field(0)->setText(typed);
        QCOMPARE(PressOk(dialog, box), message);
        QCOMPARE(dialog.LineNumber(), number);
        if (!message.isEmpty()) {
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.Field(0)->selectedText(), typed);
        }
    }

    void insertLineOpensWithOneEveryTime() {
        RecordingBox box;
        {
            CInsertLineDlg dialog;
            QCOMPARE(dialog.Field(0)->text(), QStringLiteral("1"));
            dialog.Field(0)->setText(QStringLiteral("5"));
            QCOMPARE(PressOk(dialog, box), QString());
            QCOMPARE(dialog.Count(), 5u);
        }
        CInsertLineDlg again;
        QCOMPARE(again.Field(0)->text(), QStringLiteral("1"));
        again.Field(0)->setText(QStringLiteral("0"));
        QCOMPARE(PressOk(again, box), Range(1, 1000));
        again.Field(0)->setText(QStringLiteral("-3"));
        QCOMPARE(PressOk(again, box), kNotUnsigned);
        again.Field(0)->setText(QStringLiteral("1000"));
        QCOMPARE(PressOk(again, box), QString());
        QCOMPARE(again.Count(), 1000u);
    }

    void selectLines() {
        RecordingBox box;
        CSelMulRowDlg dialog;
        dialog.SetLines(4, 4);
        QCOMPARE(dialog.Field(1)->text(), QStringLiteral("4"));
        // The dialog takes the numbers as typed; the view puts them in order and range.
        dialog.Field(0)->setText(QStringLiteral("8"));
        dialog.Field(1)->setText(QStringLiteral("3"));
        QCOMPARE(PressOk(dialog, box), QString());
        QCOMPARE(dialog.StartLine(), 8);
        QCOMPARE(dialog.EndLine(), 3);
        // Letters in the end field: that field is the one selected.
        CSelMulRowDlg letters;
        letters.Field(0)->setText(QStringLiteral("2"));
        letters.Field(1)->setText(QStringLiteral("x9"));
        QCOMPARE(PressOk(letters, box), kNotInteger);
        QCOMPARE(letters.Field(1)->selectedText(), QStringLiteral("x9"));
        QCOMPARE(letters.Field(0)->selectedText(), QString());
    }

    void ladderInformation() {
        RecordingBox box;
        CLadInfoDlg dialog;
        dialog.SetFields({"V1.0", "数控车床", "张工"});
        QCOMPARE(dialog.Field(1)->text(), QStringLiteral("数控车床"));
        // A sixteenth character does not go into the version field.
        dialog.Field(0)->clear();
        QTest::keyClicks(dialog.Field(0), QStringLiteral("0123456789ABCDEF"));
        QCOMPARE(dialog.Field(0)->text(), QStringLiteral("0123456789ABCDE"));
        QCOMPARE(PressOk(dialog, box), QString());
        const LadInfoFields fields = dialog.Fields();
        QCOMPARE(fields.version, std::string("0123456789ABCDE"));
        QCOMPARE(fields.machine, std::string("数控车床"));
        QCOMPARE(fields.modifier, std::string("张工"));
    }

    void noteShowsItsAddress() {
        RecordingBox box;
        CNoteDlg dialog;
        dialog.SetAddress(QStringLiteral("X000.1"));
        dialog.SetNote(QStringLiteral("急停"));
        QCOMPARE(dialog.Address(), QStringLiteral("X000.1"));
        dialog.Field(0)->setText(QStringLiteral("急停按钮"));
        QCOMPARE(PressOk(dialog, box), QString());
        QCOMPARE(dialog.Note(), QStringLiteral("急停按钮"));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_Dialogs.moc"
