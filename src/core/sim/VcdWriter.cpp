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

VcdWriter::VcdWriter(const std::vector<SimSignal>& signals, const std::vector<std::string>& notes,
                     Emit emit)
    : m_emit(std::move(emit)) {
    std::string text =
        "$version Rungpad ladder simulation $end\n$timescale 1ms $end\n$scope module ladder $end\n";
    for (std::size_t i = 0; i < signals.size(); ++i) {
        const std::string note = i < notes.size() ? notes[i] : std::string();
        text += "$var " + std::string(signals[i].IsBit() ? "wire" : "reg") + " " +
                std::to_string(signals[i].Width()) + " " + IdentifierOf(i) + " " +
                ReferenceOf(signals[i].name, note) + " $end\n";
        m_widths.push_back(signals[i].Width());
    }
    text += "$upscope $end\n$enddefinitions $end\n";
    m_emit(text);
}

void VcdWriter::Change(const TraceChange& change) {
    std::string text;
    if (change.timeMs != m_time) {
        if (m_dumping) {
            text += "$end\n";
            m_dumping = false;
        }
        m_time = change.timeMs;
        text += '#';
        text += std::to_string(m_time);
        text += '\n';
        if (m_first) {
            text += "$dumpvars\n";
            m_dumping = true;
        }
    }
    m_first = false;
    const int width = change.signal < m_widths.size() ? m_widths[change.signal] : 1;
    text += ValueText(change.value, width, IdentifierOf(change.signal));
    m_emit(text);
}

void VcdWriter::Finish(std::int64_t endMs) {
    std::string text;
    if (m_dumping) {
        text += "$end\n";
        m_dumping = false;
    }
    if (endMs > m_time) {
        text += '#';
        text += std::to_string(endMs);
        text += '\n';
    }
    m_emit(text);
}

std::string VcdWriter::Write(const SimTrace& trace, const std::vector<std::string>& notes,
                             std::int64_t endMs) {
    std::string text;
    VcdWriter writer(trace.Signals(), notes, [&text](std::string_view piece) { text += piece; });
    for (const TraceChange& change : trace.Changes()) {
        writer.Change(change);
    }
    writer.Finish(endMs);
    return text;
}

}  // namespace rungpad
