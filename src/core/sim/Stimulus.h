#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimSignal.h"

namespace rungpad {

class SignalMemory;

// One "SIGNAL=VALUE" assignment: of a stimulus event, a force, or an edit in the signal table.
struct SignalAssignment {
    SimSignal signal;
    std::uint32_t value = 0;

    // Parses "X000.0=1", "R100=0x3F", "DT0001=500"; the value must fit the signal.
    static std::optional<SignalAssignment> Parse(std::string_view text, std::string& problem);
};

struct StimulusEvent {
    std::int64_t timeMs = 0;
    SignalAssignment assignment;
    int line = 0;  // 1-based line of the stimulus text
};

// A stimulus script: one event a line, "TIME SIGNAL=VALUE" (0ms X000.0=1, 2s R100=5), '#'
// comments and blank lines ignored. Events are kept in time order (stable for equal times).
class Stimulus {
  public:
    // Parses text (a leading UTF-8 byte order mark passed over); false with message
    // "stimulus line N: ..." for the first malformed line.
    bool Parse(std::string_view text, std::string& message);
    const std::vector<StimulusEvent>& Events() const { return m_events; }

    // Writes every event from next on whose time is at most timeMs; returns the new next.
    std::size_t ApplyDue(std::int64_t timeMs, std::size_t next, SignalMemory& memory) const;

    // "120ms", "2s", "0": a duration in milliseconds; none when malformed or above a day.
    static std::optional<std::int64_t> ParseDuration(std::string_view text);
    // Why ParseDuration refuses text: malformed, or above the longest allowed (which it names).
    static std::string DurationProblem(std::string_view text);
    // Whether text is a well-formed duration above the longest allowed.
    static bool IsAboveLongestDuration(std::string_view text);
    // The longest allowed, as a message says it.
    static std::string LongestDurationText();

  private:
    // ParseDuration without the upper limit.
    static std::optional<std::int64_t> ParseAnyDuration(std::string_view text);

    std::vector<StimulusEvent> m_events;
};

}  // namespace rungpad
