#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rungpad {

class SimTrace;

// A Value Change Dump (IEEE 1364) of a trace: bits as wires, bytes and words as vectors, each
// named by its address ('.' written '_') and its note; time in milliseconds.
class VcdWriter {
  public:
    // notes[i] is the UTF-8 note of watched signal i (empty: none; missing entries: none).
    static std::string Write(const SimTrace& trace, const std::vector<std::string>& notes,
                             std::int64_t endMs);

    // The short identifier code of signal i: printable characters '!' to '~', base 94.
    static std::string IdentifierOf(std::size_t index);
    // The reference name: the address with '.' as '_', then '_' and the note with blanks as '_'.
    static std::string ReferenceOf(const std::string& address, const std::string& note);
};

}  // namespace rungpad
