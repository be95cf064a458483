#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/SimTrace.h"

namespace rungpad {

// A recording of a running simulation to a Value Change Dump file: the trace collects the
// changes while it runs, Write puts them into the file in one safe write when it ends, so an
// interrupted run never leaves a half-written dump over a good file.
class VcdRecording {
  public:
    // notes[i] is the UTF-8 note of watched[i].
    VcdRecording(std::string path, std::vector<SimSignal> watched, std::vector<std::string> notes)
        : m_path(std::move(path)), m_trace(std::move(watched)), m_notes(std::move(notes)) {}

    const std::string& Path() const { return m_path; }
    SimTrace& Trace() { return m_trace; }
    const SimTrace& Trace() const { return m_trace; }

    // Writes the dump, ending at endMs, to the path (temporary file, then rename). False with
    // error when it cannot be written; whatever file was there is then left as it was.
    bool Write(std::int64_t endMs, std::string& error) const;

  private:
    std::string m_path;
    SimTrace m_trace;
    std::vector<std::string> m_notes;
};

}  // namespace rungpad
