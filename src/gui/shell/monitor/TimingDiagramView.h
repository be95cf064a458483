#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/monitor/GlyphStamps.h"
#include "shell/monitor/LineStamps.h"
#include "timing/TimingDiagram.h"

namespace rungpad {

class SignalHistory;

// The timing diagram on screen: a signal history drawn by TimingDiagram through a QPainter, one
// row per signal under a time ruler. Zoom (Ctrl+wheel, + and -, fit all) keeps the time under
// the mouse or the cursor in place; the horizontal scroll bar moves through time, the vertical
// one through the rows. A live history is followed at its end until the user scrolls back, and
// again once scrolled to the end. A click on the plot puts the cursor there (the value column
// then shows every value at it); a click on a signal's name asks for its address.
class CTimingDiagramView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    static constexpr double kDefaultMsPerPixel = 10;
    static constexpr double kMinMsPerPixel = 0.05;
    static constexpr double kZoomStep = 1.5;
    // Pixels one wheel step or arrow key moves through time.
    static constexpr int kScrollPixels = 60;

    explicit CTimingDiagramView(QWidget* parent = nullptr);

    // Shows history (nullptr: nothing), live (followed while it grows) or a finished trace (fit
    // whole). The history must outlive its showing.
    void SetHistory(const SignalHistory* history, bool live);
    const SignalHistory* History() const { return m_history; }
    bool IsLive() const { return m_live; }
    // The history grew or changed: scroll bars, the followed end and the picture follow.
    void HistoryChanged();

    // Scale in ms per pixel, kept between kMinMsPerPixel and what shows the whole history.
    void SetMsPerPixel(double msPerPixel);
    double MsPerPixel() const { return m_msPerPixel; }
    // Zooms in (factor > 1) or out, keeping the time at anchorX (a viewport x) in place; without
    // one the cursor's time when shown, else the middle (the end while following).
    void ZoomBy(double factor, std::optional<double> anchorX = std::nullopt);
    void ZoomIn() { ZoomBy(kZoomStep); }
    void ZoomOut() { ZoomBy(1 / kZoomStep); }
    // The whole history across the plot, also when the window is resized, until zoomed or
    // scrolled.
    void FitAll();
    // Moves the left edge to fromMs (kept inside the history); following stops unless that is
    // the end.
    void ScrollTo(double fromMs);
    double FromMs() const { return m_fromMs; }
    double ToMs() const { return m_fromMs + m_msPerPixel * PlotWidth(); }
    void SetFollowing(bool following);
    bool IsFollowing() const { return m_following; }

    void SetCursorTime(std::optional<std::int64_t> timeMs);
    std::optional<std::int64_t> CursorTime() const { return m_cursorMs; }
    // "Cursor 1.5s: X000.0=1  D010=25 (forced)"; empty without a cursor.
    QString CursorText() const;

    // The diagram as the view shows it (range, cursor, width), with every row when allRows.
    TimingDiagram Diagram(bool allRows) const;
    // The viewport x of a time, and the time at one.
    double XOf(double timeMs) const;
    double TimeAt(double x) const;

  signals:
    void CursorChanged();
    void FollowingChanged(bool following);
    // A click on the name of a signal.
    void SignalNameClicked(const QString& name);
    // Zoom or scroll moved the shown range.
    void RangeChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    double PlotWidth() const;
    double StartMs() const;
    double EndMs() const;
    // The largest scale: the whole history across the plot.
    double MaxMsPerPixel() const;
    int VisibleRows() const;
    // The left edge where following puts it, and the last one scrolling reaches.
    double LastFromMs() const;
    // The left edge kept inside the history (at the end while following).
    void ClampRange();
    // While following, the left edge is on whole pixel columns of time.
    bool OnGrid() const;
    void UpdateScrollBars();
    void ShowRange();
    void PlaceCursor(double x);
    void DrawHint(QPainter& painter) const;
    // What the picture of the plot's rows shows: while it stays, a repaint reuses them.
    struct PictureKey {
        const SignalHistory* history = nullptr;
        std::uint64_t revision = 0;
        double fromMs = 0;
        double toMs = 0;
        double msPerPixel = 0;
        double width = 0;
        double height = 0;
        std::size_t firstRow = 0;
        qreal pixelRatio = 1;
        friend bool operator==(const PictureKey&, const PictureKey&) = default;
    };
    // What the rest of the picture shows (ruler, names, values): the cursor and the language too.
    struct FrameKey {
        PictureKey rows;
        std::optional<std::int64_t> cursorMs;
        Language language = Language::Original;
        friend bool operator==(const FrameKey&, const FrameKey&) = default;
    };
    PictureKey KeyOf(const TimingDiagram& diagram) const;
    // The viewport beside a diagram of size filled.
    void FillBeside(QPainter& painter, QSize size) const;
    // Where the plot's rows lie in the viewport (the line below them not included).
    static QRect RowsRect(const TimingDiagram& diagram);
    // The rows without the cursor drawn into the picture.
    void DrawRows(const TimingDiagram& diagram);
    // The picture's ruler, values, the line below the rows, and the names when asked, drawn
    // anew.
    void DrawFrame(const TimingDiagram& diagram, bool names);
    // What the names column shows: the first row, then each row's name and note.
    std::vector<std::string> NamesOf(const TimingDiagram& diagram) const;

    const SignalHistory* m_history = nullptr;
    bool m_live = false;
    double m_msPerPixel = kDefaultMsPerPixel;
    double m_fromMs = 0;
    bool m_following = true;
    bool m_fitWhole = false;  // fit all until the user zooms or scrolls: kept when resized
    std::optional<std::int64_t> m_cursorMs;
    double m_scrollScale = 1;  // pixels of time per unit of the horizontal scroll bar
    bool m_settingScrollBars = false;
    // The rows' pixel columns last drawn: a repaint of the same range, or of one scrolled on,
    // reuses them.
    TraceCache m_traceCache;
    // The rows the last repaint showed: new ones are drawn straight into the window.
    PictureKey m_shownKey;
    // The diagram without the cursor's line over the rows, made when the same rows are shown
    // again: a repaint then draws only what changed into it (nothing when a window is
    // uncovered; the ruler, names and values when the cursor moves).
    QImage m_picture;
    PictureKey m_pictureKey;
    FrameKey m_frameKey;
    std::vector<std::string> m_frameNames;
    // The labels' glyphs and the crossings' lines as drawn before.
    CGlyphStamps m_stamps;
    CLineStamps m_lineStamps;
};

}  // namespace rungpad
