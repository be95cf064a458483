// The editor's start: what opening a program does not wait for, and the probe that the start-up
// benchmark (bench/startup.py) reads.

#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "MainFrameTest.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/StartupProbe.h"

using namespace rungpad;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");

bool PrintSystemLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("printsupport/");
}

}  // namespace

class StartupTest : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }

    // Making a printer loads the print system (CUPS and a score of libraries); the frame makes
    // its shared printer at the first print command, not while opening.
    void openingAProgramLeavesThePrintSystemUnloaded() {
        QVERIFY(!PrintSystemLoaded());
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(!PrintSystemLoaded());
    }

    // With the probe asked for, the first exposed and painted show ends the event loop.
    void probeQuitsAfterTheFirstShow() {
        qputenv("RUNGPAD_STARTUP_PROBE", "1");
        QWidget window;
        StartupProbe::Watch(window);
        qunsetenv("RUNGPAD_STARTUP_PROBE");
        bool timedOut = false;
        QTimer::singleShot(10000, this, [&timedOut] {
            timedOut = true;
            QCoreApplication::quit();
        });
        window.show();
        QCoreApplication::exec();
        QVERIFY(!timedOut);
    }
};

QTEST_MAIN(StartupTest)
#include "tst_Startup.moc"
