#include "sim/LadderTestFile.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "model/FileIo.h"
#include "model/Messages.h"

namespace rungpad {

namespace {

constexpr std::int64_t kDefaultTailMs = 1000;
constexpr std::size_t kMaxCases = 10'000;
constexpr std::size_t kMaxNameLength = 200;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Splits off the first blank-separated word of text; text keeps the trimmed rest.
std::string_view NextWord(std::string_view& text) {
    text = Trim(text);
    const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
    const std::string_view word = text.substr(0, end);
    text = Trim(text.substr(end));
    return word;
}

std::optional<std::int64_t> Duration(std::string_view word, std::string& problem) {
    const std::optional<std::int64_t> ms = Stimulus::ParseDuration(word);
    if (!ms) {
        problem = Messages::Format("'%1' is not a time such as 120ms or 2s", {word});
    }
    return ms;
}

std::optional<SignalAssignment> Assignment(std::string_view text, std::string& problem) {
    if (text.find_first_of(" \t") != std::string_view::npos) {
        problem = Messages::Format("expected one SIGNAL=VALUE, found '%1'", {text});
        return std::nullopt;
    }
    return SignalAssignment::Parse(text, problem);
}

}  // namespace

bool LadderTestFile::Read(const std::string& path, std::string& message) {
    m_cases.clear();
    std::vector<std::uint8_t> bytes;
    if (!FileIo::ReadFile(path, bytes, message)) {
        return false;
    }
    return Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path,
                 message);
}

bool LadderTestFile::Parse(std::string_view text, const std::string& name, std::string& message) {
    m_name = name;
    m_cases.clear();
    m_stimulusText.clear();
    m_line = 0;
    std::size_t at = 0;
    std::string problem;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        ++m_line;
        std::string_view line = text.substr(at, end - at);
        line = Trim(line.substr(0, std::min(line.find('#'), line.size())));
        if (!line.empty() && !ParseLine(line, problem)) {
            message = name + ":" + std::to_string(m_line) + ": " + problem;
            m_cases.clear();
            return false;
        }
        m_stimulusText += '\n';
        at = end + 1;
    }
    if (!Finish(problem)) {
        message = name + ":" + std::to_string(m_line) + ": " + problem;
        m_cases.clear();
        return false;
    }
    if (m_cases.empty()) {
        message =
            Messages::Format("%1: no test case (a case starts with a line 'case NAME')", {name});
        return false;
    }
    return true;
}

bool LadderTestFile::ParseLine(std::string_view line, std::string& problem) {
    std::string_view rest = line;
    const std::string_view word = NextWord(rest);
    if (word == "case") {
        if (!Finish(problem)) {
            return false;
        }
        if (rest.empty() || rest.size() > kMaxNameLength) {
            problem = Messages::Text("a case needs a name of 1 to 200 characters");
            return false;
        }
        if (std::any_of(m_cases.begin(), m_cases.end(),
                        [rest](const LadderTestCase& c) { return c.name == rest; })) {
            problem = Messages::Format("a second case named '%1'", {rest});
            return false;
        }
        if (m_cases.size() >= kMaxCases) {
            problem = Messages::Text("more than 10000 cases");
            return false;
        }
        m_cases.push_back({});
        m_cases.back().name = std::string(rest);
        m_cases.back().line = m_line;
        m_stimulusText = std::string(static_cast<std::size_t>(m_line - 1), '\n');
        m_lastMs = 0;
        m_explicitRun = false;
        return true;
    }
    if (m_cases.empty()) {
        problem = Messages::Format("'%1' before the first 'case NAME' line", {word});
        return false;
    }
    LadderTestCase& current = m_cases.back();
    if (word == "force" || word == "set") {
        const std::optional<SignalAssignment> assignment = Assignment(rest, problem);
        if (!assignment) {
            return false;
        }
        (word == "force" ? current.forces : current.initial).push_back(*assignment);
        return true;
    }
    if (word == "expect") {
        return ParseExpect(rest, problem);
    }
    if (word == "run") {
        const std::optional<std::int64_t> ms = Duration(rest, problem);
        if (!ms || *ms == 0) {
            problem = ms ? std::string(Messages::Text("a run of 0ms runs no scan")) : problem;
            return false;
        }
        current.runMs = *ms;
        m_explicitRun = true;
        return true;
    }
    const std::optional<std::int64_t> ms = Stimulus::ParseDuration(word);
    if (!ms) {
        problem = Messages::Format(
            "'%1' is neither a time nor one of case, force, set, expect, run", {word});
        return false;
    }
    if (!Assignment(rest, problem)) {
        return false;
    }
    m_stimulusText += line;
    m_lastMs = std::max(m_lastMs, *ms);
    return true;
}

bool LadderTestFile::ParseExpect(std::string_view rest, std::string& problem) {
    TestExpectation expectation;
    expectation.text = "expect " + std::string(rest);
    expectation.line = m_line;
    std::string_view words = rest;
    const std::string_view first = NextWord(words);
    const std::size_t dots = first.find("..");
    if (first == "always" || first == "never") {
        expectation.kind =
            first == "always" ? TestExpectation::Kind::kAlways : TestExpectation::Kind::kNever;
    } else if (dots != std::string_view::npos) {
        const std::optional<std::int64_t> from = Duration(first.substr(0, dots), problem);
        const std::optional<std::int64_t> to =
            from ? Duration(first.substr(dots + 2), problem) : std::nullopt;
        if (!to) {
            return false;
        }
        if (*to < *from) {
            problem = Messages::Format("the window %1 ends before it starts", {first});
            return false;
        }
        expectation.kind = TestExpectation::Kind::kWindow;
        expectation.fromMs = *from;
        expectation.toMs = *to;
    } else if (Stimulus::ParseDuration(first)) {
        expectation.kind = TestExpectation::Kind::kAt;
        expectation.fromMs = expectation.toMs = *Stimulus::ParseDuration(first);
    } else if (first.empty() || (first[0] >= '0' && first[0] <= '9')) {
        Duration(first, problem);  // not a time (checked above): names what is wrong with it
        return false;
    } else {
        // expect SIGNAL rises|falls within DURATION after TIME
        const std::optional<SimSignal> signal = SimSignal::Parse(first, problem);
        if (!signal) {
            return false;
        }
        const std::string_view edge = NextWord(words);
        const std::string_view within = NextWord(words);
        const std::string_view duration = NextWord(words);
        const std::string_view after = NextWord(words);
        const std::string_view time = NextWord(words);
        if ((edge != "rises" && edge != "falls") || within != "within" || after != "after" ||
            !words.empty() || !signal->IsBit()) {
            problem = Messages::Format(
                "expected 'expect BIT rises|falls within DURATION after TIME', found '%1'",
                {expectation.text});
            return false;
        }
        const std::optional<std::int64_t> width = Duration(duration, problem);
        const std::optional<std::int64_t> start = width ? Duration(time, problem) : std::nullopt;
        if (!start) {
            return false;
        }
        expectation.kind =
            edge == "rises" ? TestExpectation::Kind::kRises : TestExpectation::Kind::kFalls;
        expectation.signal = *signal;
        expectation.fromMs = *start;
        expectation.toMs = *start + *width;
        m_lastMs = std::max(m_lastMs, expectation.toMs);
        m_cases.back().expectations.push_back(expectation);
        return true;
    }
    const std::optional<SignalAssignment> assignment = Assignment(words, problem);
    if (!assignment) {
        if (words.empty()) {
            problem = Messages::Format("expect needs SIGNAL=VALUE after '%1'", {first});
        }
        return false;
    }
    expectation.signal = assignment->signal;
    expectation.value = assignment->value;
    m_lastMs = std::max(m_lastMs, expectation.toMs);
    m_cases.back().expectations.push_back(expectation);
    return true;
}

// Closes the open case: its stimulus, its run time, and a case without expectations refused.
bool LadderTestFile::Finish(std::string& problem) {
    if (m_cases.empty()) {
        return true;
    }
    LadderTestCase& current = m_cases.back();
    if (current.expectations.empty()) {
        problem = Messages::Format("case '%1' (line %2) has no expect line",
                                   {current.name, std::to_string(current.line)});
        return false;
    }
    std::string stimulusProblem;
    if (!current.stimulus.Parse(m_stimulusText, stimulusProblem)) {
        problem = stimulusProblem;  // checked line by line already; kept for safety
        return false;
    }
    if (!m_explicitRun) {
        current.runMs = m_lastMs + kDefaultTailMs;
    } else if (current.runMs <= m_lastMs) {
        problem = Messages::Format(
            "case '%1' runs %2ms but names the time %3ms",
            {current.name, std::to_string(current.runMs), std::to_string(m_lastMs)});
        return false;
    }
    return true;
}

}  // namespace rungpad
