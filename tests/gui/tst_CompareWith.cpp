// File > Compare With: the lines of the active document that differ from another program are
// marked in the line-number margin, and Next and Previous Difference move the cursor to them.

#include <QImage>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"

#include "document/DocumentHost.h"
#include "document/ProgramReader.h"
#include "document/RungpadDoc.h"
#include "model/FileIo.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "view/GridGeometry.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::RecordingBox;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

// Answers the open-file chooser with a path given by the test.
class OpenAnswerHost final : public DocumentHost {
  public:
    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest&) override { return answer; }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }
    std::string ProgramDirectory() override { return {}; }
    std::optional<std::string> answer;
};

// The example with line 2's contact renamed and line 12 left out, written to path.
void WriteOtherProgram(const std::string& path) {
    LadProgram program;
    LadHeaderTexts header;
    std::string error;
    QVERIFY(ProgramReader::Read(kDemo.toStdString(), program, header, error));
    program.Cell(0, 1).SetText("X000.7");
    program.DeleteLines(11, 1);
    NullMessageChannel out;
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, program, header, "2026-01-01 00:00", out);
    QVERIFY(FileIo::WriteFileAtomically(path, bytes, error));
}

// The colour of the view's margin beside line (left of the line numbers).
QColor MarginColour(CRungpadView& view, int line) {
    const QImage image = view.viewport()->grab().toImage();
    const QPoint at = view.Mapping().ToDevice(
        LogicalPoint{10, GridGeometry::LineTop(line) - GridGeometry::kLineHeight / 2});
    return image.pixelColor(at);
}

int CursorLine(const CChildFrame& child) {
    return child.Document().Selection().cursor.line;
}

}  // namespace

class TestCompareWith : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    RecordingBox m_box;
    OpenAnswerHost m_host;

  private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    }

    void marksDifferingLinesAndMovesBetweenThem() {
        const std::string other = m_dir.filePath(QStringLiteral("other.plf")).toStdString();
        WriteOtherProgram(other);
        CMainFrame frame;
        frame.SetMessageBox(&m_box);
        frame.SetDocumentHost(&m_host);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(frame.OpenDocumentFile(kDemo));
        CChildFrame* child = frame.ActiveChild();
        QVERIFY(child);
        CRungpadView& view = *child->View();
        QVERIFY(!view.GoToDifference(true));  // nothing compared yet

        m_host.answer = other;
        QAction* compare = test::FindAction(frame, QStringLiteral("Compare With(&W)..."));
        QVERIFY(compare);
        compare->trigger();
        QVERIFY(view.HasComparison());
        QVERIFY(m_box.messages.empty());
        QVERIFY(frame.OutputWindow()->Edit()->toPlainText().contains(
            QStringLiteral(": 1 lines changed, 1 inserted, 0 deleted;")));

        // Line 2 changed (orange), line 12 only here (green), the rest unmarked.
        QTest::qWait(50);
        const QColor changed = MarginColour(view, 1);
        const QColor inserted = MarginColour(view, 11);
        QVERIFY2(changed.red() > 200 && changed.green() > 100 && changed.blue() < 60,
                 qPrintable(changed.name()));
        QVERIFY2(inserted.green() > 120 && inserted.red() < 100, qPrintable(inserted.name()));
        QCOMPARE(MarginColour(view, 0), QColor(Qt::white));
        QCOMPARE(MarginColour(view, 5), QColor(Qt::white));

        // The moves go from difference to difference through the menu commands, and stop at
        // the ends.
        QAction* next = test::FindAction(frame, QStringLiteral("Next Difference"));
        QAction* previous = test::FindAction(frame, QStringLiteral("Previous Difference"));
        QVERIFY(next && previous);
        next->trigger();
        QCOMPARE(CursorLine(*child), 1);
        next->trigger();
        QCOMPARE(CursorLine(*child), 11);
        QVERIFY(!view.GoToDifference(true));
        QCOMPARE(CursorLine(*child), 11);
        previous->trigger();
        QCOMPARE(CursorLine(*child), 1);
        QVERIFY(!view.GoToDifference(false));
    }

    void unreadableFileIsReportedAndComparesNothing() {
        CMainFrame frame;
        frame.SetMessageBox(&m_box);
        frame.SetDocumentHost(&m_host);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        m_box.messages.clear();
        m_host.answer = m_dir.filePath(QStringLiteral("missing.plf")).toStdString();
        test::FindAction(frame, QStringLiteral("Compare With(&W)..."))->trigger();
        QCOMPARE(m_box.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(m_box.messages[0]).contains(QStringLiteral("missing.plf")));
        QVERIFY(!frame.ActiveChild()->View()->HasComparison());
        // Cancel in the chooser does nothing at all.
        m_host.answer.reset();
        test::FindAction(frame, QStringLiteral("Compare With(&W)..."))->trigger();
        QCOMPARE(m_box.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(TestCompareWith)
#include "tst_CompareWith.moc"
