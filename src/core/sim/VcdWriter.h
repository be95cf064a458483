#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimSignal.h"

namespace rungpad {

class SimTrace;
struct TraceChange;

// A Value Change Dump (IEEE 1364) of a trace: bits as wires, bytes and words as vectors, each
// named by its address ('.' written '_') and its note; time in milliseconds. Written as the run
// goes: the header when made, each change as it comes, the end time last; every piece of text
// goes to the emit function, so a dump of any length needs no more memory.
class VcdWriter {
  public:
    using Emit = std::function<void(std::string_view text)>;

    // notes[i] is the UTF-8 note of signals[i] (empty: none; missing entries: none). Emits the
    // header.
    VcdWriter(const std::vector<SimSignal>& signals, const std::vector<std::string>& notes,
              Emit emit);
    void Change(const TraceChange& change);
    // Closes the dump at endMs (after the last change's time).
    void Finish(std::int64_t endMs);

    // The whole dump of a kept trace.
    static std::string Write(const SimTrace& trace, const std::vector<std::string>& notes,
                             std::int64_t endMs);

    // The short identifier code of signal i: printable characters '!' to '~', base 94.
    static std::string IdentifierOf(std::size_t index);
    // The reference name: the address with '.' as '_', then '_' and the note with blanks as '_'.
    static std::string ReferenceOf(const std::string& address, const std::string& note);

  private:
    std::vector<int> m_widths;
    Emit m_emit;
    std::int64_t m_time = -1;
    bool m_first = true;
    bool m_dumping = false;
};

}  // namespace rungpad
