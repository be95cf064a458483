// The line, note and information dialogs: what OK takes, and how a field that fails its check
// keeps the dialog open with the standard message and that field selected.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"

#include "dialogs/FuncDlg.h"
#include "dialogs/GotoLineDlg.h"
#include "dialogs/InsertLineDlg.h"
#include "dialogs/ItemPreview.h"
#include "dialogs/ItemSetDlg.h"
#include "dialogs/LadInfoDlg.h"
#include "dialogs/NoteDlg.h"
#include "dialogs/SelMulRowDlg.h"
#include "dialogs/UpperCaseEdit.h"

using namespace rungpad;
using rungpad::test::DarkCount;
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

std::unique_ptr<CFieldDlg> MakeFieldDialog(const QString& name) {
    if (name == "go to line") {
        auto dialog = std::make_unique<CGotoLineDlg>();
        dialog->SetLineNumber(12);
        return dialog;
    }
    if (name == "insert line") {
        return std::make_unique<CInsertLineDlg>();
    }
    if (name == "select lines") {
        auto dialog = std::make_unique<CSelMulRowDlg>();
        dialog->SetLines(4, 4);
        return dialog;
    }
    if (name == "modify note") {
        auto dialog = std::make_unique<CNoteDlg>();
        dialog->SetAddress(QStringLiteral("X001.2"));
        dialog->SetNote(QStringLiteral("old note"));
        return dialog;
    }
    auto dialog = std::make_unique<CLadInfoDlg>();
    dialog->SetFields({"V1.0", "lathe", "Li"});
    return dialog;
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

    // Keys go to the first field, whose text they replace; Enter then presses OK.
    void fieldDialogsOpenOnTheFirstField_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("typed");
        QTest::newRow("go to line") << "go to line"
                                    << "5";
        QTest::newRow("insert line") << "insert line"
                                     << "3";
        QTest::newRow("select lines") << "select lines"
                                      << "7";
        // a space must not press a button
        QTest::newRow("modify note") << "modify note"
                                     << "feed hold";
        QTest::newRow("ladder information") << "ladder information"
                                            << "V2.0";
    }
    void fieldDialogsOpenOnTheFirstField() {
        QFETCH(QString, dialog);
        QFETCH(QString, typed);
        RecordingBox box;
        const std::unique_ptr<CFieldDlg> shown = MakeFieldDialog(dialog);
        shown->SetMessageBox(&box);
        const QString before = shown->Field(0)->text();
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QCOMPARE(QApplication::focusWidget(), shown->Field(0));
        QCOMPARE(shown->Field(0)->selectedText(), before);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->Field(0)->text(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(box.messages.empty());
        QCOMPARE(shown->result(), int(QDialog::Accepted));
    }

    // A typed name and Enter insert that function, also when the list has the focus (where
    // the letters would otherwise pick an entry by type-ahead).
    void functionNameTypedWhereverTheFocusIs_data() {
        QTest::addColumn<bool>("listFocused");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("code");
        QTest::newRow("as it opens") << false << "tmr" << 0x1900;
        QTest::newRow("list focused") << true << "tmr" << 0x1900;
        QTest::newRow("list focused, prefix of others") << true << "sub" << 0x2100;
    }
    void functionNameTypedWhereverTheFocusIs() {
        QFETCH(bool, listFocused);
        QFETCH(QString, typed);
        QFETCH(int, code);
        RecordingBox box;
        CFuncDlg dialog;
        dialog.SetMessageBox(&box);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.NameEdit());
        if (listFocused) {
            dialog.List()->setFocus();
        }
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(box.messages.empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(dialog.FunctionCode()), code);
    }

    void functionByListOrName_data() {
        QTest::addColumn<QString>("clicked");  // list entry double-clicked first, if any
        QTest::addColumn<QString>("typed");    // then typed over the edit box, if any
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("code");
        QTest::newRow("TMR from the list") << "TMR" << QString() << QString() << 0x1900;
        // typed in lower case, shown and taken in upper case
        QTest::newRow("add typed") << QString() << "add" << QString() << 0x2000;
        QTest::newRow("END2") << QString() << "END2" << QString() << 0x7200;
        // the edit box decides, not the list
        QTest::newRow("list then typed") << "CTR"
                                         << "SUB" << QString() << 0x2100;
        QTest::newRow("unknown") << QString() << "MOV" << QStringLiteral("功能指令输入错误!") << 0;
        QTest::newRow("empty") << QString() << QString() << QStringLiteral("功能指令输入错误!")
                               << 0;
    }
    void functionByListOrName() {
        QFETCH(QString, clicked);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(int, code);
        RecordingBox box;
        CFuncDlg dialog;
        dialog.SetMessageBox(&box);
        dialog.show();
        QCOMPARE(dialog.List()->count(), 37);
        QCOMPARE(dialog.List()->item(0)->text(), QStringLiteral("ADD"));
        if (!clicked.isEmpty()) {
            QListWidgetItem* item = dialog.List()->findItems(clicked, Qt::MatchExactly).value(0);
            QVERIFY(item);
            emit dialog.List()->itemDoubleClicked(item);
            QCOMPARE(dialog.NameEdit()->text(), clicked);
        }
        if (!typed.isEmpty()) {
            dialog.NameEdit()->clear();
            QTest::keyClicks(dialog.NameEdit(), typed);
            QCOMPARE(dialog.NameEdit()->text(), typed.toUpper());
        }
        dialog.accept();
        QCOMPARE(box.messages.empty() ? QString() : QString::fromStdString(box.messages.back()),
                 message);
        QCOMPARE(dialog.result() == QDialog::Accepted, message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(int(dialog.FunctionCode()), code);
        } else {
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.NameEdit()->text(), typed.toUpper());
        }
    }

    void itemCaptionAndPreview_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("caption");
        QTest::newRow("open contact") << 0x300 << QStringLiteral("normally open contact");
        QTest::newRow("closed contact") << 0x200 << QStringLiteral("normally closed contact");
        QTest::newRow("negated coil") << 0x500 << QStringLiteral("reverse output coil");
        QTest::newRow("ADD format") << 0x2001 << QStringLiteral("格式指定");
        QTest::newRow("ADD addend") << 0x2003 << QStringLiteral("加数地址或常数");
        QTest::newRow("TMR timer") << 0x1901 << QStringLiteral("定时器号");
        QTest::newRow("second row") << 0x1911 << QString();
        QTest::newRow("table cell") << 0x4013 << QStringLiteral("转换表数据");
    }
    void itemCaptionAndPreview() {
        QFETCH(int, code);
        QFETCH(QString, caption);
        CItemSetDlg dialog;
        dialog.SetElementCode(static_cast<std::uint16_t>(code));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("item set"));
        QCOMPARE(dialog.Caption(), caption);
        // Every picture shows something: an element, or the instruction's name.
        const QImage picture = dialog.Preview()->grab().toImage();
        QVERIFY(DarkCount(picture, {0, 0, picture.width(), -picture.height()}) > 5);
    }

    void contactPictures() {
        // The closed contact's bars are joined by a diagonal through the gap; the open one's
        // gap stays empty.
        CItemSetDlg open;
        open.SetElementCode(0x300);
        CItemSetDlg closed;
        closed.SetElementCode(0x200);
        const QImage a = open.Preview()->grab().toImage();
        const QImage b = closed.Preview()->grab().toImage();
        QVERIFY(qGray(a.pixel(40, 35)) < 128 && qGray(a.pixel(50, 45)) < 128);
        QVERIFY(qGray(a.pixel(45, 40)) > 128);
        QVERIFY(qGray(b.pixel(45, 40)) < 128);
    }

    void itemTypedInUpperCaseSixAtMost() {
        CItemSetDlg dialog;
        dialog.SetElementCode(0x300);
        dialog.SetItemText(QStringLiteral("R1.0"));
        dialog.ItemEdit()->clear();
        QTest::keyClicks(dialog.ItemEdit(), QStringLiteral("x12.3"));
        QCOMPARE(dialog.ItemText(), QStringLiteral("X12.3"));
        QTest::keyClicks(dialog.ItemEdit(), QStringLiteral("45"));
        QCOMPARE(dialog.ItemText(), QStringLiteral("X12.34"));
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
