#include "shell/monitor/SimMonitor.h"

#include <algorithm>

#include "model/FileIo.h"
#include "model/LadProgram.h"
#include "sim/LadderTestRunner.h"
#include "sim/SimSignal.h"
#include "sim/SimWarnings.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

CSimMonitor::CSimMonitor(QObject* parent) : QObject(parent) {
    m_runner.SetHistory(&m_history);
    m_timer.setInterval(kRefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &CSimMonitor::OnTick);
}

CSimMonitor::~CSimMonitor() {
    Stop();
}

bool CSimMonitor::Start(CRungpadView& view, const CLadConvert& converter, std::string& message) {
    Stop();
    if (!view.Program() || !m_engine.Load(converter, message)) {
        return false;
    }
    m_view = &view;
    m_power = GridEvaluator::Evaluate(*view.Program(), m_engine.Memory());
    view.SetMonitor(&m_power, &m_engine.Memory());
    connect(&view, &CRungpadView::MonitorClicked, this, &CSimMonitor::OnCellClicked);
    m_paused = false;
    m_dueMs = 0;
    m_runner.SetStimulus(m_stimulus.get());
    m_boxes = m_engine.TimersAndCounters();
    m_written.clear();
    CheckPresets();
    m_watch.Update(m_engine.Memory());
    m_history.Clear();
    FollowWatchList();
    m_history.Sample(m_engine.TimeMs(), m_engine.Memory());
    m_clock.start();
    m_timer.start();
    emit ActiveChanged(true);
    return true;
}

void CSimMonitor::Stop() {
    m_timer.stop();
    StopRecording();
    const bool wasActive = IsActive();
    if (m_view) {
        disconnect(m_view, &CRungpadView::MonitorClicked, this, &CSimMonitor::OnCellClicked);
        m_view->SetMonitor(nullptr, nullptr);
    }
    m_view = nullptr;
    m_power.clear();
    m_boxes.clear();
    m_presetNeverSet.clear();
    if (wasActive) {
        emit ActiveChanged(false);
    }
}

bool CSimMonitor::Advance(std::int64_t count) {
    const bool running = IsActive() && RunScans(count);
    Refresh();
    return running;
}

bool CSimMonitor::Assign(const SimSignal& signal, const std::string& valueText, bool force,
                         std::string& problem) {
    if (!IsActive()) {
        problem = tr("values can be set while the simulation runs").toStdString();
        return false;
    }
    if (!WatchList::Assign(signal, valueText, force, m_engine.Memory(), problem)) {
        return false;
    }
    if (force) {
        ShowForceMarks();
    }
    m_written.push_back({signal, 0});
    CheckPresets();
    Refresh();
    return true;
}

void CSimMonitor::CheckPresets() {
    m_presetNeverSet.clear();
    for (const ScanEngine::TimerCounter& box : m_boxes) {
        m_presetNeverSet.push_back(SimWarnings::PresetNeverSet(box, m_stimulus.get(), m_written));
    }
}

void CSimMonitor::Release(const SimSignal& signal) {
    if (IsActive()) {
        signal.Release(m_engine.Memory());
        ShowForceMarks();
        Refresh();
    }
}

void CSimMonitor::ShowForceMarks() {
    // A force at the value a signal has changes no power, so Refresh would not repaint its mark.
    if (m_view) {
        m_view->viewport()->update();
    }
}

bool CSimMonitor::LoadStimulus(const std::string& path, std::string& error) {
    std::vector<std::uint8_t> bytes;
    auto stimulus = std::make_unique<Stimulus>();
    if (!FileIo::ReadFile(path, bytes, error)) {
        return false;
    }
    if (!stimulus->Parse(std::string(bytes.begin(), bytes.end()), error)) {
        error = path + ": " + error;
        return false;
    }
    m_stimulus = std::move(stimulus);
    m_stimulusPath = path;
    m_runner.SetStimulus(m_stimulus.get());
    CheckPresets();
    return true;
}

void CSimMonitor::UnloadStimulus() {
    m_runner.SetStimulus(nullptr);
    m_stimulus.reset();
    m_stimulusPath.clear();
}

bool CSimMonitor::ReplayCase(const LadderTestCase& testCase, std::int64_t timeMs,
                             const std::string& label) {
    if (!IsActive() || m_engine.ScanCount() != 0) {
        return false;
    }
    SetPaused(true);
    LadderTestRunner::WriteStart(testCase, m_engine.Memory());
    m_stimulus = std::make_unique<Stimulus>(testCase.stimulus);
    m_stimulusPath = label;
    m_runner.SetStimulus(m_stimulus.get());
    ShowForceMarks();
    return Advance(LadderTestRunner::ScansThrough(timeMs, m_engine.PeriodMs()));
}

bool CSimMonitor::StartRecording(const std::string& path, const AddressNotes& notes,
                                 std::string& error) {
    if (!IsActive() || !m_view->Program()) {
        error = tr("recording needs a running simulation").toStdString();
        return false;
    }
    error = FileIo::WriteRefusal(path);
    if (!error.empty()) {
        return false;
    }
    std::vector<SimSignal> recorded = m_watch.Signals();
    if (recorded.empty()) {
        recorded = WatchList::CoilsOf(*m_view->Program());
    }
    std::vector<std::string> texts;
    for (const SimSignal& signal : recorded) {
        texts.push_back(WatchList::NoteOf(notes, signal));
    }
    m_recording = std::make_unique<VcdRecording>(path, std::move(recorded), std::move(texts));
    m_runner.SetTrace(&m_recording->Trace());
    return true;
}

bool CSimMonitor::StopRecording() {
    m_runner.SetTrace(nullptr);
    const std::unique_ptr<VcdRecording> recording = std::move(m_recording);
    if (!recording) {
        return true;
    }
    std::string error;
    const bool written = recording->Write(m_engine.TimeMs(), error);
    emit RecordingWritten(QtText::FromLocalPath(recording->Path()), QtText::ToQString(error));
    return written;
}

void CSimMonitor::SetPaused(bool paused) {
    m_paused = paused;
    m_dueMs = 0;
    m_clock.restart();
}

void CSimMonitor::SingleScan() {
    if (!IsActive()) {
        return;
    }
    SetPaused(true);
    RunScans(1);
    Refresh();
}

bool CSimMonitor::RunScans(std::int64_t count) {
    if (m_engine.IsStopped()) {
        return false;
    }
    FollowWatchList();
    if (!m_runner.Run(count)) {
        m_paused = true;
        emit Halted(QtText::ToQString(m_engine.StopMessage()));
        return false;
    }
    return true;
}

void CSimMonitor::OnTick() {
    if (!m_view) {
        Stop();
        return;
    }
    if (!m_paused) {
        // Scans due since the last tick at the chosen speed; a slow machine skips, never piles up.
        m_dueMs += static_cast<double>(m_clock.restart()) * m_speed;
        const auto due = static_cast<std::int64_t>(m_dueMs / m_engine.PeriodMs());
        m_dueMs -= static_cast<double>(due * m_engine.PeriodMs());
        RunScans(std::min<std::int64_t>(due, kMaxScansPerTick));
    }
    Refresh();
}

void CSimMonitor::Refresh() {
    if (!m_view || !m_view->Program()) {
        return;
    }
    const LadProgram& program = *m_view->Program();
    std::vector<LinePower> power = GridEvaluator::Evaluate(program, m_engine.Memory());
    const bool sameShape = power.size() == m_power.size();
    for (std::size_t line = 0; line < power.size(); ++line) {
        for (int column = 0; column < LadLine::kColumns; ++column) {
            const CellPower& now = power[line][static_cast<std::size_t>(column)];
            const CellPower* before =
                sameShape ? &m_power[line][static_cast<std::size_t>(column)] : nullptr;
            const bool box =
                Element::IsBoxCell(program.Line(static_cast<int>(line)).Cell(column).code);
            if (box || !before || now.left != before->left || now.right != before->right ||
                now.closed != before->closed) {
                m_view->InvalidateCell({column, static_cast<int>(line)});
            }
        }
    }
    m_power = std::move(power);
    m_watch.Update(m_engine.Memory());
    // Values set between scans show at once, at the time the next scan runs at.
    FollowWatchList();
    m_history.Sample(m_engine.TimeMs(), m_engine.Memory());
    m_engine.ReadTimersAndCounters(m_boxes);
    emit Refreshed();
}

void CSimMonitor::OnCellClicked(int column, int line, bool force) {
    if (!m_view || !m_view->Program() || !m_view->Program()->IsValidLine(line)) {
        return;
    }
    const LadCell& cell = m_view->Program()->Line(line).Cell(column);
    if (!Element::IsContact(cell.code) && !(force && Element::IsCoil(cell.code))) {
        return;
    }
    std::string problem;
    const std::optional<SimSignal> signal = SimSignal::Parse(cell.Text(), problem);
    if (!signal) {
        return;
    }
    SignalMemory& memory = m_engine.Memory();
    const std::uint32_t value = signal->Read(memory);
    if (force) {
        signal->IsForced(memory) ? signal->Release(memory) : signal->Force(memory, value ? 0 : 1);
    } else if (cell.Text().front() == 'X' || cell.Text().front() == 'F') {
        signal->Write(memory, value ? 0 : 1);
    }
    Refresh();
}

void CSimMonitor::FollowWatchList() {
    const std::vector<WatchEntry>& entries = m_watch.Entries();
    const std::vector<SignalHistory::Row>& rows = m_history.Rows();
    const bool same =
        std::equal(entries.begin(), entries.end(), rows.begin(), rows.end(),
                   [](const WatchEntry& entry, const SignalHistory::Row& row) {
                       return entry.signal.name == row.signal.name && entry.note == row.note;
                   });
    if (same) {
        return;
    }
    std::vector<std::string> notes;
    notes.reserve(entries.size());
    for (const WatchEntry& entry : entries) {
        notes.push_back(entry.note);
    }
    m_history.SetSignals(m_watch.Signals(), notes);
}

}  // namespace rungpad
