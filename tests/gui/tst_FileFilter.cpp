// File dialog filters as the program states them, turned into Qt's form.

#include <QTest>

#include "shell/frame/FileFilter.h"

using rungpad::FileFilter;

class TestFileFilter : public QObject {
    Q_OBJECT

  private slots:
    void toQt_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        // one choice
        QTest::newRow("one") << QStringLiteral("梯图二进制文件 (*.dat)|*.dat||")
                             << QStringLiteral("梯图二进制文件 (*.dat) (*.dat)");
        // the open dialog's three choices: two patterns, then all files also without a dot
        QTest::newRow("open")
            << QStringLiteral(
                   "PLC梯图文件 (*.grp)|*.plf;*.grp|备份文件 (*.bak)|*.bak|所有文件(*.*)|*.*||")
            << QStringLiteral(
                   "PLC梯图文件 (*.grp) (*.plf *.grp);;备份文件 (*.bak) (*.bak);;"
                   "所有文件(*.*) (*)");
        // without the closing bars, a name without patterns is dropped
        QTest::newRow("unterminated")
            << QStringLiteral("Text|*.txt|Lonely") << QStringLiteral("Text (*.txt)");
        // nothing
        QTest::newRow("empty") << QString() << QString();
    }
    void toQt() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        const QByteArray utf8 = filter.toUtf8();
        QCOMPARE(FileFilter::ToQt({utf8.constData(), static_cast<std::size_t>(utf8.size())}), qt);
    }
};

QTEST_APPLESS_MAIN(TestFileFilter)
#include "tst_FileFilter.moc"
