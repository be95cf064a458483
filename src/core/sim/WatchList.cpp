#include "sim/WatchList.h"

#include <algorithm>
#include <optional>
#include <set>

#include "model/AddressNotes.h"
#include "model/LadProgram.h"
#include "model/Messages.h"
#include "model/PlcAddress.h"
#include "model/TextCodec.h"
#include "sim/SignalMemory.h"
#include "sim/Stimulus.h"

namespace rungpad {

bool WatchList::Add(std::string_view text, const AddressNotes& notes, std::string& problem) {
    std::string trimmed(text);
    trimmed.erase(0, trimmed.find_first_not_of(" \t"));
    trimmed.erase(trimmed.find_last_not_of(" \t") + 1);
    if (trimmed.empty()) {
        problem = Messages::Text("type an address such as X000.0, R100 or DT0001");
        return false;
    }
    const std::optional<SimSignal> signal = SimSignal::Parse(trimmed, problem);
    if (!signal) {
        return false;
    }
    const bool watched = std::any_of(m_entries.begin(), m_entries.end(), [&](const WatchEntry& e) {
        return e.signal.name == signal->name;
    });
    if (watched) {
        problem = Messages::Format("'%1' is watched already", {signal->name});
        return false;
    }
    m_entries.push_back({*signal, NoteOf(notes, *signal)});
    return true;
}

void WatchList::Remove(std::size_t index) {
    if (index < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::vector<SimSignal> WatchList::Signals() const {
    std::vector<SimSignal> signals;
    for (const WatchEntry& entry : m_entries) {
        signals.push_back(entry.signal);
    }
    return signals;
}

void WatchList::UpdateNotes(const AddressNotes& notes) {
    for (WatchEntry& entry : m_entries) {
        entry.note = NoteOf(notes, entry.signal);
    }
}

bool WatchList::Update(const SignalMemory& memory) {
    bool changed = false;
    for (WatchEntry& entry : m_entries) {
        const std::uint32_t value = entry.signal.Read(memory);
        const bool forced = entry.signal.IsForced(memory);
        changed = changed || value != entry.value || forced != entry.forced;
        entry.value = value;
        entry.forced = forced;
    }
    return changed;
}

bool WatchList::Assign(const SimSignal& signal, std::string_view valueText, bool force,
                       SignalMemory& memory, std::string& problem) {
    const std::optional<SignalAssignment> assignment =
        SignalAssignment::Parse(signal.name + "=" + std::string(valueText), problem);
    if (!assignment) {
        return false;
    }
    if (force) {
        signal.Force(memory, assignment->value);
    } else {
        signal.Write(memory, assignment->value);
    }
    return true;
}

std::string WatchList::NoteOf(const AddressNotes& notes, const SimSignal& signal) {
    const std::string* note = nullptr;
    if (signal.IsBit()) {
        note = notes.FindBitNote(signal.name);
    } else if (signal.bytes == 1) {
        const int index = AddressNotes::EntryIndex(
            signal.name[0], PlcAddress::LeadingNumber(signal.name.substr(1), 4));
        note = index >= 0 ? &notes.At(index)[AddressNotes::kByteNote] : nullptr;
    }
    return note != nullptr ? TextCodec::GbkToUtf8(*note) : std::string();
}

std::vector<SimSignal> WatchList::CoilsOf(const LadProgram& program) {
    std::vector<SimSignal> coils;
    std::set<std::string> seen;
    for (int i = 0; i < program.LineCount(); ++i) {
        const LadCell& cell = program.Line(i).cells[LadLine::kColumns - 1];
        std::string problem;
        const std::optional<SimSignal> signal =
            Element::IsCoil(cell.code) ? SimSignal::Parse(cell.Text(), problem) : std::nullopt;
        if (signal && seen.insert(signal->name).second) {
            coils.push_back(*signal);
        }
    }
    return coils;
}

}  // namespace rungpad
