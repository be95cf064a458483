// The timing diagram's drawing: edges where their times are, a bounded amount of drawing however
// many changes a pixel column holds, bus values, the cursor's values and forces; its texts and
// the SVG painter's escaping.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "sim/SignalHistory.h"
#include "timing/SvgPainter.h"
#include "timing/TimingDiagram.h"

namespace rungpad::test {

namespace {

SimSignal Named(const char* name) {
    std::string problem;
    return *SimSignal::Parse(name, problem);
}

// Keeps what each group (row) was drawn with.
class RecordingPainter : public DiagramPainter {
  public:
    struct Drawn {
        std::vector<std::vector<DiagramPoint>> lines;
        std::vector<std::string> texts;
        std::vector<DiagramColor> rectColors;
        std::size_t calls = 0;
    };

    void BeginGroup(std::string_view name) override { m_group = name; }
    void EndGroup() override { m_group.clear(); }
    void FillRect(double, double, double, double, DiagramColor color) override {
        m_groups[m_group].rectColors.push_back(color);
        ++m_groups[m_group].calls;
    }
    void Polyline(std::span<const DiagramPoint> points, DiagramColor) override {
        m_groups[m_group].lines.emplace_back(points.begin(), points.end());
        ++m_groups[m_group].calls;
    }
    void Text(double, double, std::string_view text, DiagramColor, Align) override {
        m_groups[m_group].texts.emplace_back(text);
        ++m_groups[m_group].calls;
    }
    const Drawn& Group(const std::string& name) { return m_groups[name]; }

  private:
    std::string m_group;
    std::map<std::string, Drawn> m_groups;
};

// The x of each vertical step of a polyline.
std::vector<double> EdgesOf(const std::vector<DiagramPoint>& line) {
    std::vector<double> edges;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i].x == line[i - 1].x && line[i].y != line[i - 1].y &&
            (edges.empty() || edges.back() != line[i].x)) {
            edges.push_back(line[i].x);
        }
    }
    return edges;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

}  // namespace

TEST(TimingDiagram, EdgesAreWhereTheirTimesAre) {
    SignalHistory history;
    history.SetSignals({Named("Y000.0")}, {"lamp"});
    history.Record(0, 0, 0, false);
    history.Record(0, 120, 1, false);
    history.Record(0, 360, 0, false);
    history.SetEnd(480);
    TimingDiagram diagram(history);
    diagram.SetWidth(1200);
    const struct {
        double from, to;
        std::vector<std::int64_t> edges;  // the changes inside the range
    } cases[] = {
        {0, 480, {120, 360}},
        {100, 200, {120}},        // zoomed in
        {0, 60'000, {120, 360}},  // zoomed out: both within a few columns
        {130, 350, {}},
    };
    for (const auto& c : cases) {
        diagram.SetRange(c.from, c.to);
        RecordingPainter painter;
        diagram.Draw(painter);
        const auto& row = painter.Group("row-Y000.0");
        ASSERT_EQ(row.lines.size(), 1u);
        std::vector<double> expected;
        for (const std::int64_t t : c.edges) {
            expected.push_back(std::floor(diagram.XOf(static_cast<double>(t))) + 0.5);
        }
        EXPECT_EQ(EdgesOf(row.lines[0]), expected) << c.from << ".." << c.to;
        // The trace runs from the left edge to the end of the history (or of the range).
        EXPECT_DOUBLE_EQ(row.lines[0].front().x, TimingDiagram::kPlotLeft);
        EXPECT_DOUBLE_EQ(row.lines[0].back().x, diagram.XOf(std::min(c.to, 480.0)));
        EXPECT_TRUE(Contains(row.texts, "lamp"));
    }
    EXPECT_NEAR(diagram.TimeAt(diagram.XOf(123.0)), 123.0, 1e-9);
}

TEST(TimingDiagram, DrawingStaysBoundedByTheWidth) {
    SignalHistory history(SignalHistory::Limits{0, 1u << 20});
    history.SetSignals({Named("Y000.0"), Named("D010")}, {});
    // A change every millisecond for 100 s: a hundred changes to a column at 1000 px.
    for (std::int64_t t = 0; t < 100'000; ++t) {
        history.Record(0, t, static_cast<std::uint32_t>(t % 2), false);
        history.Record(1, t, static_cast<std::uint32_t>(t), false);
    }
    TimingDiagram diagram(history);
    diagram.SetWidth(1200);
    diagram.SetRange(0, 100'000);
    RecordingPainter painter;
    diagram.Draw(painter);
    // Columns that each hold several changes make one solid block: a few calls for the row.
    const auto& bits = painter.Group("row-Y000.0");
    ASSERT_EQ(bits.lines.size(), 1u);
    EXPECT_LE(bits.lines[0].size(), 8u);
    EXPECT_LE(bits.calls, 8u);
    const auto& words = painter.Group("row-D010");
    EXPECT_LE(words.calls, 8u);

    // Changes every other column: one step each, the drawing bounded by the width.
    diagram.SetRange(0, 2 * (diagram.PlotRight() - TimingDiagram::kPlotLeft));
    RecordingPainter sparse;
    diagram.Draw(sparse);
    const double columns = diagram.PlotRight() - TimingDiagram::kPlotLeft;
    const auto& steps = sparse.Group("row-Y000.0");
    EXPECT_LE(static_cast<double>(steps.lines[0].size()), 2 * columns + 2);
    EXPECT_LE(static_cast<double>(steps.calls), columns + 8);
    EXPECT_LE(static_cast<double>(sparse.Group("row-D010").calls), 2 * columns + 8);
    // No room for a value between changes a pixel apart.
    EXPECT_FALSE(Contains(words.texts, "5000"));
}

TEST(TimingDiagram, KeptStepsDrawTheSameAsFoundOnes) {
    // A bounded live history: rows grow at the end, are cut at the start, a value at the same
    // time replaces the one before, and the rows change places.
    SignalHistory history(SignalHistory::Limits{2'000, 1u << 10});
    history.SetSignals({Named("Y000.0"), Named("D010")}, {});
    TraceCache cache;
    // The rows' lines and texts, the diagram placed by place.
    const auto drawnWith = [&](const std::function<void(TimingDiagram&)>& place, TraceCache* kept) {
        TimingDiagram diagram(history);
        diagram.SetWidth(600);
        place(diagram);
        diagram.SetTraceCache(kept);
        RecordingPainter painter;
        diagram.Draw(painter);
        std::vector<std::vector<DiagramPoint>> lines;
        std::vector<std::string> texts;
        for (const char* row : {"row-Y000.0", "row-D010"}) {
            lines.insert(lines.end(), painter.Group(row).lines.begin(),
                         painter.Group(row).lines.end());
            texts.insert(texts.end(), painter.Group(row).texts.begin(),
                         painter.Group(row).texts.end());
        }
        return std::pair{lines, texts};
    };
    const auto drawn = [&](double from, double to, TraceCache* kept) {
        return drawnWith([&](TimingDiagram& diagram) { diagram.SetRange(from, to); }, kept).first;
    };
    const auto same = [](const std::vector<std::vector<DiagramPoint>>& a,
                         const std::vector<std::vector<DiagramPoint>>& b) {
        if (a.size() != b.size()) {
            return false;
        }
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (!std::equal(
                    a[i].begin(), a[i].end(), b[i].begin(), b[i].end(),
                    [](DiagramPoint p, DiagramPoint q) { return p.x == q.x && p.y == q.y; })) {
                return false;
            }
        }
        return true;
    };
    std::int64_t t = 0;
    const auto run = [&](std::int64_t until) {
        for (; t <= until; t += 8) {
            history.Record(0, t, static_cast<std::uint32_t>(t / 24 % 2), false);
            history.Record(1, t, static_cast<std::uint32_t>(t / 8 % 7), t > 1'000);
        }
    };
    run(1'000);
    for (const auto& [from, to] :
         {std::pair{0.0, 1'000.0}, {0.0, 1'000.0}, {300.0, 700.0}, {0.0, 1'000.0}}) {
        EXPECT_TRUE(same(drawn(from, to, &cache), drawn(from, to, nullptr))) << from;
    }
    run(1'500);  // grown at the end: the same range shows more
    EXPECT_TRUE(same(drawn(0, 1'600, &cache), drawn(0, 1'600, nullptr)));
    EXPECT_TRUE(same(drawn(0, 1'600, &cache), drawn(0, 1'600, nullptr)));
    history.Record(0, t - 8, 1 - history.RowAt(0).changes.back().value, false);  // replaced
    EXPECT_TRUE(same(drawn(0, 1'600, &cache), drawn(0, 1'600, nullptr)));
    run(4'000);  // cut at the start
    EXPECT_TRUE(same(drawn(1'500, 4'000, &cache), drawn(1'500, 4'000, nullptr)));
    history.SetSignals({Named("D010"), Named("Y000.0")}, {});
    EXPECT_TRUE(same(drawn(1'500, 4'000, &cache), drawn(1'500, 4'000, nullptr)));

    // Following the run on whole pixel columns, a few scans between drawings, at a scale that
    // joins columns into blocks and at one that shows single steps and values.
    const auto gridDrawn = [&](double msPerPixel, std::int64_t column, TraceCache* kept) {
        return drawnWith([&](TimingDiagram& diagram) { diagram.SetGrid(msPerPixel, column); },
                         kept);
    };
    for (const double msPerPixel : {7.3, 1.9, 0.4}) {
        cache.Clear();
        for (int frame = 0; frame < 40; ++frame) {
            run(t + 24);
            const double plot = 600 - TimingDiagram::kPlotLeft - TimingDiagram::kRightMargin;
            const auto column = static_cast<std::int64_t>(
                std::ceil((static_cast<double>(history.EndMs()) - plot * msPerPixel) / msPerPixel));
            const auto kept = gridDrawn(msPerPixel, column, &cache);
            const auto found = gridDrawn(msPerPixel, column, nullptr);
            EXPECT_TRUE(same(kept.first, found.first)) << msPerPixel << " " << frame;
            EXPECT_EQ(kept.second, found.second) << msPerPixel << " " << frame;
        }
        history.Record(1, t - 8, 99, true);  // the last change replaced
        const double plot = 600 - TimingDiagram::kPlotLeft - TimingDiagram::kRightMargin;
        const auto column = static_cast<std::int64_t>(
            std::ceil((static_cast<double>(history.EndMs()) - plot * msPerPixel) / msPerPixel));
        EXPECT_TRUE(same(gridDrawn(msPerPixel, column, &cache).first,
                         gridDrawn(msPerPixel, column, nullptr).first));
        // Scrolled back a little: the kept columns from there on serve.
        EXPECT_TRUE(same(gridDrawn(msPerPixel, column - 30, &cache).first,
                         gridDrawn(msPerPixel, column - 30, nullptr).first));
    }
}

TEST(TimingDiagram, StepsTooCloseToDrawApartAreOneBlock) {
    // A bit's steps are drawn apart from 3 pixels on; a bus's crossings (6 pixels wide) need a
    // few pixels of level between them, from 10 pixels on: closer ones are one solid block.
    constexpr DiagramColor kBlock{16, 88, 176};
    const struct {
        const char* signal;
        int pixels;  // between changes
        bool block;
    } cases[] = {{"X000.0", 2, true}, {"X000.0", 3, false}, {"D010", 6, true},
                 {"D010", 9, true},   {"D010", 10, false},  {"D010", 14, false}};
    for (const auto& c : cases) {
        SignalHistory history;
        history.SetSignals({Named(c.signal)}, {});
        for (int i = 0; i < 6; ++i) {
            history.Record(0, 100 + i * c.pixels, static_cast<std::uint32_t>(i % 2), false);
        }
        history.SetEnd(400);
        TimingDiagram diagram(history);
        // One millisecond a pixel.
        diagram.SetWidth(TimingDiagram::kPlotLeft + 400 + TimingDiagram::kRightMargin);
        diagram.SetGrid(1, 0);
        RecordingPainter painter;
        diagram.Draw(painter);
        const auto& row = painter.Group(std::string("row-") + c.signal);
        const auto blocks = std::count(row.rectColors.begin(), row.rectColors.end(), kBlock);
        EXPECT_EQ(blocks, c.block ? 1 : 0) << c.signal << " " << c.pixels << " pixels apart";
    }
}

TEST(TimingDiagram, BusValuesCursorAndForces) {
    SignalHistory history;
    history.SetSignals({Named("R100"), Named("X000.1")}, {});
    history.Record(0, 0, 0, false);
    history.Record(0, 200, 63, false);
    history.Record(0, 210, 64, false);  // too short a segment for its value
    history.Record(1, 0, 0, false);
    history.Record(1, 300, 1, true);
    history.SetEnd(1000);
    TimingDiagram diagram(history);
    diagram.SetWidth(1200);
    diagram.SetRange(0, 1000);

    RecordingPainter painter;
    diagram.Draw(painter);
    const auto& bus = painter.Group("row-R100");
    EXPECT_EQ(bus.lines.size(), 2u);  // upper and lower edge
    EXPECT_TRUE(Contains(bus.texts, "0"));
    EXPECT_FALSE(Contains(bus.texts, "63"));
    // Without a cursor the values are those at the end; the forced one is marked.
    EXPECT_EQ(std::count(bus.texts.begin(), bus.texts.end(), "64"), 2);  // segment and value
    const auto& forced = painter.Group("row-X000.1");
    EXPECT_TRUE(Contains(forced.texts, "F"));
    EXPECT_EQ(
        std::count(forced.rectColors.begin(), forced.rectColors.end(), DiagramColor{255, 226, 186}),
        1);
    EXPECT_TRUE(Contains(painter.Group("ruler").texts, "end"));
    EXPECT_TRUE(painter.Group("cursor").texts.empty());

    diagram.SetCursor(205);
    RecordingPainter atCursor;
    diagram.Draw(atCursor);
    EXPECT_TRUE(Contains(atCursor.Group("row-R100").texts, "63"));
    EXPECT_TRUE(Contains(atCursor.Group("row-X000.1").texts, "0"));
    EXPECT_FALSE(Contains(atCursor.Group("row-X000.1").texts, "F"));
    EXPECT_TRUE(Contains(atCursor.Group("ruler").texts, "205ms"));
    EXPECT_TRUE(Contains(atCursor.Group("cursor").texts, "205ms"));
    const double x = std::floor(diagram.XOf(205)) + 0.5;
    ASSERT_EQ(atCursor.Group("cursor").lines.size(), 1u);
    EXPECT_DOUBLE_EQ(atCursor.Group("cursor").lines[0][0].x, x);

    // Rows and the places they take.
    diagram.SetRows(1);
    EXPECT_EQ(diagram.ShownRows(), 1u);
    EXPECT_EQ(diagram.RowAt(TimingDiagram::kRulerHeight + 3), 1u);
    EXPECT_FALSE(diagram.RowAt(3));
    EXPECT_FALSE(diagram.RowAt(TimingDiagram::kRulerHeight + TimingDiagram::kRowHeight + 1));
}

TEST(TimingDiagram, Texts) {
    const struct {
        std::int64_t ms;
        const char* text;
    } times[] = {{0, "0"},       {8, "8ms"},          {999, "999ms"}, {1000, "1s"},
                 {1500, "1.5s"}, {61'234, "61.234s"}, {-40, "-40ms"}, {600'000, "600s"}};
    for (const auto& t : times) {
        EXPECT_EQ(TimingDiagram::TimeText(t.ms), t.text);
    }
    const struct {
        double msPerPixel;
        std::int64_t step;
    } steps[] = {{0.001, 1}, {0.05, 5}, {1, 100}, {1.2, 200}, {6, 1000}, {600, 100'000}};
    for (const auto& s : steps) {
        EXPECT_EQ(TimingDiagram::TickStep(s.msPerPixel, 90), s.step) << s.msPerPixel;
    }
}

TEST(SvgPainter, EscapesAndFormats) {
    const struct {
        std::string text;
        const char* escaped;
    } texts[] = {
        {"a<b & \"c\" 'd'>", "a&lt;b &amp; &quot;c&quot; &apos;d&apos;&gt;"},
        {"\xE5\x90\xAF\xE5\x8A\xA8", "\xE5\x90\xAF\xE5\x8A\xA8"},  // 启动 stays
        {std::string("a\0b\x01\x7F", 5), "ab"},                    // control characters go
        {"\xFF\xC3", "??"},                                        // not UTF-8
        {"\xE5\x90", "??"},                                        // cut short
        {"\xC0\xAF", "??"},                                        // overlong
        {"\xED\xA0\x80", "???"},                                   // a surrogate
    };
    for (const auto& t : texts) {
        EXPECT_EQ(SvgPainter::Escape(t.text), t.escaped) << t.text;
    }
    EXPECT_EQ(SvgPainter::Number(1.5), "1.5");
    EXPECT_EQ(SvgPainter::Number(270.0), "270");
    EXPECT_EQ(SvgPainter::Number(-0.001), "0");
    EXPECT_EQ(SvgPainter::Number(1.0 / 3), "0.33");
    EXPECT_EQ(SvgPainter::Number(std::nan("")), "0");
    SvgPainter painter(10, 20, "t<");
    painter.BeginGroup("row");
    painter.Text(1, 2, "x", {}, DiagramPainter::Align::kCenter);
    const std::string document = painter.Document();
    EXPECT_NE(document.find("<title>t&lt;</title>"), std::string::npos);
    EXPECT_NE(document.find("text-anchor=\"middle\">x</text>\n</g>\n</svg>\n"), std::string::npos);
}

}  // namespace rungpad::test
