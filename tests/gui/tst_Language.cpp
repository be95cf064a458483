// The language of the main window: Original reproduces the texts the program always had, 中文
// and English put every command, prompt and status text into one language, and the choice is
// kept for the next start.

#include <QFile>
#include <QTest>

#include "MainFrameTest.h"
#include "MenuTexts.h"

#include "shell/frame/MainFrm.h"

using namespace rungpad;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");
const QString kSnapshot = QStringLiteral(RUNGPAD_FIXTURES "/gui/menu_texts_original.txt");

// The texts without a document, then with the demo open, in one list.
QStringList Snapshot(CMainFrame& frame) {
    QStringList lines = {QStringLiteral("# no document")};
    lines << test::FrameActionLines(frame);
    frame.OpenDocumentFile(kDemo);
    lines << QStringLiteral("# demo.plf open");
    lines << test::FrameActionLines(frame);
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

}  // namespace

class TestLanguage : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }

    void originalReproducesTheSnapshot() {
        CMainFrame frame;
        Prepare(frame);
        const QStringList lines = Snapshot(frame);
        WriteIfAsked(lines);
        const QStringList expected = ReadLines(kSnapshot);
        QVERIFY(!expected.isEmpty());
        for (qsizetype i = 0; i < std::min(lines.size(), expected.size()); ++i) {
            QCOMPARE(lines.at(i), expected.at(i));
        }
        QCOMPARE(lines.size(), expected.size());
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_Language.moc"
