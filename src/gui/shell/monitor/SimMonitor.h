#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "sim/GridEvaluator.h"
#include "sim/ScanEngine.h"
#include "sim/SignalHistory.h"
#include "sim/SimRunner.h"
#include "sim/Stimulus.h"
#include "sim/VcdRecording.h"
#include "sim/WatchList.h"

namespace rungpad {

class AddressNotes;
class CLadConvert;
class CRungpadView;
struct LadderTestCase;

// Monitor mode of one view: runs the scan engine on the view's converted program in simulated
// time at a chosen speed, refreshes the power flow drawn on the view at most 30 times a second
// (repainting only the cells whose state changed), and turns clicks on X and F contacts into
// input changes (Shift+click forces any contact or coil). It keeps the watched signals of the
// signal table, plays a loaded stimulus in simulated time and records the run to a VCD file.
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
    // Evaluates the grid again, repaints the cells whose state changed and reads the watched
    // signals, timers and counters (then Refreshed).
    void Refresh();
    // Runs count scans now, as the timer does (stimulus before, recording after each), then
    // refreshes; false when the run stopped (Halted).
    bool Advance(std::int64_t count);

    // The watched signals; kept across runs.
    WatchList& Watch() { return m_watch; }
    // The changes of the watched signals in simulated time, for the timing diagram: every scan
    // and every refresh add to it; a run starts it anew, a stop keeps it.
    const SignalHistory& History() const { return m_history; }
    const std::vector<ScanEngine::TimerCounter>& TimersAndCounters() const { return m_boxes; }
    // Whether the preset of box (an index of TimersAndCounters) was never set by the stimulus
    // or a value written in this run: it is 0, so the timer is done at once.
    bool PresetNeverSet(std::size_t box) const {
        return box < m_presetNeverSet.size() && m_presetNeverSet[box];
    }
    // Writes (or with force holds) the value valueText gives to signal, by the watch list's
    // rules, and shows it. False with problem when the value does not fit or nothing runs.
    bool Assign(const SimSignal& signal, const std::string& valueText, bool force,
                std::string& problem);
    void Release(const SimSignal& signal);

    // Reads and checks the stimulus file at path and plays it: from the start of each run, and
    // from the next scan when a run is on. False with error (nothing changes) when the file
    // cannot be read or a line is malformed.
    bool LoadStimulus(const std::string& path, std::string& error);
    void UnloadStimulus();
    // Plays testCase in a run that has not scanned yet (right after Start): its forces and
    // initial values, then its stimulus up to and including the scan at timeMs, and pauses there.
    // The case's stimulus stays loaded (named label), so the run goes on from there as the case
    // would. False when nothing runs, the run has scanned already or it stopped on the way.
    bool ReplayCase(const LadderTestCase& testCase, std::int64_t timeMs, const std::string& label);
    const std::string& StimulusPath() const { return m_stimulusPath; }
    // The loaded stimulus; nullptr when none is.
    const Stimulus* LoadedStimulus() const { return m_stimulus.get(); }

    // Records the watched signals (every coil of the program when none are watched), with their
    // notes, from the next scan on; the VCD file is written when recording or the run stops.
    // False with error when nothing runs or path cannot be written.
    bool StartRecording(const std::string& path, const AddressNotes& notes, std::string& error);
    // Ends the recording and writes its file (RecordingWritten tells how that went); false when
    // the file cannot be written, the file that was there then stays as it was.
    bool StopRecording();
    bool IsRecording() const { return m_recording != nullptr; }

  signals:
    // The run stopped by itself (a scan failed); message says why.
    void Halted(const QString& message);
    // After each refresh (at most 30 times a second while running, and after every change).
    void Refreshed();
    void ActiveChanged(bool active);
    // A recording ended and its file was written (error empty) or not.
    void RecordingWritten(const QString& path, const QString& error);

  private:
    void OnTick();
    // Repaints the view for the forced marks of its contacts and coils.
    void ShowForceMarks();
    bool RunScans(std::int64_t count);
    // Which presets nobody sets, after a start, a stimulus or a written value.
    void CheckPresets();
    // The history's rows become the watch list's, when they are not already.
    void FollowWatchList();

    ScanEngine m_engine;
    SimRunner m_runner{m_engine};
    WatchList m_watch;
    SignalHistory m_history;
    std::vector<ScanEngine::TimerCounter> m_boxes;
    std::vector<bool> m_presetNeverSet;
    std::vector<SignalAssignment> m_written;  // values written in the signal table this run
    std::unique_ptr<Stimulus> m_stimulus;
    std::string m_stimulusPath;
    std::unique_ptr<VcdRecording> m_recording;
    QPointer<CRungpadView> m_view;
    std::vector<LinePower> m_power;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_speed = 1.0;
    double m_dueMs = 0;
    bool m_paused = false;
};

}  // namespace rungpad
