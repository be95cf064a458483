#include "sim/Stimulus.h"

#include <algorithm>
#include <cctype>

#include "model/Messages.h"
#include "sim/SignalMemory.h"

namespace rungpad {

namespace {

constexpr std::int64_t kMaxDurationMs = 24LL * 3600 * 1000;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

// Decimal digits, or 0x and hex digits; none when malformed or beyond 32 bits.
std::optional<std::uint64_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : (base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                                     ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                     : -1);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    return value;
}

}  // namespace

std::optional<SignalAssignment> SignalAssignment::Parse(std::string_view text,
                                                        std::string& problem) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        problem = Messages::Format("expected SIGNAL=VALUE, found %1", {SimSignal::Quote(text)});
        return std::nullopt;
    }
    const std::optional<SimSignal> signal = SimSignal::Parse(Trim(text.substr(0, equals)), problem);
    if (!signal) {
        return std::nullopt;
    }
    const std::string_view valueText = Trim(text.substr(equals + 1));
    const std::optional<std::uint64_t> value = ParseNumber(valueText);
    if (!value || *value > signal->MaxValue()) {
        problem = Messages::Format(
            "value %1 does not fit %2 (0 to %3)",
            {SimSignal::Quote(valueText), signal->name, std::to_string(signal->MaxValue())});
        return std::nullopt;
    }
    return SignalAssignment{*signal, static_cast<std::uint32_t>(*value)};
}

std::optional<std::int64_t> Stimulus::ParseDuration(std::string_view text) {
    const std::optional<std::int64_t> value = ParseAnyDuration(text);
    return value && *value <= kMaxDurationMs ? value : std::nullopt;
}

std::string Stimulus::DurationProblem(std::string_view text) {
    if (IsAboveLongestDuration(text)) {
        return Messages::Format("time %1 is above the longest allowed, %2",
                                {SimSignal::Quote(text), LongestDurationText()});
    }
    return Messages::Format("expected a time such as 0ms, 120ms or 2s, not %1",
                            {SimSignal::Quote(text)});
}

bool Stimulus::IsAboveLongestDuration(std::string_view text) {
    const std::optional<std::int64_t> value = ParseAnyDuration(text);
    return value && *value > kMaxDurationMs;
}

std::string Stimulus::LongestDurationText() {
    return Messages::Format("%1s (24 hours)", {std::to_string(kMaxDurationMs / 1000)});
}

std::optional<std::int64_t> Stimulus::ParseAnyDuration(std::string_view text) {
    // Seconds may carry up to three decimals (1.2s is 1200ms); milliseconds are whole.
    int decimalsAllowed = 0;
    if (text.size() > 2 && text.substr(text.size() - 2) == "ms") {
        text.remove_suffix(2);
    } else if (text.size() > 1 && text.back() == 's') {
        text.remove_suffix(1);
        decimalsAllowed = 3;
    }
    const std::size_t dot = text.find('.');
    std::string_view whole = text.substr(0, dot);
    std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 9 || !digits(whole) || !digits(fraction) ||
        (dot != std::string_view::npos && fraction.empty()) ||
        static_cast<int>(fraction.size()) > decimalsAllowed) {
        return std::nullopt;
    }
    std::int64_t value = static_cast<std::int64_t>(*ParseNumber(whole));
    for (int i = 0; i < decimalsAllowed; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        value = value * 10 + (at < fraction.size() ? fraction[at] - '0' : 0);
    }
    return value;
}

bool Stimulus::Parse(std::string_view text, std::string& message) {
    m_events.clear();
    // A byte order mark, as editors on some desktops write one.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        line = Trim(line.substr(0, line.find('#')));
        if (line.empty()) {
            continue;
        }
        const std::size_t space = line.find_first_of(" \t");
        std::string problem;
        const std::string_view timeText =
            line.substr(0, space == std::string_view::npos ? line.size() : space);
        const std::optional<std::int64_t> time = ParseDuration(timeText);
        if (!time || space == std::string_view::npos) {
            problem = !time ? DurationProblem(timeText)
                            : std::string(Messages::Text("expected TIME SIGNAL=VALUE"));
        }
        std::optional<SignalAssignment> assignment;
        if (problem.empty()) {
            assignment = SignalAssignment::Parse(Trim(line.substr(space)), problem);
        }
        if (!assignment) {
            message = Messages::Format("stimulus line %1: %2", {std::to_string(number), problem});
            m_events.clear();
            return false;
        }
        m_events.push_back({*time, *assignment, number});
    }
    std::stable_sort(
        m_events.begin(), m_events.end(),
        [](const StimulusEvent& a, const StimulusEvent& b) { return a.timeMs < b.timeMs; });
    return true;
}

std::size_t Stimulus::ApplyDue(std::int64_t timeMs, std::size_t next, SignalMemory& memory) const {
    while (next < m_events.size() && m_events[next].timeMs <= timeMs) {
        m_events[next].assignment.signal.Write(memory, m_events[next].assignment.value);
        ++next;
    }
    return next;
}

}  // namespace rungpad
