#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/ScanEngine.h"
#include "sim/Stimulus.h"

namespace rungpad {

// What a run would otherwise get wrong without a word, said before it starts: presets nobody
// sets (0, so a timer is done at once), stimulus events on forced signals, events after the
// last scan and values replaced before any scan sees them.
class SimWarnings {
  public:
    // Whether no stimulus event and none of assignments (forces, values typed in the signal
    // table) writes the preset (DT, DC) of a timer or counter box; false for TMRB, whose preset
    // is a constant.
    static bool PresetNeverSet(const ScanEngine::TimerCounter& box, const Stimulus* stimulus,
                               const std::vector<SignalAssignment>& assignments);
    // "TMR 1 on ladder line 3: its preset DT0001 is never set, so it stays 0 ...".
    static std::string PresetText(const ScanEngine::TimerCounter& box);
    // One line for each box of the loaded program whose preset is never set.
    static std::vector<std::string> Presets(const ScanEngine& engine, const Stimulus* stimulus,
                                            const std::vector<SignalAssignment>& forces);
    // One line for each event on a signal that forces hold.
    static std::vector<std::string> ForcedEvents(const Stimulus& stimulus,
                                                 const std::vector<SignalAssignment>& forces);
    // One line for each value replaced by the next event on its signal before a scan sees it
    // (a pulse between two scans).
    static std::vector<std::string> Unseen(const Stimulus& stimulus, int periodMs);
    // One line for each event after the last of scans scans.
    static std::vector<std::string> AfterEnd(const Stimulus& stimulus, int periodMs,
                                             std::int64_t scans);
};

}  // namespace rungpad
