// Zoom: the steps from 50% to 300%, the view drawn larger or smaller about a fixed point, the
// Ctrl+wheel, fitting the drawing's width, and printing left alone.

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "GuiTestSupport.h"
#include "ViewFixture.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadClipboard.h"
#include "view/RungpadView.h"
#include "view/ZoomSteps.h"

using namespace rungpad;
using namespace rungpad::test;

namespace {

// The first dark pixel of row y from x on, or -1.
int FirstDarkRightOf(const QImage& image, int x, int y) {
    for (; x < image.width(); ++x) {
        if (x >= 0 && qGray(image.pixel(x, y)) < 128) {
            return x;
        }
    }
    return -1;
}

// Wide enough for the drawing at 100%.
struct Fixture : ViewFixture {
    explicit Fixture(int lines, QSize size = {900, 600}) : ViewFixture(lines, size) {}
};

}  // namespace

class TestZoom : public QObject {
    Q_OBJECT

  private slots:
    void steps_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("normal") << 100 << 110 << 90;
        QTest::newRow("smallest") << 50 << 67 << 50;
        QTest::newRow("largest") << 300 << 300 << 250;
        QTest::newRow("between steps") << 130 << 150 << 125;
        QTest::newRow("below the range") << 20 << 50 << 50;
        QTest::newRow("above the range") << 400 << 300 << 300;
    }
    void steps() {
        QFETCH(int, from);
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(ZoomSteps::In(from), in);
        QCOMPARE(ZoomSteps::Out(from), out);
        QCOMPARE(ZoomSteps::Clamp(from), std::clamp(from, 50, 300));
    }

    void toFit() {
        QCOMPARE(ZoomSteps::ToFit(1400, 662), 211);
        QCOMPARE(ZoomSteps::ToFit(200, 662), 50);    // never below 50%
        QCOMPARE(ZoomSteps::ToFit(5000, 662), 300);  // nor above 300%
        QCOMPARE(ZoomSteps::ToFit(800, 0), 100);
    }

    // At 200% the drawing is twice as wide; the point under the anchor stays put; the scroll
    // range grows with it.
    void zoomScalesTheDrawingAboutAFixedPoint() {
        Fixture f(60);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        const QPoint anchor(300, 200);
        const LogicalPoint under = f.view.Mapping().ToLogical(anchor);
        QSignalSpy zoomed(&f.view, &CRungpadView::ZoomChanged);
        f.view.SetZoom(200, anchor);
        QCOMPARE(f.view.Zoom(), 200);
        QCOMPARE(zoomed.count(), 1);
        const LogicalPoint after = f.view.Mapping().ToLogical(anchor);
        QVERIFY(std::abs(after.x - under.x) <= 1);
        QVERIFY(std::abs(after.y - under.y) <= 1);
        // The rails are twice as far apart, and drawn where the mapping says.
        const LogicalMapping m = f.view.Mapping();
        const int span = GridGeometry::kRightRail - GridGeometry::kLeftRail;
        const int normal = LogicalMapping::ForDevice(*f.view.viewport()).WidthToDevice(span);
        QVERIFY(std::abs(m.WidthToDevice(span) - 2 * normal) <= 1);
        f.view.horizontalScrollBar()->setValue(0);
        const LogicalMapping shown = f.view.Mapping();
        const QImage image = f.view.viewport()->grab().toImage();
        const int y = image.height() / 2;
        const int rail = shown.ToDeviceX(GridGeometry::kLeftRail);
        QVERIFY(std::abs(FirstDarkRightOf(image, rail - 8, y) - rail) <= 3);  // the pen is 4 wide
        QCOMPARE(f.view.verticalScrollBar()->maximum(),
                 m.HeightToDevice(40 * 60 + 50) - f.view.viewport()->height());
        // Out of range: held at the ends.
        f.view.SetZoom(1000);
        QCOMPARE(f.view.Zoom(), 300);
        f.view.SetZoom(10);
        QCOMPARE(f.view.Zoom(), 50);
    }

    // Ctrl+wheel zooms a step a notch; the plain wheel still scrolls.
    void ctrlWheelZooms() {
        Fixture f(200);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        const QPoint at(200, 200);
        const auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            QWheelEvent event(at, f.view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                              Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.view.viewport(), &event);
        };
        wheel(120, Qt::ControlModifier);
        QCOMPARE(f.view.Zoom(), 110);
        wheel(-240, Qt::ControlModifier);
        QCOMPARE(f.view.Zoom(), 90);
        const int scrolled = f.view.verticalScrollBar()->value();
        wheel(-120, Qt::NoModifier);
        QCOMPARE(f.view.Zoom(), 90);
        QVERIFY(f.view.verticalScrollBar()->value() > scrolled);
    }

    // Fit Width: the grid (no notes) fills the view's width without a horizontal scroll range.
    void fitWidthUsesTheWindow() {
        Fixture f(10, {1400, 600});
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.view.ZoomToFitWidth();
        QVERIFY(f.view.Zoom() > 150);
        QCOMPARE(f.view.horizontalScrollBar()->maximum(), 0);
        const int drawn = f.view.Mapping().WidthToDevice(662);
        QVERIFY(drawn <= f.view.viewport()->width());
        QVERIFY(drawn > f.view.viewport()->width() * 9 / 10);
    }

    // The cell under a click is the same at any zoom.
    void clicksHitTheZoomedCells() {
        Fixture f(20);
        QVERIFY(QTest::qWaitForWindowExposed(&f.view));
        f.view.SetZoom(150, QPoint(0, 0));
        const QPoint centre = f.view.Mapping().ToDevice(
            LogicalPoint{GridGeometry::CellLeft(4) + 35, GridGeometry::LineTop(5) - 20});
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(f.doc.Selection().cursor, (GridPos{4, 5}));
    }
};

QTEST_MAIN(TestZoom)
#include "tst_Zoom.moc"
