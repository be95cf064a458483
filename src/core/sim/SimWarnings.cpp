#include "sim/SimWarnings.h"

#include <algorithm>

#include "model/Messages.h"

namespace rungpad {

namespace {

// The index of the first scan at or after timeMs: the scan that applies an event of that time.
std::int64_t ScanOf(std::int64_t timeMs, int periodMs) {
    return (timeMs + periodMs - 1) / periodMs;
}

std::string Assignment(const StimulusEvent& event) {
    return event.assignment.signal.name + '=' + std::to_string(event.assignment.value);
}

}  // namespace

bool SimWarnings::PresetNeverSet(const ScanEngine::TimerCounter& box, const Stimulus* stimulus,
                                 const std::vector<SignalAssignment>& assignments) {
    std::string problem;
    const std::optional<SimSignal> preset = SimSignal::Parse(box.presetWord, problem);
    // No instruction can write DT or DC (entry and conversion refuse them as destinations).
    if (!preset) {
        return false;
    }
    const auto sets = [&preset](const SignalAssignment& a) { return a.signal.Overlaps(*preset); };
    if (std::any_of(assignments.begin(), assignments.end(), sets)) {
        return false;
    }
    return stimulus == nullptr ||
           std::none_of(stimulus->Events().begin(), stimulus->Events().end(),
                        [&sets](const StimulusEvent& e) { return sets(e.assignment); });
}

std::string SimWarnings::PresetText(const ScanEngine::TimerCounter& box) {
    const bool timer = box.presetWord.starts_with("DT");
    const std::string number = std::to_string(box.number);
    const std::string line = std::to_string(box.line + 1);
    const std::initializer_list<std::string_view> arguments{box.instruction, number, line,
                                                            box.presetWord};
    return timer ? Messages::Format(
                       "%1 %2 on ladder line %3: its preset %4 is never set, so it "
                       "stays 0 and the timer is done in the first scan its input "
                       "is on",
                       arguments)
                 : Messages::Format(
                       "%1 %2 on ladder line %3: its preset %4 is never set, so it "
                       "stays 0 and the counter is at its preset from the start",
                       arguments);
}

std::vector<std::string> SimWarnings::Presets(const ScanEngine& engine, const Stimulus* stimulus,
                                              const std::vector<SignalAssignment>& forces) {
    std::vector<std::string> lines;
    for (const ScanEngine::TimerCounter& box : engine.TimersAndCounters()) {
        if (PresetNeverSet(box, stimulus, forces)) {
            lines.push_back(PresetText(box));
        }
    }
    return lines;
}

std::vector<std::string> SimWarnings::ForcedEvents(const Stimulus& stimulus,
                                                   const std::vector<SignalAssignment>& forces) {
    std::vector<std::string> lines;
    for (const StimulusEvent& event : stimulus.Events()) {
        const bool forced =
            std::any_of(forces.begin(), forces.end(), [&event](const SignalAssignment& f) {
                return f.signal.Overlaps(event.assignment.signal);
            });
        if (forced) {
            lines.push_back(Messages::Format(
                "stimulus line %1: %2 is forced, so the event does not change what is forced",
                {std::to_string(event.line), event.assignment.signal.name}));
        }
    }
    return lines;
}

std::vector<std::string> SimWarnings::Unseen(const Stimulus& stimulus, int periodMs) {
    std::vector<std::string> lines;
    const std::vector<StimulusEvent>& events = stimulus.Events();
    for (auto event = events.begin(); event != events.end(); ++event) {
        const auto next = std::find_if(event + 1, events.end(), [&event](const StimulusEvent& e) {
            return e.assignment.signal.name == event->assignment.signal.name;
        });
        if (next != events.end() && next->assignment.value != event->assignment.value &&
            ScanOf(next->timeMs, periodMs) == ScanOf(event->timeMs, periodMs)) {
            lines.push_back(Messages::Format(
                "stimulus line %1: %2 at %3ms is replaced at %4ms (line %5) before a scan sees it "
                "(a scan every %6ms)",
                {std::to_string(event->line), Assignment(*event), std::to_string(event->timeMs),
                 std::to_string(next->timeMs), std::to_string(next->line),
                 std::to_string(periodMs)}));
        }
    }
    return lines;
}

std::vector<std::string> SimWarnings::AfterEnd(const Stimulus& stimulus, int periodMs,
                                               std::int64_t scans) {
    std::vector<std::string> lines;
    const std::int64_t lastScanMs = (scans - 1) * periodMs;
    for (const StimulusEvent& event : stimulus.Events()) {
        if (event.timeMs > lastScanMs) {
            const std::string line = std::to_string(event.line);
            const std::string timeMs = std::to_string(event.timeMs);
            lines.push_back(scans > 0 ? Messages::Format("stimulus line %1: the event at %2ms "
                                                         "comes after the last scan (%3ms) and "
                                                         "is never applied",
                                                         {line, timeMs, std::to_string(lastScanMs)})
                                      : Messages::Format("stimulus line %1: the event at %2ms "
                                                         "comes after the last scan (none) and "
                                                         "is never applied",
                                                         {line, timeMs}));
        }
    }
    return lines;
}

}  // namespace rungpad
