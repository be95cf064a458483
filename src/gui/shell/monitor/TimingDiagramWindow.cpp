#include "shell/monitor/TimingDiagramWindow.h"

#include <QAction>
#include <QBuffer>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

#include "model/FileIo.h"
#include "shell/monitor/QtDiagramPainter.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/monitor/TimingDiagramView.h"
#include "shell/panels/DockTitle.h"
#include "sim/SignalHistory.h"
#include "sim/VcdReader.h"
#include "text/QtText.h"
#include "timing/TimingSvg.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

bool EndsWith(const std::string& text, std::string_view end) {
    if (text.size() < end.size()) {
        return false;
    }
    return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

// The diagram as a PNG file's bytes.
QByteArray PngOf(const TimingDiagram& diagram) {
    QImage image(static_cast<int>(std::ceil(diagram.Width())),
                 static_cast<int>(std::ceil(diagram.Height())), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        CQtDiagramPainter diagramPainter(painter);
        diagram.Draw(diagramPainter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

CTimingDiagramWindow::CTimingDiagramWindow(CSimMonitor& monitor, QWidget* parent)
    : QDockWidget(parent), m_monitor(monitor) {
    setObjectName(QStringLiteral("TimingDiagramWindow"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    m_view = new CTimingDiagramView(body);
    CreateToolBar(body);
    layout->addWidget(m_view, 1);
    m_status = new QLabel(body);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);
    setWidget(body);
    Retranslate();

    connect(m_view, &CTimingDiagramView::CursorChanged, this, &CTimingDiagramWindow::ShowStatus);
    connect(m_view, &CTimingDiagramView::FollowingChanged, m_follow, &QAction::setChecked);
    connect(m_view, &CTimingDiagramView::SignalNameClicked, this,
            &CTimingDiagramWindow::SignalNameClicked);
    connect(&m_monitor, &CSimMonitor::Refreshed, this, &CTimingDiagramWindow::OnRefreshed);
    connect(&m_monitor, &CSimMonitor::ActiveChanged, this, [this](bool active) {
        if (active) {
            ShowLive();
        }
    });
    ShowLive();
}

CTimingDiagramWindow::~CTimingDiagramWindow() = default;

void CTimingDiagramWindow::CreateToolBar(QWidget* body) {
    auto* bar = new QToolBar(body);
    bar->setIconSize({16, 16});
    body->layout()->addWidget(bar);
    m_zoomIn = bar->addAction(QString(), m_view, &CTimingDiagramView::ZoomIn);
    m_zoomOut = bar->addAction(QString(), m_view, &CTimingDiagramView::ZoomOut);
    m_fitAll = bar->addAction(QString(), m_view, &CTimingDiagramView::FitAll);
    m_follow = bar->addAction(QString());
    m_follow->setCheckable(true);
    connect(m_follow, &QAction::triggered, m_view, &CTimingDiagramView::SetFollowing);
    bar->addSeparator();
    m_export = bar->addAction(QString());
    connect(m_export, &QAction::triggered, this, &CTimingDiagramWindow::ExportRequested);
    // The same commands on the diagram's right-click menu.
    m_view->addActions(bar->actions());
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CTimingDiagramWindow::Retranslate() {
    DockTitle::Set(*this, tr("Timing Diagram"));
    m_zoomIn->setText(tr("Zoom In (+)"));
    m_zoomIn->setToolTip(tr("Zoom in (+, Ctrl+wheel)"));
    m_zoomOut->setText(tr("Zoom Out (-)"));
    m_zoomOut->setToolTip(tr("Zoom out (-, Ctrl+wheel)"));
    m_fitAll->setText(tr("Fit All"));
    m_fitAll->setToolTip(tr("The whole run across the window (0)"));
    m_follow->setText(tr("Follow"));
    m_follow->setToolTip(
        tr("Keep the end of the run in view; scrolling back pauses it (End resumes)"));
    m_export->setText(tr("Export Image..."));
    m_export->setToolTip(tr("The diagram as shown, as a PNG or SVG picture"));
}

void CTimingDiagramWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        ShowStatus();
    }
    QDockWidget::changeEvent(event);
}

void CTimingDiagramWindow::ShowLive() {
    m_trace.reset();
    m_traceName.clear();
    m_view->SetHistory(&m_monitor.History(), true);
    m_follow->setEnabled(true);
    m_follow->setChecked(m_view->IsFollowing());
    ShowStatus();
}

bool CTimingDiagramWindow::OpenTrace(const std::string& path, std::string& error) {
    std::vector<std::uint8_t> bytes;
    if (!FileIo::ReadFile(path, bytes, error)) {
        return false;
    }
    std::string problem;
    std::optional<SignalHistory> trace = VcdReader::Read(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), problem);
    if (!trace) {
        error = tr("%1 is not a trace this program writes: %2")
                    .arg(QtText::FromLocalPath(path), QtText::ToQString(problem))
                    .toStdString();
        return false;
    }
    m_trace = std::make_unique<SignalHistory>(std::move(*trace));
    m_traceName = QtText::FromLocalPath(FileIo::FileName(path));
    m_view->SetHistory(m_trace.get(), false);
    m_follow->setChecked(false);
    m_follow->setEnabled(false);
    ShowStatus();
    return true;
}

bool CTimingDiagramWindow::ExportImage(const std::string& path, std::string& error) const {
    const bool svg = EndsWith(path, ".svg");
    if (!svg && !EndsWith(path, ".png")) {
        error = tr("%1: choose a name ending in .png or .svg")
                    .arg(QtText::FromLocalPath(path))
                    .toStdString();
        return false;
    }
    const SignalHistory* history = m_view->History();
    if (!history || history->RowCount() == 0) {
        error = tr("The timing diagram shows no signals: nothing to export").toStdString();
        return false;
    }
    const TimingDiagram diagram = m_view->Diagram(true);
    const QByteArray bytes =
        svg ? QByteArray::fromStdString(TimingSvg::Render(diagram, TitleText().toStdString()))
            : PngOf(diagram);
    return FileIo::WriteFileAtomically(path,
                                       {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())},
                                       error);
}

void CTimingDiagramWindow::OnRefreshed() {
    // Drawing costs only while the window is seen and the run brought something new (not
    // while it is paused).
    const std::uint64_t revision = m_monitor.History().Revision();
    if (!m_trace && isVisible() && revision != m_shownRevision) {
        m_shownRevision = revision;
        m_view->HistoryChanged();
    }
}

void CTimingDiagramWindow::ShowStatus() {
    QString text = m_view->CursorText();
    if (text.isEmpty()) {
        text = m_trace ? tr("Trace %1: click to read the values at a time").arg(m_traceName)
                       : tr("Monitor mode's watched signals: click to read the values at a time");
    }
    m_status->setText(text);
}

QString CTimingDiagramWindow::TitleText() const {
    return m_trace ? QStringLiteral("Timing Diagram - %1").arg(m_traceName)
                   : QStringLiteral("Timing Diagram");
}

}  // namespace rungpad
