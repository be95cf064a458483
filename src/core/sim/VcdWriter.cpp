#include "sim/VcdWriter.h"

#include "sim/SimTrace.h"

namespace rungpad {

namespace {

std::string ValueText(std::uint32_t value, int width, const std::string& id) {
    if (width == 1) {
        return (value != 0 ? "1" : "0") + id + "\n";
    }
    std::string bits = "b";
    for (int i = width - 1; i >= 0; --i) {
        bits += ((value >> i) & 1u) != 0 ? '1' : '0';
    }
    return bits + " " + id + "\n";
}

}  // namespace

std::string VcdWriter::IdentifierOf(std::size_t index) {
    std::string id;
    do {
        id += static_cast<char>('!' + index % 94);
        index /= 94;
    } while (index > 0);
    return id;
}

std::string VcdWriter::ReferenceOf(const std::string& address, const std::string& note) {
    std::string name;
    for (char c : address) {
        name += c == '.' ? '_' : c;
    }
    if (!note.empty()) {
        name += '_';
        for (char c : note) {
            const auto byte = static_cast<unsigned char>(c);
            name += byte <= ' ' || c == '$' || c == 0x7F ? '_' : c;
        }
    }
    return name;
}

std::string VcdWriter::Write(const SimTrace& trace, const std::vector<std::string>& notes,
                             std::int64_t endMs) {
    std::string text =
        "$version Rungpad ladder simulation $end\n$timescale 1ms $end\n$scope module ladder $end\n";
    const auto& signals = trace.Signals();
    for (std::size_t i = 0; i < signals.size(); ++i) {
        const std::string note = i < notes.size() ? notes[i] : std::string();
        text += "$var " + std::string(signals[i].IsBit() ? "wire" : "reg") + " " +
                std::to_string(signals[i].Width()) + " " + IdentifierOf(i) + " " +
                ReferenceOf(signals[i].name, note) + " $end\n";
    }
    text += "$upscope $end\n$enddefinitions $end\n";
    bool dumping = false;
    std::int64_t time = -1;
    for (const TraceChange& change : trace.Changes()) {
        if (change.timeMs != time) {
            if (dumping) {
                text += "$end\n";
                dumping = false;
            }
            time = change.timeMs;
            text += '#';
            text += std::to_string(time);
            text += '\n';
            if (&change == trace.Changes().data()) {
                text += "$dumpvars\n";
                dumping = true;
            }
        }
        text +=
            ValueText(change.value, signals[change.signal].Width(), IdentifierOf(change.signal));
    }
    if (dumping) {
        text += "$end\n";
    }
    if (endMs > time) {
        text += '#';
        text += std::to_string(endMs);
        text += '\n';
    }
    return text;
}

}  // namespace rungpad
