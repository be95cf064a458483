// The Timing Diagram window: zoom about an anchor within its limits, the cursor and the values at
// it, following a live run until scrolled back, File > Open Trace (and its refusals), Export
// Image, and monitor mode's watched signals drawn as they change.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "GuiTestSupport.h"
#include "MainFrameTest.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/CoolBar.h"
#include "shell/frame/MainFrm.h"
#include "shell/monitor/QtDiagramPainter.h"
#include "shell/monitor/SignalsWindow.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/monitor/TimingDiagramView.h"
#include "shell/monitor/TimingDiagramWindow.h"
#include "shell/panels/TestResultsWindow.h"
#include "shell/panels/XrefWindow.h"
#include "sim/SignalHistory.h"
#include "view/RungpadView.h"

using namespace rungpad;
using rungpad::test::FindAction;
using rungpad::test::PathHost;

namespace {

const QString kDemo = QStringLiteral(RUNGPAD_EXAMPLES "/demo.plf");
constexpr double kPlotLeft = TimingDiagram::kPlotLeft;

SimSignal Named(const char* name) {
    std::string problem;
    return *SimSignal::Parse(name, problem);
}

// Ten seconds: X000.0 high from 1 s to 3 s, D010 forced to 25 from 2 s, Y000.0 high throughout.
void FillTenSeconds(SignalHistory& history) {
    history.SetSignals({Named("X000.0"), Named("D010"), Named("Y000.0")}, {"start"});
    history.Record(0, 0, 0, false);
    history.Record(1, 0, 0, false);
    history.Record(2, 0, 1, false);
    history.Record(0, 1000, 1, false);
    history.Record(1, 2000, 25, true);
    history.Record(0, 3000, 0, false);
    history.SetEnd(10'000);
}

// Ten seconds of 8 ms scans: bits and words at several rates, words forced now and then.
void FillBusyRun(SignalHistory& history) {
    history.SetSignals({Named("X000.0"), Named("D010"), Named("X000.1"), Named("D012")}, {"start"});
    for (std::int64_t time = 0; time <= 10'000; time += 8) {
        const auto scan = static_cast<std::uint32_t>(time / 8);
        history.Record(0, time, scan / 7 % 2, false);
        history.Record(1, time, scan / 9 * 37 % 100'000, scan % 97 < 20);
        history.Record(2, time, scan / 50 % 2, scan % 300 > 250);
        history.Record(3, time, scan / 13, false);
    }
    history.SetEnd(10'000);
}

void ShowView(CTimingDiagramView& view) {
    view.resize(1100, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

QPoint PlotPoint(const CTimingDiagramView& view, double timeMs, int row) {
    return {
        static_cast<int>(view.XOf(timeMs)),
        static_cast<int>(TimingDiagram::kRulerHeight + (row + 0.5) * TimingDiagram::kRowHeight)};
}

std::string WriteText(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
    }
    return path.toStdString();
}

// A trace as rungpad-cli sim --vcd writes it: a bit and a word, 200 ms.
const QByteArray kTrace =
    "$version Rungpad ladder simulation $end\n"
    "$timescale 1ms $end\n"
    "$scope module ladder $end\n"
    "$var wire 1 ! Y000_0_motor $end\n"
    "$var reg 16 \" T001 $end\n"
    "$upscope $end\n"
    "$enddefinitions $end\n"
    "#0\n$dumpvars\n0!\nb0 \"\n$end\n"
    "#16\n1!\n"
    "#100\nb1010 \"\n"
    "#200\n0!\n";

constexpr DiagramColor kWhite{255, 255, 255};

// What the view shows, drawn afresh without anything kept, as big as shown and like it.
QImage DrawnAfresh(const CTimingDiagramView& view, const QImage& shown) {
    QImage fresh(shown.size(), shown.format());
    fresh.fill(Qt::white);
    {
        QPainter painter(&fresh);
        CQtDiagramPainter diagramPainter(painter);
        view.Diagram(false).Draw(diagramPainter);
    }
    return fresh;
}

// The texts a diagram draws, with their extent along x.
struct TextRecorder : DiagramPainter {
    struct Shown {
        std::string text;
        double left = 0;
        double right = 0;
        double y = 0;
        DiagramColor color;
    };
    std::vector<Shown> texts;

    void FillRect(double, double, double, double, DiagramColor) override {}
    void Polyline(std::span<const DiagramPoint>, DiagramColor) override {}
    void Text(double x, double y, std::string_view text, DiagramColor color, Align align) override {
        const double width = static_cast<double>(text.size()) * kCharWidth;
        const double left =
            align == Align::kLeft ? x : (align == Align::kCenter ? x - width / 2 : x - width);
        texts.push_back({std::string(text), left, left + width, y, color});
    }
};

}  // namespace

class TestTimingDiagram : public test::MainFrameTest {
    Q_OBJECT

  private slots:
    void initTestCase() { InitSettings(); }
    void init() { m_box.messages.clear(); }

    void zoomKeepsItsAnchorWithinLimits() {
        SignalHistory history;
        FillTenSeconds(history);
        CTimingDiagramView view;
        ShowView(view);
        view.SetHistory(&history, false);  // a trace opens fit whole
        QCOMPARE(view.FromMs(), 0.0);
        QCOMPARE(view.ToMs(), 10'000.0);
        const double fit = view.MsPerPixel();

        const struct {
            const char* what;
            std::function<void()> zoom;
            double scale;    // of the scale before
            double anchorX;  // a viewport x whose time stays (negative: none checked)
        } cases[] = {
            {"+ key: in about the middle", [&] { QTest::keyClick(&view, Qt::Key_Plus); },
             1 / CTimingDiagramView::kZoomStep,
             kPlotLeft + (view.ToMs() - view.FromMs()) / fit / 2},
            {"- key: out again", [&] { QTest::keyClick(&view, Qt::Key_Minus); },
             CTimingDiagramView::kZoomStep, -1},
            {"Ctrl+wheel up at 2 s: in about the mouse",
             [&] {
                 const QPoint at = PlotPoint(view, 2000, 0);
                 QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                                   Qt::ControlModifier, Qt::NoScrollPhase, false);
                 QApplication::sendEvent(view.viewport(), &wheel);
             },
             1 / CTimingDiagramView::kZoomStep, std::floor(kPlotLeft + 2000 / fit)},
        };
        for (const auto& c : cases) {
            const double before = view.MsPerPixel();
            const double anchorMs = view.TimeAt(c.anchorX);
            c.zoom();
            QVERIFY2(qAbs(view.MsPerPixel() - before * c.scale) < 1e-9, c.what);
            if (c.anchorX >= 0) {
                QVERIFY2(qAbs(view.TimeAt(c.anchorX) - anchorMs) < 1e-6, c.what);
            }
        }

        // Out no further than the whole history (or the default scale), in no further than the
        // least scale; 0 fits the whole again.
        for (int i = 0; i < 40; ++i) {
            view.ZoomOut();
        }
        QCOMPARE(view.MsPerPixel(), std::max(fit, CTimingDiagramView::kDefaultMsPerPixel));
        QCOMPARE(view.FromMs(), 0.0);
        for (int i = 0; i < 40; ++i) {
            view.ZoomIn();
        }
        QCOMPARE(view.MsPerPixel(), CTimingDiagramView::kMinMsPerPixel);
        QTest::keyClick(&view, Qt::Key_0);
        QCOMPARE(view.MsPerPixel(), fit);
        QCOMPARE(view.FromMs(), 0.0);
    }

    void cursorShowsEveryValueAtItsTime() {
        SignalHistory history;
        FillTenSeconds(history);
        CTimingDiagramView view;
        ShowView(view);
        view.SetHistory(&history, false);
        view.SetMsPerPixel(10);
        view.ScrollTo(0);
        QSignalSpy names(&view, &CTimingDiagramView::SignalNameClicked);

        const struct {
            double clickMs;
            std::int64_t cursorMs;
            const char* text;
        } cases[] = {
            {500, 500, "Cursor 500ms: X000.0=0  D010=0  Y000.0=1"},
            {2500, 2500, "Cursor 2.5s: X000.0=1  D010=25 (forced)  Y000.0=1"},
            {3000, 3000, "Cursor 3s: X000.0=0  D010=25 (forced)  Y000.0=1"},
            {0, 0, "Cursor 0: X000.0=0  D010=0  Y000.0=1"},
        };
        for (const auto& c : cases) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, PlotPoint(view, c.clickMs, 1));
            QCOMPARE(view.CursorTime().value_or(-1), c.cursorMs);
            QCOMPARE(view.CursorText(), QString::fromLatin1(c.text));
        }

        // The cursor's line is drawn where it is.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, PlotPoint(view, 2500, 1));
        const QImage shot = view.viewport()->grab().toImage();
        const int x = static_cast<int>(view.XOf(2500));
        QCOMPARE(QColor(shot.pixel(x, PlotPoint(view, 0, 2).y())), QColor(208, 36, 36));
        QVERIFY(QColor(shot.pixel(x + 3, PlotPoint(view, 0, 2).y())) != QColor(208, 36, 36));
        // Repainted unchanged, the rows come from a picture kept of them: the same pixels as
        // drawn afresh, with the cursor moved too.
        for (const std::int64_t cursorMs : {2500, 7000}) {
            view.SetCursorTime(cursorMs);
            view.viewport()->grab();
            const QImage again = view.viewport()->grab().toImage();
            QCOMPARE(again, DrawnAfresh(view, again));
        }

        // A click on a name asks for its address; Escape takes the cursor away.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, {20, PlotPoint(view, 0, 1).y()});
        QCOMPARE(names.size(), 1);
        QCOMPARE(names.front().front().toString(), QStringLiteral("D010"));
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.CursorTime());
        QVERIFY(view.CursorText().isEmpty());
    }

    void cursorLabelHidesTheRulerLabelsItCovers() {
        SignalHistory history;
        FillTenSeconds(history);
        CTimingDiagramView view;
        ShowView(view);
        view.SetHistory(&history, false);  // 0 to 10 s, a labelled tick every 2 s
        const struct {
            std::int64_t cursorMs;
            std::vector<std::string> hidden;
        } cases[] = {
            {2000, {"2s"}},   // on a tick
            {2100, {"2s"}},   // beside one
            {0, {"0"}},       // at the plot's left edge
            {9990, {"10s"}},  // at its right edge
            {5000, {}},       // between two
        };
        for (const auto& c : cases) {
            view.SetCursorTime(c.cursorMs);
            TextRecorder recorder;
            view.Diagram(true).Draw(recorder);
            const auto label = std::find_if(recorder.texts.begin(), recorder.texts.end(),
                                            [](const auto& text) { return text.color == kWhite; });
            QVERIFY2(label != recorder.texts.end(), TimingDiagram::TimeText(c.cursorMs).c_str());
            QCOMPARE(label->text, TimingDiagram::TimeText(c.cursorMs));
            std::vector<std::string> ticks;
            for (const auto& text : recorder.texts) {
                if (text.y == 15) {
                    ticks.push_back(text.text);
                    QVERIFY2(text.right + 2 < label->left || text.left > label->right + 2,
                             text.text.c_str());
                }
            }
            for (const char* shown : {"0", "2s", "4s", "6s", "8s", "10s"}) {
                const bool drawn = std::find(ticks.begin(), ticks.end(), shown) != ticks.end();
                const bool hidden =
                    std::find(c.hidden.begin(), c.hidden.end(), shown) != c.hidden.end();
                QVERIFY2(drawn != hidden, shown);
            }
        }
    }

    void followedRunDrawsAsAfresh() {
        // Bits and words at several rates, a force now and then, followed frame by frame: the
        // columns the view keeps between repaints and the glyphs it copies draw the same pixels
        // as found afresh.
        SignalHistory history;
        history.SetSignals({Named("X000.0"), Named("D010"), Named("X000.1"), Named("D012")}, {});
        CTimingDiagramView view;
        ShowView(view);
        view.SetHistory(&history, true);
        std::int64_t time = 0;
        const auto run = [&](std::int64_t ms) {
            for (const std::int64_t end = time + ms; time < end; time += 8) {
                const auto scan = static_cast<std::uint32_t>(time / 8);
                history.Record(0, time, scan / 3 % 2, false);
                history.Record(1, time, scan / 5 % 9, scan % 97 < 20);
                history.Record(2, time, scan / 40 % 2, scan % 300 > 250);
                history.Record(3, time, scan / 60, false);
                history.SetEnd(time);
            }
            view.HistoryChanged();
        };
        for (const double msPerPixel : {0.7, 3.0, 25.0, 0.1}) {
            run(20'000);
            view.SetMsPerPixel(msPerPixel);
            for (int frame = 0; frame < 12; ++frame) {
                run(frame % 3 == 0 ? 8 : 40);
                const QImage shown = view.viewport()->grab().toImage();
                QVERIFY2(shown == DrawnAfresh(view, shown),
                         qPrintable(
                             QStringLiteral("%1 ms a pixel, frame %2").arg(msPerPixel).arg(frame)));
            }
        }
    }

    void pixelsWrittenDirectlyAreThePaintersOnes() {
        // Into an image, rectangles, lines and the labels' glyphs (copied from stamps) go
        // straight into its pixels; with a clip on the painter, QPainter draws them all: the same
        // picture, also under a clip of many pieces, with labels at any place within a pixel,
        // over forced bands, stripes and grid lines.
        SignalHistory history;
        FillBusyRun(history);
        CTimingDiagramView view;
        ShowView(view);
        view.SetHistory(&history, false);
        view.SetCursorTime(2500);
        CGlyphStamps stamps;
        CLineStamps lines;
        const struct {
            double msPerPixel, fromMs;
        } ranges[] = {{10, 0},         {0.37, 1234.567}, {0.1, 2000.3},
                      {1.3, 4321.123}, {1, 3000.25},     {2.9, 777.7}};
        for (const auto& range : ranges) {
            view.SetMsPerPixel(range.msPerPixel);
            view.ScrollTo(range.fromMs);
            const TimingDiagram diagram = view.Diagram(true);
            const QSize size(static_cast<int>(std::ceil(diagram.Width())),
                             static_cast<int>(std::ceil(diagram.Height())));
            QRegion pieces;
            for (int x = 0; x < size.width(); x += 37) {
                pieces += QRect(x, x % 3 * 20, 23, size.height());
            }
            for (const QRegion& clip : {QRegion(QRect(QPoint(0, 0), size)), pieces}) {
                QImage direct(size, QImage::Format_RGB32);
                QImage painted(size, QImage::Format_RGB32);
                for (QImage* image : {&direct, &painted}) {
                    image->fill(Qt::white);
                    QPainter painter(image);
                    if (image == &painted) {
                        painter.setClipRegion(clip);
                    }
                    CQtDiagramPainter diagramPainter(painter);
                    if (image == &direct) {
                        diagramPainter.UseStamps(&stamps, &lines);
                        diagramPainter.ClipTo(clip);
                    }
                    diagram.Draw(diagramPainter);
                }
                QVERIFY2(direct == painted, qPrintable(QStringLiteral("%1 ms a pixel from %2")
                                                           .arg(range.msPerPixel)
                                                           .arg(range.fromMs)));
            }
        }
    }

    void aPartOfTheWindowGetsOnlyItsPixels() {
        // Painted into the window's image, the view writes pixels itself: those of the part it
        // is asked to paint, nothing beside it.
        SignalHistory history;
        FillBusyRun(history);
        CTimingDiagramView view;
        ShowView(view);
        view.SetHistory(&history, false);
        view.SetMsPerPixel(0.37);
        const QSize size = view.viewport()->size();
        for (const QRect& part : {QRect(150, 40, 400, 90), QRect(0, 0, size.width(), 60),
                                  QRect(size.width() - 100, 100, 100, 100)}) {
            view.ScrollTo(view.FromMs() + 100);  // rows not shown before: drawn directly
            QImage shown(size, QImage::Format_ARGB32_Premultiplied);
            shown.fill(Qt::magenta);
            view.viewport()->render(&shown, part.topLeft(), QRegion(part));
            const QImage fresh = DrawnAfresh(view, shown);
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x) {
                    const QRgb expected =
                        part.contains(x, y) ? fresh.pixel(x, y) : QColor(Qt::magenta).rgb();
                    QVERIFY2(shown.pixel(x, y) == expected,
                             qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
            }
        }
    }

    void liveRunIsFollowedUntilScrolledBack() {
        SignalHistory history;
        history.SetSignals({Named("X000.0")}, {});
        CTimingDiagramView view;
        ShowView(view);
        view.SetHistory(&history, true);
        QVERIFY(view.IsFollowing());
        std::int64_t time = 0;
        const auto run = [&](std::int64_t ms) {
            for (const std::int64_t end = time + ms; time < end; time += 8) {
                history.Record(0, time, static_cast<std::uint32_t>(time / 800 % 2), false);
                history.SetEnd(time);
            }
            view.HistoryChanged();
        };
        // Followed: the end in the last pixel column, the left edge on a whole column.
        const auto followed = [&] {
            const double end = static_cast<double>(history.EndMs());
            const double columns = view.FromMs() / view.MsPerPixel();
            return view.ToMs() >= end && view.ToMs() - end < view.MsPerPixel() &&
                   qAbs(columns - std::round(columns)) < 1e-6;
        };
        run(60'000);
        const double span = view.ToMs() - view.FromMs();
        QVERIFY(followed());

        // Scrolled back: the shown range stays while the run goes on.
        view.horizontalScrollBar()->setValue(0);
        QVERIFY(!view.IsFollowing());
        QCOMPARE(view.FromMs(), 0.0);
        run(5'000);
        QCOMPARE(view.FromMs(), 0.0);
        // Scrolled to the end: followed again.
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        QVERIFY(view.IsFollowing());
        run(5'000);
        QVERIFY(followed());
        QCOMPARE(view.ToMs() - view.FromMs(), span);
        // The same with the keys: Home goes to the start, End follows again.
        QTest::keyClick(&view, Qt::Key_Home);
        QVERIFY(!view.IsFollowing());
        QTest::keyClick(&view, Qt::Key_End);
        QVERIFY(view.IsFollowing());
    }

    void openTraceShowsItAndRefusesOtherFiles() {
        QTemporaryDir dir;
        PathHost host;
        CMainFrame frame;
        Prepare(frame);
        frame.SetDocumentHost(&host);
        QAction* open = FindAction(frame, QStringLiteral("Open Trace(&K)..."));
        QVERIFY(open && open->isEnabled() && open->isVisible());  // without a document too
        CTimingDiagramWindow& window = *frame.TimingWindow();

        const struct {
            const char* name;
            QByteArray text;
            const char* problem;
        } refused[] = {
            {"ns.vcd", QByteArray(kTrace).replace("1ms", "1ns"), "line 2: timescale"},
            {"real.vcd", QByteArray(kTrace).replace("b1010 \"", "r2.5 \""), "line 16: value"},
            {"binary.vcd", QByteArray("\x89PNG\r\n\x1a\n\0\0garbage", 16), "line "},
            {"empty.vcd", QByteArray(), "not a value change dump"},
        };
        for (const auto& c : refused) {
            const std::string path = WriteText(dir, c.name, c.text);
            host.answers = {path};
            open->trigger();
            QVERIFY2(m_box.messages.size() == 1, c.name);
            const std::string& message = m_box.messages.front();
            QVERIFY2(message.find(path + " is not a trace this program writes: ") == 0,
                     message.c_str());
            QVERIFY2(message.find(c.problem) != std::string::npos, message.c_str());
            QVERIFY(!window.IsShowingTrace());
            m_box.messages.clear();
        }
        host.answers = {dir.filePath(QStringLiteral("missing.vcd")).toStdString()};
        open->trigger();
        QCOMPARE(m_box.messages.size(), std::size_t{1});
        m_box.messages.clear();

        host.answers = {WriteText(dir, "run.vcd", kTrace)};
        open->trigger();
        QVERIFY(m_box.messages.empty());
        QVERIFY(window.isVisible() && window.IsShowingTrace());
        CTimingDiagramView& view = *window.View();
        QCOMPARE(view.History()->RowCount(), std::size_t{2});
        QCOMPARE(view.History()->RowAt(0).note, std::string("motor"));
        QCOMPARE(view.FromMs(), 0.0);
        QCOMPARE(view.ToMs(), 200.0);
        QVERIFY(!window.FollowAction()->isEnabled());
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, PlotPoint(view, 150, 0));
        QCOMPARE(window.StatusLabel()->text(), QStringLiteral("Cursor 150ms: Y000.0=1  T001=10"));

        // Export Image: PNG and SVG of what is shown, the cursor included; other names refused.
        const std::string png = dir.filePath(QStringLiteral("trace.png")).toStdString();
        const std::string svg = dir.filePath(QStringLiteral("trace.svg")).toStdString();
        host.answers = {png, svg, dir.filePath(QStringLiteral("trace.txt")).toStdString()};
        for (int i = 0; i < 3; ++i) {
            window.ExportAction()->trigger();
        }
        QCOMPARE(host.saveRequests.front().defaultExtension, std::string("png"));
        QCOMPARE(m_box.messages.size(), std::size_t{1});
        QVERIFY2(m_box.messages.front().find("ending in .png or .svg") != std::string::npos,
                 m_box.messages.front().c_str());
        const QImage image(QString::fromStdString(png));
        QCOMPARE(image.width(), view.viewport()->width());
        QCOMPARE(image.height(),
                 static_cast<int>(TimingDiagram::kRulerHeight + 2 * TimingDiagram::kRowHeight + 1));
        // What the window shows of it is the same picture.
        const QImage shown = view.viewport()->grab().toImage();
        const int common = std::min(image.height(), shown.height());
        QCOMPARE(image.copy(0, 0, image.width(), common),
                 shown.copy(0, 0, image.width(), common).convertToFormat(image.format()));
        QFile svgFile(QString::fromStdString(svg));
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        const QByteArray document = svgFile.readAll();
        for (const char* part : {"<svg", "row-Y000.0", "row-T001", "cursor", "150ms"}) {
            QVERIFY2(document.contains(part), part);
        }
    }

    void testResultsStayBesideTheOutputWindow() {
        CMainFrame frame;
        Prepare(frame);
        frame.resize(1200, 900);
        FindAction(frame, QStringLiteral("Timing Diagram(&D)"))->trigger();
        FindAction(frame, QStringLiteral("Test Results(&O)"))->trigger();
        QApplication::processEvents();
        const QRect output = frame.OutputWindow()->geometry();
        const QRect tests = frame.TestResultsWindow()->geometry();
        const QRect timing = frame.TimingWindow()->geometry();
        QVERIFY(frame.TestResultsWindow()->isVisible());
        QCOMPARE(tests.top(), output.top());
        QVERIFY(tests.left() > output.right());
        QVERIFY(timing.bottom() < output.top());
    }

    void monitorModeDrawsTheWatchedSignals() {
        CMainFrame frame;
        Prepare(frame);
        QVERIFY(frame.OpenDocumentFile(kDemo));
        FindAction(frame, QStringLiteral("Single Scan(&N)"))->trigger();
        CSimMonitor& sim = *frame.Simulation();
        QVERIFY(sim.IsActive());
        for (const char* address : {"X000.0", "Y000.0"}) {
            frame.SignalsWindow()->AddressEdit()->setText(QString::fromLatin1(address));
            frame.SignalsWindow()->AddTypedAddress();
        }
        QAction* toggle = FindAction(frame, QStringLiteral("Timing Diagram(&D)"));
        QVERIFY(toggle);
        toggle->trigger();
        CTimingDiagramWindow& window = *frame.TimingWindow();
        QVERIFY(window.isVisible());
        CTimingDiagramView& view = *window.View();
        QCOMPARE(view.History(), &sim.History());
        QVERIFY(view.IsLive() && view.IsFollowing());

        // The start contact pressed: X000.0 and then the latched Y000.0 go high.
        sim.Advance(2);
        view.SetMsPerPixel(0.25);
        CRungpadView& ladder = *frame.ActiveChild()->View();
        const LogicalPoint centre{GridGeometry::CellLeft(0) + 35, GridGeometry::LineTop(0) - 20};
        QTest::mouseClick(ladder.viewport(), Qt::LeftButton, {}, ladder.Mapping().ToDevice(centre));
        const std::int64_t pressed = sim.Engine().TimeMs();
        sim.Advance(3);
        const SignalHistory& history = sim.History();
        QCOMPARE(history.RowCount(), std::size_t{2});
        QCOMPARE(history.ValueAt(0, pressed - 1)->value, 0u);
        QCOMPARE(history.ValueAt(0, pressed)->value, 1u);
        QCOMPARE(history.ValueAt(1, history.EndMs())->value, 1u);
        // A run shorter than the window grows from its left edge.
        QCOMPARE(view.FromMs(), static_cast<double>(history.StartMs()));
        QVERIFY(view.ToMs() > static_cast<double>(history.EndMs()));

        // The trace's rising edge is drawn: the high level's fill right of it, none left.
        QTest::qWait(50);
        const QImage shot = view.viewport()->grab().toImage();
        const int edge = static_cast<int>(view.XOf(static_cast<double>(pressed)));
        const int middle = PlotPoint(view, 0, 0).y();
        QCOMPARE(QColor(shot.pixel(edge + 2, middle)), QColor(214, 230, 250));
        QVERIFY(QColor(shot.pixel(edge - 2, middle)) != QColor(214, 230, 250));

        // A click on a name shows its address in the Cross Reference window.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, {20, middle});
        QVERIFY(frame.XrefWindow()->isVisible());
        QCOMPARE(frame.XrefWindow()->Filter()->text(), QStringLiteral("X000.0"));

        // A trace opened meanwhile is shown until the next run starts.
        QTemporaryDir dir;
        PathHost host;
        frame.SetDocumentHost(&host);
        host.answers = {WriteText(dir, "run.vcd", kTrace)};
        FindAction(frame, QStringLiteral("Open Trace(&K)..."))->trigger();
        QVERIFY(window.IsShowingTrace());
        frame.OnStartStopSimulation();
        frame.OnStartStopSimulation();
        QVERIFY(!window.IsShowingTrace());
        QCOMPARE(view.History(), &sim.History());
        frame.OnStartStopSimulation();
    }
};

QTEST_MAIN(TestTimingDiagram)
#include "tst_TimingDiagram.moc"
