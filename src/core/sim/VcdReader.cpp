#include "sim/VcdReader.h"
#include "model/Messages.h"

#include <algorithm>
#include <map>
#include <vector>

namespace rungpad {

namespace {

// Whitespace-separated words of the text with the line each starts on.
class VcdTokens {
  public:
    explicit VcdTokens(std::string_view text) : m_text(text) {}

    // The next word, empty at the end of the text.
    std::string_view Next() {
        while (m_at < m_text.size() && static_cast<unsigned char>(m_text[m_at]) <= ' ') {
            if (m_text[m_at] == '\n') {
                ++m_line;
            }
            ++m_at;
        }
        const std::size_t start = m_at;
        while (m_at < m_text.size() && static_cast<unsigned char>(m_text[m_at]) > ' ') {
            ++m_at;
        }
        if (m_at > start) {
            m_wordLine = m_line;
        }
        return m_text.substr(start, m_at - start);
    }
    // The line of the last word (at the end of the text, the last word's).
    int Line() const { return m_wordLine; }

  private:
    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
    int m_wordLine = 1;
};

// A word for a message: quoted, a long one shortened, bytes outside printable ASCII as '?'.
std::string Shown(std::string_view word) {
    std::string text;
    for (const char c : word.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < ' ' || byte > '~' ? '?' : c;
    }
    return "'" + text + (word.size() > 40 ? "...'" : "'");
}

std::optional<std::int64_t> Number(std::string_view digits, std::int64_t max) {
    if (digits.empty() || digits.size() > 18 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    if (value > max) {
        return std::nullopt;
    }
    return value;
}

struct VcdVariable {
    SimSignal signal;
    std::string note;
};

class VcdParser {
  public:
    explicit VcdParser(std::string_view text) : m_tokens(text) {}

    std::optional<SignalHistory> Parse(std::string& problem) {
        if (!ReadHeader() || !ReadChanges()) {
            problem = Messages::Format("line %1: %2", {std::to_string(m_problemLine), m_problem});
            return std::nullopt;
        }
        m_history->SetEnd(m_time);
        return std::move(*m_history);
    }

  private:
    bool Fail(std::string problem) {
        m_problemLine = m_tokens.Line();
        m_problem = std::move(problem);
        return false;
    }

    // The words up to "$end" of the section opened by keyword.
    bool Section(std::string_view keyword, std::vector<std::string_view>& words) {
        words.clear();
        for (std::string_view word = m_tokens.Next(); word != "$end"; word = m_tokens.Next()) {
            if (word.empty()) {
                return Fail(Messages::Format("%1 has no $end", {keyword}));
            }
            if (words.size() == 16) {
                return Fail(
                    Messages::Format("%1 is longer than a trace of ours writes", {keyword}));
            }
            words.push_back(word);
        }
        return true;
    }

    bool ReadHeader() {
        std::vector<std::string_view> words;
        int depth = 0;
        for (;;) {
            const std::string_view word = m_tokens.Next();
            if (word.empty()) {
                return Fail(std::string(Messages::Text(
                    "the file ends before $enddefinitions: not a value change dump")));
            }
            if (word == "$version" || word == "$date" || word == "$comment") {
                if (!SkipToEnd(word)) {
                    return false;
                }
            } else if (word == "$timescale") {
                if (!Section(word, words) || !CheckTimescale(words)) {
                    return false;
                }
            } else if (word == "$scope") {
                if (!Section(word, words)) {
                    return false;
                }
                if (++depth > 1) {
                    return Fail(std::string(Messages::Text(
                        "a scope inside a scope is not understood: traces of ours have one")));
                }
            } else if (word == "$upscope") {
                if (!Section(word, words)) {
                    return false;
                }
                --depth;
            } else if (word == "$var") {
                if (!Section(word, words) || !AddVariable(words)) {
                    return false;
                }
            } else if (word == "$enddefinitions") {
                return Section(word, words) && StartChanges();
            } else {
                return Fail(Messages::Format("%1 is not understood in the header of a trace",
                                             {Shown(word)}));
            }
        }
    }

    bool SkipToEnd(std::string_view keyword) {
        for (std::string_view word = m_tokens.Next(); word != "$end"; word = m_tokens.Next()) {
            if (word.empty()) {
                return Fail(Messages::Format("%1 has no $end", {keyword}));
            }
        }
        return true;
    }

    bool CheckTimescale(const std::vector<std::string_view>& words) {
        std::string unit;
        for (const std::string_view word : words) {
            unit += word;
        }
        if (unit != "1ms") {
            return Fail(Messages::Format(
                "timescale %1 is not understood: traces of ours count in 1ms", {Shown(unit)}));
        }
        m_timescale = true;
        return true;
    }

    bool AddVariable(const std::vector<std::string_view>& words) {
        if (words.size() != 4) {
            return Fail(
                Messages::Format("a $var of %1 words is not understood: traces of ours "
                                 "give type, size, code and name",
                                 {std::to_string(words.size())}));
        }
        if (words[0] != "wire" && words[0] != "reg") {
            return Fail(Messages::Format("variable type %1 is not understood: only wire and reg",
                                         {Shown(words[0])}));
        }
        const std::optional<std::int64_t> width = Number(words[1], 32);
        if (!width || *width == 0) {
            return Fail(Messages::Format("variable size %1 is not understood: 1 to 32 bits",
                                         {Shown(words[1])}));
        }
        VcdVariable variable;
        if (!VcdReader::ParseReference(words[3], static_cast<int>(*width), variable.signal,
                                       variable.note)) {
            return Fail(*width == 1 ? Messages::Format("variable %1 of 1 bit names no signal "
                                                       "address of that size (X000_0, R100, "
                                                       "D010 ...)",
                                                       {Shown(words[3])})
                                    : Messages::Format("variable %1 of %2 bits names no signal "
                                                       "address of that size (X000_0, R100, "
                                                       "D010 ...)",
                                                       {Shown(words[3]), std::to_string(*width)}));
        }
        if (m_variables.size() == VcdReader::kMaxSignals) {
            return Fail(
                Messages::Format("more than %1 signals", {std::to_string(VcdReader::kMaxSignals)}));
        }
        const auto sameName = [&variable](const VcdVariable& v) {
            return v.signal.name == variable.signal.name;
        };
        if (std::any_of(m_variables.begin(), m_variables.end(), sameName)) {
            return Fail(Messages::Format("%1 is declared twice", {variable.signal.name}));
        }
        if (!m_codes.emplace(std::string(words[2]), m_variables.size()).second) {
            return Fail(Messages::Format("code %1 is declared twice", {Shown(words[2])}));
        }
        m_variables.push_back(std::move(variable));
        return true;
    }

    bool StartChanges() {
        if (!m_timescale) {
            return Fail(std::string(Messages::Text("no $timescale: traces of ours count in 1ms")));
        }
        if (m_variables.empty()) {
            return Fail(std::string(Messages::Text("the trace has no signals")));
        }
        const std::size_t perRow =
            std::min(SignalHistory::kMaxChanges, VcdReader::kMaxTraceChanges / m_variables.size());
        m_history.emplace(SignalHistory::Limits{0, perRow});
        for (VcdVariable& variable : m_variables) {
            m_history->AddRow(std::move(variable.signal), std::move(variable.note));
        }
        return true;
    }

    bool ReadChanges() {
        bool dumping = false;
        for (std::string_view word = m_tokens.Next(); !word.empty(); word = m_tokens.Next()) {
            if (word[0] == '#') {
                if (!ReadTime(word.substr(1))) {
                    return false;
                }
            } else if (word == "$dumpvars" && !dumping) {
                dumping = true;
            } else if (word == "$end" && dumping) {
                dumping = false;
            } else if (word[0] == '$') {
                return Fail(Messages::Format(
                    "%1 is not understood: traces of ours hold only times and values",
                    {Shown(word)}));
            } else if (!ReadValue(word)) {
                return false;
            }
        }
        if (dumping) {
            return Fail(std::string(Messages::Text("$dumpvars has no $end")));
        }
        return true;
    }

    bool ReadTime(std::string_view digits) {
        const std::optional<std::int64_t> time = Number(digits, VcdReader::kMaxTimeMs);
        if (!time) {
            return Fail(Messages::Format("time %1 is not understood: a whole number of ms up to %2",
                                         {Shown(digits), std::to_string(VcdReader::kMaxTimeMs)}));
        }
        if (*time < m_time) {
            return Fail(Messages::Format("time #%1 goes back from #%2",
                                         {std::to_string(*time), std::to_string(m_time)}));
        }
        m_time = *time;
        m_timed = true;
        return true;
    }

    bool ReadValue(std::string_view word) {
        if (!m_timed) {
            return Fail(std::string(Messages::Text("a value before the first time")));
        }
        if (word[0] == '0' || word[0] == '1') {
            return Store(word.substr(1), word[0] == '1' ? 1u : 0u, 1);
        }
        if (word[0] != 'b' && word[0] != 'B') {
            return Fail(Messages::Format("value %1 is not understood: only 0, 1 and binary vectors",
                                         {Shown(word)}));
        }
        const std::string_view bits = word.substr(1);
        if (bits.empty() || bits.size() > 32 ||
            !std::all_of(bits.begin(), bits.end(), [](char c) { return c == '0' || c == '1'; })) {
            return Fail(Messages::Format("value %1 is not understood: only vectors of 0 and 1",
                                         {Shown(word)}));
        }
        std::uint32_t value = 0;
        for (const char c : bits) {
            value = (value << 1) | (c == '1' ? 1u : 0u);
        }
        return Store(m_tokens.Next(), value, static_cast<int>(bits.size()));
    }

    bool Store(std::string_view code, std::uint32_t value, int bits) {
        const auto found = m_codes.find(std::string(code));
        if (found == m_codes.end()) {
            return Fail(
                code.empty()
                    ? std::string(Messages::Text("value for no code, which no $var declares"))
                    : Messages::Format("value for %1, which no $var declares", {Shown(code)}));
        }
        const std::size_t row = found->second;
        const SimSignal& signal = m_history->RowAt(row).signal;
        if (bits > signal.Width() || (signal.IsBit() && bits != 1)) {
            return Fail(Messages::Format(
                "a value of %1 bits for %2, which has %3",
                {std::to_string(bits), signal.name, std::to_string(signal.Width())}));
        }
        m_history->Record(row, m_time, value, false);
        return true;
    }

    VcdTokens m_tokens;
    std::vector<VcdVariable> m_variables;
    std::map<std::string, std::size_t, std::less<>> m_codes;
    std::optional<SignalHistory> m_history;
    std::int64_t m_time = 0;
    bool m_timed = false;
    bool m_timescale = false;
    int m_problemLine = 0;
    std::string m_problem;
};

}  // namespace

std::optional<SignalHistory> VcdReader::Read(std::string_view text, std::string& problem) {
    return VcdParser(text).Parse(problem);
}

bool VcdReader::ParseReference(std::string_view reference, int width, SimSignal& signal,
                               std::string& note) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    for (std::size_t i = 0; i < 2 && at <= reference.size(); ++i) {
        const std::size_t cut = std::min(reference.find('_', at), reference.size());
        parts.push_back(reference.substr(at, cut - at));
        at = cut + 1;
    }
    std::string address(parts[0]);
    std::size_t used = parts[0].size() + 1;
    if (width == 1) {
        if (parts.size() < 2) {
            return false;
        }
        address += "." + std::string(parts[1]);
        used += parts[1].size() + 1;
    }
    std::string problem;
    const std::optional<SimSignal> parsed = SimSignal::Parse(address, problem);
    if (!parsed || parsed->Width() != width || parsed->name != address) {
        return false;
    }
    signal = *parsed;
    // The writer put '_' for the blanks of a note.
    note = used < reference.size() ? std::string(reference.substr(used)) : std::string();
    std::replace(note.begin(), note.end(), '_', ' ');
    return true;
}

}  // namespace rungpad
