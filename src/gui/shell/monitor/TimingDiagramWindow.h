#pragma once

#include <QDockWidget>
#include <cstdint>
#include <memory>
#include <string>

class QAction;
class QLabel;

namespace rungpad {

class CSimMonitor;
class CTimingDiagramView;
class SignalHistory;

// The "Timing Diagram" docking window: the watched signals of monitor mode over simulated time,
// drawn live as the run goes, or a trace read from a VCD file. A tool bar zooms, fits, follows
// the run and exports the picture; a line below tells what is shown and the values at the
// cursor.
class CTimingDiagramWindow : public QDockWidget {
    Q_OBJECT

  public:
    explicit CTimingDiagramWindow(CSimMonitor& monitor, QWidget* parent = nullptr);
    ~CTimingDiagramWindow() override;

    // Shows the run of monitor mode (the last one, when none runs).
    void ShowLive();
    // Reads the VCD file at path and shows it. False with error (nothing changes) when the file
    // cannot be read or is not a trace this program writes.
    bool OpenTrace(const std::string& path, std::string& error);
    bool IsShowingTrace() const { return m_trace != nullptr; }
    // Writes the diagram as shown (every row) to path: SVG for a name ending in .svg, PNG for
    // one ending in .png. False with error, the file that was there kept, otherwise.
    bool ExportImage(const std::string& path, std::string& error) const;

    CTimingDiagramView* View() const { return m_view; }
    QLabel* StatusLabel() const { return m_status; }
    QAction* ExportAction() const { return m_export; }
    QAction* FollowAction() const { return m_follow; }

  signals:
    // Export Image... was chosen: the frame asks where to.
    void ExportRequested();
    // A click on a signal's name.
    void SignalNameClicked(const QString& name);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void CreateToolBar(QWidget* body);
    // Every text of the window in the current language.
    void Retranslate();
    void OnRefreshed();
    // What is shown, or the values at the cursor.
    void ShowStatus();
    // The title an exported picture carries: a file's contents, in the program's own words.
    QString TitleText() const;

    CSimMonitor& m_monitor;
    std::unique_ptr<SignalHistory> m_trace;
    QString m_traceName;
    CTimingDiagramView* m_view = nullptr;
    QLabel* m_status = nullptr;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_fitAll = nullptr;
    QAction* m_follow = nullptr;
    QAction* m_export = nullptr;
    std::uint64_t m_shownRevision = 0;  // of the live history, when last shown
};

}  // namespace rungpad
