// The coil references beside the diagram: off at start, their text, the cut with its tool tip,
// the refresh after an edit and the jump to a contact; and Print Documentation, which prints
// them with the rest of the documentation.

#include <QAction>
#include <QFile>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "GuiTestSupport.h"
#include "MainFrameTest.h"

#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadEditor.h"
#include "model/LadProgram.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/MainFrm.h"
#include "view/CoilRefMargin.h"
#include "view/GridGeometry.h"
#include "view/RungpadView.h"

using namespace rungpad;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

// The viewport point at the middle of a logical point's pixel.
QPoint ViewportPoint(CRungpadView& view, LogicalPoint at) {
    return view.Mapping().ToDevice(at);
}

// Answers the save-file chooser with one path.
class SavingHost final : public DocumentHost {
  public:
    explicit SavingHost(std::string path) : m_path(std::move(path)) {}
    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest& request) override {
        proposed = request.proposedName;
        return m_path;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }
    std::string ProgramDirectory() override { return {}; }
    std::string proposed;

  private:
    std::string m_path;
};

}  // namespace

class TestCoilReferences : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }

    void offAtStartThenBesideEachCoil() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CRungpadView* view = frame.ActiveChild()->View();
        QAction* toggle = frame.CoilReferencesAction();
        QCOMPARE(toggle->text(), QStringLiteral("Coil References"));
        QVERIFY(toggle->isCheckable() && !toggle->isChecked());
        QVERIFY(!view->CoilReferencesShown());
        QCOMPARE(view->CoilReferenceText(0), QString());
        QCOMPARE(view->NoteLeft(), GridGeometry::kNoteX);

        toggle->trigger();
        QVERIFY(view->CoilReferencesShown());
        // Y000.0 (line 1) is read on lines 2 and 3, R100.0 (line 3) on 5, R100.1 (6) on 10;
        // Y001.0 (12) nowhere.
        QCOMPARE(view->CoilReferenceText(0), QStringLiteral("2 3"));
        QCOMPARE(view->CoilReferenceText(2), QStringLiteral("5"));
        QCOMPARE(view->CoilReferenceText(5), QStringLiteral("10"));
        QCOMPARE(view->CoilReferenceText(11), QString());
        QCOMPARE(view->CoilReferenceToolTip(0), QStringLiteral("Y000.0: 2 3"));
        QCOMPARE(view->NoteLeft(), GridGeometry::kNoteX + CoilRefMargin::kNoteShift);
        // A window opened later follows the menu.
        frame.Command(57648)->trigger();  // New Window
        QVERIFY(frame.ActiveChild()->View() != view);
        QVERIFY(frame.ActiveChild()->View()->CoilReferencesShown());

        // An edit that removes the reading contact of R100.0 empties its references, in both
        // windows of the document.
        view->Edit([](CLadEditor& e) {
            e.Select({0, 4}, {0, 4});
            e.PlaceElement(Element::kEmpty);
        });
        QTRY_COMPARE(view->CoilReferenceText(2), QString());
        QTRY_COMPARE(frame.ActiveChild()->View()->CoilReferenceText(2), QString());

        toggle->trigger();
        QVERIFY(!view->CoilReferencesShown());
        QCOMPARE(view->NoteLeft(), GridGeometry::kNoteX);
    }

    void longListsAreCutAndAClickJumps() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CRungpadView* view = frame.ActiveChild()->View();
        // Lines 13 to 40 each read Y000.0 open, line 41 closed.
        LadProgram& program = frame.ActiveDocument()->Program();
        for (int line = 12; line < 41; ++line) {
            if (line >= program.LineCount()) {
                QVERIFY(program.AppendLine(LadLine{}, NoteText{}));
            }
            LadCell& cell = program.Cell(0, line);
            cell.code = line == 40 ? Element::kNcContact : Element::kNoContact;
            cell.SetText("Y000.0");
        }
        frame.CoilReferencesAction()->trigger();
        const QString shown = view->CoilReferenceText(0);
        QVERIFY2(shown.endsWith(QStringLiteral(" …")), qPrintable(shown));
        QVERIFY(shown.startsWith(QStringLiteral("2 3 13 14 ")));
        QVERIFY(shown.size() < 60);
        // The tool tip lists them all.
        QVERIFY(view->CoilReferenceToolTip(0).endsWith(QStringLiteral(" 39 40 /41")));

        // Resting the mouse on the column shows that list.
        view->ScrollTo({0, 0});
        const QPoint over = ViewportPoint(*view, {CoilRefMargin::kLeft + 20, -62});
        QHelpEvent help(QEvent::ToolTip, over, view->viewport()->mapToGlobal(over));
        QCoreApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), view->CoilReferenceToolTip(0));
        QToolTip::hideText();
        // A click on the first number ("2") selects the contact on line 2.
        view->ScrollTo({0, 0});
        const int x = CoilRefMargin::kLeft + 1;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          ViewportPoint(*view, {x, GridGeometry::LineTop(0) - 20}));
        QCOMPARE(frame.ActiveDocument()->Selection().cursor, (GridPos{0, 1}));
        // The margin of a line without references leaves the click to the grid's selection.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          ViewportPoint(*view, {x, GridGeometry::LineTop(1) - 20}));
        QCOMPARE(frame.ActiveDocument()->Selection().cursor, (GridPos{7, 1}));
    }

    void printDocumentationWritesOnePdf() {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("demo-documentation.pdf"));
        SavingHost host(out.toStdString());
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        frame.SetDocumentHost(&host);
        QAction* print = frame.DocumentationAction();
        QCOMPARE(print->text(), QStringLiteral("Print Documentation..."));
        print->trigger();
        QCOMPARE(host.proposed, std::string("demo-documentation.pdf"));
        QFile pdf(out);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Title (Cross-reference)"));
        QVERIFY(bytes.endsWith("%%EOF\n"));
        // The document stays as it was: not converted, not modified.
        QVERIFY(!frame.ActiveDocument()->IsConverted());
        QVERIFY(!frame.ActiveDocument()->IsModified());

        // Never over the program itself: refused with a message, the file as it was.
        QTemporaryDir copyDir;
        const QString program = copyDir.filePath(QStringLiteral("demo.plf"));
        QVERIFY(QFile::copy(kDemo, program));
        QVERIFY(frame.OpenDocumentFile(program));
        SavingHost over(program.toStdString());
        frame.SetDocumentHost(&over);
        print->trigger();
        QVERIFY(!m_box.messages.empty());
        QVERIFY(m_box.messages.back().find("would overwrite") != std::string::npos);
        QFile original(kDemo);
        QFile kept(program);
        QVERIFY(original.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), original.readAll());
    }
};

QTEST_MAIN(TestCoilReferences)
#include "tst_CoilReferences.moc"
