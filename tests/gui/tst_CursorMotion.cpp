// The cursor keys: where they take the cursor and when they scroll.

#include <QTest>

#include "view/CursorMotion.h"

using rungpad::CursorMotion;
using rungpad::GridPos;
using Key = CursorMotion::Key;

Q_DECLARE_METATYPE(Key)
Q_DECLARE_METATYPE(GridPos)

class TestCursorMotion : public QObject {
    Q_OBJECT

  private slots:
    void next_data() {
        QTest::addColumn<Key>("key");
        QTest::addColumn<GridPos>("from");
        QTest::addColumn<int>("scrollY");
        QTest::addColumn<int>("lines");
        QTest::addColumn<GridPos>("to");
        QTest::addColumn<int>("newScrollY");  // 1: no scrolling
        // no cursor: any key starts at the first cell
        QTest::newRow("no cursor") << Key::Down << GridPos{} << 0 << 10 << GridPos{0, 0} << 1;
        // left on column 0 wraps to column 7 of the same line
        QTest::newRow("left wraps") << Key::Left << GridPos{0, 4} << 0 << 10 << GridPos{7, 4} << 1;
        QTest::newRow("right wraps")
            << Key::Right << GridPos{7, 4} << 0 << 10 << GridPos{0, 4} << 1;
        QTest::newRow("home") << Key::Home << GridPos{5, 2} << 0 << 10 << GridPos{0, 2} << 1;
        QTest::newRow("end") << Key::End << GridPos{2, 2} << 0 << 10 << GridPos{7, 2} << 1;
        // Ctrl+Home and Ctrl+End: the first cell of the first and of the last line, also
        // without a cursor
        QTest::newRow("first") << Key::First << GridPos{5, 40} << -1200 << 100 << GridPos{0, 0}
                               << 0;
        QTest::newRow("last") << Key::Last << GridPos{5, 4} << 0 << 100 << GridPos{0, 99} << 1;
        QTest::newRow("last without cursor")
            << Key::Last << GridPos{} << 0 << 100 << GridPos{0, 99} << 1;
        // down on the last line stays there
        QTest::newRow("down at the end")
            << Key::Down << GridPos{3, 9} << 0 << 10 << GridPos{3, 9} << 1;
        QTest::newRow("up at the top")
            << Key::Up << GridPos{3, 0} << 0 << 100 << GridPos{3, 0} << 1;
        // down past the bottom of the view scrolls one line
        QTest::newRow("down scrolls")
            << Key::Down << GridPos{1, 15} << 0 << 100 << GridPos{1, 16} << -40;
        // up above the top of the view scrolls one line back
        QTest::newRow("up scrolls")
            << Key::Up << GridPos{1, 10} << -400 << 100 << GridPos{1, 9} << -360;
        // page down from the top of 100 lines with the cursor on line 2: 600 down, line 17
        QTest::newRow("page down")
            << Key::PageDown << GridPos{4, 2} << 0 << 100 << GridPos{4, 17} << -600;
        // page up near the top: back to the top and line 0
        QTest::newRow("page up to top")
            << Key::PageUp << GridPos{4, 20} << -300 << 100 << GridPos{4, 0} << 0;
        // page down near the end: the last screenful and the last line
        QTest::newRow("page down to end")
            << Key::PageDown << GridPos{4, 80} << -3200 << 100 << GridPos{4, 99} << -3400;
    }
    void next() {
        QFETCH(Key, key);
        QFETCH(GridPos, from);
        QFETCH(int, scrollY);
        QFETCH(int, lines);
        QFETCH(GridPos, to);
        QFETCH(int, newScrollY);
        const CursorMotion::Move move = CursorMotion::Next(key, from, scrollY, lines);
        QCOMPARE(move.cursor, to);
        QCOMPARE(move.scrollY.value_or(1), newScrollY);
    }
};

QTEST_APPLESS_MAIN(TestCursorMotion)
#include "tst_CursorMotion.moc"
