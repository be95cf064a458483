#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimSignal.h"

namespace rungpad {

class AddressNotes;
class LadProgram;
class SignalMemory;

// One watched signal with what the signal table shows of it.
struct WatchEntry {
    SimSignal signal;
    std::string note;  // UTF-8; empty when the address has none
    std::uint32_t value = 0;
    bool forced = false;
};

// The signals a simulation watches: the rows of the signal table, and what a recording records.
// Addresses and values are checked by the same rules as the stimulus format; each signal is
// watched once.
class WatchList {
  public:
    // Watches the signal named by text, with its note from notes. False with problem when text
    // names no signal or one already watched.
    bool Add(std::string_view text, const AddressNotes& notes, std::string& problem);
    // Entries outside the list are ignored.
    void Remove(std::size_t index);
    void Clear() { m_entries.clear(); }
    const std::vector<WatchEntry>& Entries() const { return m_entries; }
    std::vector<SimSignal> Signals() const;
    // Takes the notes again (another document, edited notes).
    void UpdateNotes(const AddressNotes& notes);
    // Reads every value and force from memory; true when any changed since the last update.
    bool Update(const SignalMemory& memory);

    // Writes the value valueText gives to signal, or with force holds it there (a forced signal
    // stays forced at the new value). False with problem when the value does not fit the signal.
    static bool Assign(const SimSignal& signal, std::string_view valueText, bool force,
                       SignalMemory& memory, std::string& problem);
    // The UTF-8 note of a bit, or the byte note of a byte; empty for words and addresses without.
    static std::string NoteOf(const AddressNotes& notes, const SimSignal& signal);
    // Every coil of program in line order, each once: what a run watches when nothing is chosen.
    static std::vector<SimSignal> CoilsOf(const LadProgram& program);

  private:
    std::vector<WatchEntry> m_entries;
};

}  // namespace rungpad
