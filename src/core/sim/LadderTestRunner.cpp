#include "sim/LadderTestRunner.h"

#include <optional>
#include <tuple>

#include "analysis/CrossReference.h"
#include "convert/LadConvert.h"
#include "model/Messages.h"
#include "sim/ScanEngine.h"
#include "sim/SimRunner.h"

namespace rungpad {

namespace {

using Kind = TestExpectation::Kind;

std::vector<SimSignal> SignalsOf(const LadderTestCase& testCase) {
    std::vector<SimSignal> signals;
    const auto add = [&signals](const SimSignal& signal) {
        for (const SimSignal& known : signals) {
            if (known.name == signal.name) {
                return;
            }
        }
        signals.push_back(signal);
    };
    for (const TestExpectation& expectation : testCase.expectations) {
        add(expectation.signal);
    }
    for (const StimulusEvent& event : testCase.stimulus.Events()) {
        add(event.assignment.signal);
    }
    return signals;
}

bool Overlaps(const SimSignal& a, const SimSignal& b) {
    return a.operand == b.operand && (a.mask == b.mask || !a.IsBit() || !b.IsBit());
}

// Checks expectation against the values after the scan that ran at timeMs. Returns a failure
// text when it failed there; sets done once it can no longer fail.
std::optional<std::string> Check(const TestExpectation& expectation, std::int64_t timeMs,
                                 std::int64_t periodMs, std::uint32_t before, std::uint32_t value,
                                 bool& done) {
    const std::string seen =
        Messages::Format("at %1ms %2 was %3",
                         {std::to_string(timeMs), expectation.signal.name, std::to_string(value)});
    switch (expectation.kind) {
        case Kind::kAt:
        case Kind::kWindow:
            if (timeMs + periodMs <= expectation.fromMs) {
                return std::nullopt;
            }
            done = timeMs + periodMs > expectation.toMs;
            return value == expectation.value ? std::nullopt : std::optional(seen);
        case Kind::kAlways:
            return value == expectation.value ? std::nullopt : std::optional(seen);
        case Kind::kNever:
            return value != expectation.value ? std::nullopt : std::optional(seen);
        case Kind::kRises:
        case Kind::kFalls: {
            if (timeMs < expectation.fromMs) {
                return std::nullopt;
            }
            const std::uint32_t target = expectation.kind == Kind::kRises ? 1 : 0;
            if (before != target && value == target) {
                done = true;
                return std::nullopt;
            }
            if (timeMs + periodMs > expectation.toMs) {
                done = true;
                const std::string fromMs = std::to_string(expectation.fromMs);
                return target ? Messages::Format("%1, no rise since %2ms", {seen, fromMs})
                              : Messages::Format("%1, no fall since %2ms", {seen, fromMs});
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string LadderTestResult::Detail(const std::string& file) const {
    return file + (expectationLine > 0 ? ":" + std::to_string(expectationLine) : "") + ": " +
           message;
}

LadderTestRunner::LadderTestRunner(const CLadConvert& converter, int periodMs)
    : m_converter(converter), m_periodMs(periodMs > 0 ? periodMs : ScanEngine::kDefaultPeriodMs) {
    if (converter.Program() == nullptr) {
        return;
    }
    std::string ignored;
    const CrossReference xref = CrossReference::Build(*converter.Program());
    for (const XrefUse& use : xref.Uses()) {
        if (!use.Writes()) {
            continue;
        }
        if (const std::optional<SimSignal> signal = SimSignal::Parse(use.address, ignored)) {
            m_writers.push_back({*signal, use.line, use.column});
        }
    }
}

int LadderTestRunner::WriterLine(const SimSignal& signal) const {
    return WriterPlace(signal).second;
}

std::pair<int, int> LadderTestRunner::WriterPlace(const SimSignal& signal) const {
    std::pair<int, int> place{-1, -1};
    for (const Writer& writer : m_writers) {
        if (Overlaps(writer.signal, signal) && writer.line > place.second) {
            place = {writer.column, writer.line};
        }
    }
    return place;
}

void LadderTestRunner::WriteStart(const LadderTestCase& testCase, SignalMemory& memory) {
    for (const SignalAssignment& force : testCase.forces) {
        force.signal.Force(memory, force.value);
    }
    for (const SignalAssignment& initial : testCase.initial) {
        initial.signal.Write(memory, initial.value);
    }
}

LadderTestResult LadderTestRunner::Run(const LadderTestCase& testCase) const {
    LadderTestResult result;
    result.name = testCase.name;
    result.trace = SimTrace(SignalsOf(testCase));
    ScanEngine engine;
    engine.SetPeriodMs(m_periodMs);
    if (!engine.Load(m_converter, result.message)) {
        result.stopped = true;
        return result;
    }
    WriteStart(testCase, engine.Memory());
    const std::vector<TestExpectation>& expectations = testCase.expectations;
    std::vector<std::uint32_t> before(expectations.size());
    std::vector<bool> done(expectations.size(), false);
    for (std::size_t i = 0; i < expectations.size(); ++i) {
        before[i] = expectations[i].signal.Read(engine.Memory());
    }
    SimRunner runner(engine, testCase.stimulus, result.trace);
    const std::int64_t scans = (testCase.runMs + m_periodMs - 1) / m_periodMs;
    for (std::int64_t scan = 0; scan < scans; ++scan) {
        const std::int64_t timeMs = engine.TimeMs();
        if (!runner.Run(1)) {
            result.stopped = true;
            result.failMs = timeMs;
            result.message = Messages::Format("simulation stopped at %1ms: %2",
                                              {std::to_string(timeMs), engine.StopMessage()});
            return result;
        }
        for (std::size_t i = 0; i < expectations.size(); ++i) {
            if (done[i]) {
                continue;
            }
            const TestExpectation& expectation = expectations[i];
            const std::uint32_t value = expectation.signal.Read(engine.Memory());
            bool finished = false;
            const std::optional<std::string> failure =
                Check(expectation, timeMs, m_periodMs, before[i], value, finished);
            before[i] = value;
            done[i] = finished;
            if (failure) {
                result.failMs = timeMs;
                result.expectationLine = expectation.line;
                std::tie(result.ladderColumn, result.ladderLine) = WriterPlace(expectation.signal);
                result.message = result.ladderLine < 0
                                     ? Messages::Format("%1: %2; no coil or box writes it",
                                                        {expectation.text, *failure})
                                     : Messages::Format("%1: %2; written by ladder line %3",
                                                        {expectation.text, *failure,
                                                         std::to_string(result.ladderLine + 1)});
                return result;
            }
        }
    }
    result.passed = true;
    return result;
}

}  // namespace rungpad
