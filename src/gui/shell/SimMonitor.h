#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <string>
#include <vector>

#include "sim/GridEvaluator.h"
#include "sim/ScanEngine.h"

namespace rungpad {

class CLadConvert;
class CRungpadView;

// Monitor mode of one view: runs the scan engine on the view's converted program in simulated
// time at a chosen speed, refreshes the power flow drawn on the view at most 30 times a second
// (repainting only the cells whose state changed), and turns clicks on X and F contacts into
// input changes (Shift+click forces any contact or coil).
class CSimMonitor : public QObject {
    Q_OBJECT

  public:
    static constexpr int kRefreshMs = 33;
    static constexpr int kMaxScansPerTick = 2000;

    explicit CSimMonitor(QObject* parent = nullptr);
    ~CSimMonitor() override;

    // Loads converter's step list and puts view into monitor mode, running. False with message
    // when the engine refuses the program; nothing changes then.
    bool Start(CRungpadView& view, const CLadConvert& converter, std::string& message);
    // Back to editing; the program was never touched.
    void Stop();
    bool IsActive() const { return !m_view.isNull(); }
    CRungpadView* View() const { return m_view.data(); }

    void SetPaused(bool paused);
    bool IsPaused() const { return m_paused; }
    // One scan now (the run pauses), then the display follows.
    void SingleScan();
    // Simulated time per real time: 1 runs at the real scan rate.
    void SetSpeed(double speed) { m_speed = speed > 0 ? speed : 1.0; }
    double Speed() const { return m_speed; }

    // A click on a cell in monitor mode: an X or F contact toggles its input; with force, any
    // contact or coil is forced to the inverse of its value, or released when forced already.
    void OnCellClicked(int column, int line, bool force);

    ScanEngine& Engine() { return m_engine; }
    const std::vector<LinePower>& Power() const { return m_power; }
    // Evaluates the grid again and repaints the cells whose state changed.
    void Refresh();

  signals:
    // The run stopped by itself (a scan failed); message says why.
    void Halted(const QString& message);

  private:
    void OnTick();
    bool RunScans(std::int64_t count);

    ScanEngine m_engine;
    QPointer<CRungpadView> m_view;
    std::vector<LinePower> m_power;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_speed = 1.0;
    double m_dueMs = 0;
    bool m_paused = false;
};

}  // namespace rungpad
