// The stimulus reader on arbitrary text: a refusal names its line and keeps no event; an accepted
// script has its events in time order, each within the longest time, and plays into the signal
// memory to its end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "sim/SignalMemory.h"
#include "sim/Stimulus.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Stimulus stimulus;
    std::string message;
    if (!stimulus.Parse(text, message)) {
        fuzz::Require(message.starts_with("stimulus line "), "a refusal names its line");
        fuzz::Require(message.size() < 400, "a refusal is short, whatever the line holds");
        fuzz::Require(stimulus.Events().empty(), "a refused script keeps no event");
        return 0;
    }
    std::int64_t last = 0;
    for (const StimulusEvent& event : stimulus.Events()) {
        fuzz::Require(event.timeMs >= last, "events in time order");
        fuzz::Require(event.timeMs <= 24LL * 3600 * 1000, "times within a day");
        fuzz::Require(event.assignment.value <= event.assignment.signal.MaxValue(),
                      "values fit their signal");
        last = event.timeMs;
    }
    SignalMemory memory;
    const std::size_t played = stimulus.ApplyDue(last, 0, memory);
    fuzz::Require(played == stimulus.Events().size(), "every event plays by the last time");
    return 0;
}
