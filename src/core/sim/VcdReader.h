#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sim/SignalHistory.h"

namespace rungpad {

// Reads back the Value Change Dumps this program writes (rungpad-cli sim --vcd, the traces of
// failing ladder tests, Record VCD in the editor) into a signal history. Only that subset is
// understood: one scope, wires and regs of 1 to 32 bits named by a signal address (and its note),
// a timescale of 1ms, values of 0 and 1. Anything else is refused with a message that names what
// was not understood and the line it is on. Reading is one pass over the text.
class VcdReader {
  public:
    static constexpr std::size_t kMaxSignals = 256;
    // Changes kept from one file, shared out among its signals; a longer trace keeps its end.
    static constexpr std::size_t kMaxTraceChanges = 1u << 22;
    static constexpr std::int64_t kMaxTimeMs = 1'000'000'000'000'000;

    // The history the dump text holds, its end the dump's last time; none with problem set
    // ("line N: ...") when text is not a dump of ours.
    static std::optional<SignalHistory> Read(std::string_view text, std::string& problem);

    // The address and note a reference name of the writer stands for ("X000_0_start" with a
    // width of 1 is X000.0 with the note "start"); false when it names no signal of that width.
    static bool ParseReference(std::string_view reference, int width, SimSignal& signal,
                               std::string& note);
};

}  // namespace rungpad
