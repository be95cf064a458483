#include <algorithm>
#include <iostream>
#include <optional>
#include <set>

#include "ArgParser.h"
#include "CliCommand.h"
#include "CliDocument.h"
#include "LadderInput.h"
#include "analysis/ReviewFindings.h"
#include "model/FileIo.h"
#include "model/LadProgram.h"
#include "model/Messages.h"
#include "sim/ScanEngine.h"
#include "sim/SignalHistory.h"
#include "sim/SimRunner.h"
#include "sim/SimTrace.h"
#include "sim/SimWarnings.h"
#include "sim/Stimulus.h"
#include "sim/VcdWriter.h"
#include "sim/WatchList.h"
#include "timing/TimingSvg.h"

namespace rungpad::cli {

namespace {

constexpr std::int64_t kDefaultTimeMs = 1000;
constexpr std::int64_t kMaxScans = 100'000'000;

struct SimArgs {
    std::string input;
    std::optional<std::string> stimulus;
    std::optional<std::int64_t> timeMs;
    std::optional<std::int64_t> scans;
    std::int64_t periodMs = ScanEngine::kDefaultPeriodMs;
    std::vector<SimSignal> watch;
    std::optional<std::string> vcd;
    std::optional<std::string> svg;
    std::optional<std::int64_t> fromMs;  // the time range the SVG shows
    std::optional<std::int64_t> toMs;
    std::vector<SignalAssignment> forces;
    bool replaceReadOnly = false;  // a bare --force
};

// "--force SIGNAL=VALUE" holds a signal; a --force not followed by an assignment lets the VCD
// replace a read-only file, as every command's --force does. Returns the other arguments.
std::vector<std::string> TakeBareForce(const std::vector<std::string>& args, bool& bare) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--force" &&
            (i + 1 == args.size() || args[i + 1].find('=') == std::string::npos)) {
            bare = true;
            continue;
        }
        rest.push_back(args[i]);
    }
    return rest;
}

// Splits "a,b,c" into its non-empty parts.
std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        if (comma > at) {
            parts.push_back(text.substr(at, comma - at));
        }
        at = comma + 1;
    }
    return parts;
}

bool AddOption(SimArgs& parsed, const std::string& option, const std::string& value,
               std::string& problem) {
    if (option == "--stimulus" || option == "--vcd" || option == "--svg") {
        std::optional<std::string>& file = option == "--stimulus" ? parsed.stimulus
                                           : option == "--vcd"    ? parsed.vcd
                                                                  : parsed.svg;
        if (file) {
            problem = Messages::Format("%1 is given twice", {option});
            return false;
        }
        file = value;
    } else if (option == "--time" || option == "--period" || option == "--from" ||
               option == "--to") {
        const std::optional<std::int64_t> ms = Stimulus::ParseDuration(value);
        if (Stimulus::IsAboveLongestDuration(value)) {
            problem = Messages::Format(
                "%1 %2 is above the longest allowed, %3",
                {option, SimSignal::Quote(value), Stimulus::LongestDurationText()});
            return false;
        }
        if (!ms || (option == "--period" && *ms == 0)) {
            problem = Messages::Format("%1 expects a duration such as 500ms or 2s, not %2",
                                       {option, SimSignal::Quote(value)});
            return false;
        }
        if (option == "--from" || option == "--to") {
            (option == "--from" ? parsed.fromMs : parsed.toMs) = *ms;
        } else {
            option == "--time" ? parsed.timeMs = *ms : parsed.periodMs = *ms;
        }
    } else if (option == "--scans") {
        const std::optional<std::int64_t> count = Stimulus::ParseDuration(value + "ms");
        if (!count || *count > kMaxScans) {
            problem = Messages::Format("--scans expects a number of scans up to %1, not %2",
                                       {std::to_string(kMaxScans), SimSignal::Quote(value)});
            return false;
        }
        parsed.scans = *count;
    } else if (option == "--watch") {
        for (const std::string& name : SplitList(value)) {
            const std::optional<SimSignal> signal = SimSignal::Parse(name, problem);
            if (!signal) {
                return false;
            }
            // An address named twice is watched once.
            const bool known =
                std::any_of(parsed.watch.begin(), parsed.watch.end(),
                            [&signal](const SimSignal& s) { return s.name == signal->name; });
            if (!known) {
                parsed.watch.push_back(*signal);
            }
        }
    } else {
        for (const std::string& text : SplitList(value)) {
            const std::optional<SignalAssignment> force = SignalAssignment::Parse(text, problem);
            if (!force) {
                return false;
            }
            parsed.forces.push_back(*force);
        }
    }
    return true;
}

std::optional<SimArgs> ParseArgs(const std::vector<std::string>& args, std::string& problem) {
    SimArgs parsed;
    ArgParser parser;
    for (const char* name : {"--stimulus", "--time", "--scans", "--period", "--watch", "--vcd",
                             "--svg", "--from", "--to", "--force"}) {
        parser.AddValue(name, "a value",
                        [&parsed, name](const std::string& value, std::string& why) {
                            return AddOption(parsed, name, value, why);
                        });
    }
    if (!parser.ParseFile(TakeBareForce(args, parsed.replaceReadOnly), parsed.input, problem)) {
        return std::nullopt;
    }
    if (parsed.timeMs && parsed.scans) {
        problem = Messages::Text("--time and --scans exclude each other");
        return std::nullopt;
    }
    if ((parsed.fromMs || parsed.toMs) && !parsed.svg) {
        problem =
            Messages::Text("--from and --to choose the time range of --svg, which is not given");
        return std::nullopt;
    }
    if (parsed.toMs && parsed.fromMs.value_or(0) >= *parsed.toMs) {
        problem = Messages::Text("--to must be after --from");
        return std::nullopt;
    }
    return parsed;
}

std::vector<std::string> NotesOf(const CRungpadDoc& doc, const std::vector<SimSignal>& signals) {
    std::vector<std::string> notes;
    for (const SimSignal& signal : signals) {
        notes.push_back(WatchList::NoteOf(doc.Notes(), signal));
    }
    return notes;
}

// The timing diagram of --svg: the watched signals' history over the chosen range, which is all
// it keeps, so a run of any length needs no more memory for it.
class SvgPicture {
  public:
    SvgPicture(const SimArgs& parsed, const std::vector<SimSignal>& watch,
               const std::vector<std::string>& notes)
        : m_fromMs(parsed.fromMs.value_or(0)),
          m_toMs(parsed.toMs),
          m_history(SignalHistory::Limits{parsed.toMs ? *parsed.toMs - m_fromMs : 0,
                                          SignalHistory::kMaxChanges}) {
        m_history.SetSignals(watch, notes);
    }

    // The scans, sampled into the history up to the range's end.
    bool Run(SimRunner& runner, const ScanEngine& engine, std::int64_t scans) {
        const std::int64_t sampled =
            m_toMs ? std::min(scans, *m_toMs / engine.PeriodMs() + 1) : scans;
        runner.SetHistory(&m_history);
        const bool running = runner.Run(sampled);
        runner.SetHistory(nullptr);
        return running && runner.Run(scans - sampled);
    }

    bool Write(const std::string& path, std::int64_t endMs, const std::string& title) {
        m_history.SetEnd(endMs);
        const std::int64_t toMs = m_toMs.value_or(std::max(endMs, m_fromMs + 1));
        const std::int64_t shownFrom = std::max(m_fromMs, m_history.StartMs());
        if (shownFrom > m_fromMs && m_history.DroppedChanges() > 0) {
            std::cerr << "rungpad-cli: "
                      << Messages::Format(
                             "the SVG starts at %1ms: a signal changes more than %2 times in the "
                             "range",
                             {std::to_string(shownFrom),
                              std::to_string(SignalHistory::kMaxChanges)})
                      << '\n';
        }
        const std::string text =
            TimingSvg::Render(m_history, static_cast<double>(m_fromMs), static_cast<double>(toMs),
                              TimingSvg::kDefaultWidth, title);
        return WriteTextOutput(path, text);
    }

  private:
    std::int64_t m_fromMs;
    std::optional<std::int64_t> m_toMs;
    SignalHistory m_history;
};

bool ReadStimulus(const std::string& path, Stimulus& stimulus) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!FileIo::ReadFile(path, bytes, error)) {
        std::cerr << "rungpad-cli: " << error << '\n';
        return false;
    }
    if (!stimulus.Parse(std::string(bytes.begin(), bytes.end()), error)) {
        std::cerr << "rungpad-cli: " << path << ": " << error << '\n';
        return false;
    }
    return true;
}

// What the run would otherwise do without a word: constants cut to their data length, presets
// never set, events that change nothing or are never seen. Said before the first scan.
void PrintWarnings(const CliDocument& document, const ScanEngine& engine, const SimArgs& parsed,
                   const Stimulus& stimulus, std::int64_t scans) {
    std::vector<std::string> lines;
    for (const ReviewFinding& finding : ReviewFindings::WideConstants(document.Doc().Program())) {
        std::string places;
        for (const GridPos& place : finding.places) {
            places += (places.empty() ? "" : " ") + std::to_string(place.line + 1) + ':' +
                      std::to_string(place.column + 1);
        }
        const std::string what = finding.What();
        const std::initializer_list<std::string_view> arguments{finding.subject, what, places};
        lines.push_back(
            finding.operandBytes == 1
                ? Messages::Format("%1 %2 at %3; the run uses its low byte", arguments)
                : Messages::Format("%1 %2 at %3; the run uses its low two bytes", arguments));
    }
    const std::vector<std::string> presets =
        SimWarnings::Presets(engine, parsed.stimulus ? &stimulus : nullptr, parsed.forces);
    const std::vector<std::string> forced = SimWarnings::ForcedEvents(stimulus, parsed.forces);
    const std::vector<std::string> unseen = SimWarnings::Unseen(stimulus, engine.PeriodMs());
    const std::vector<std::string> late = SimWarnings::AfterEnd(stimulus, engine.PeriodMs(), scans);
    for (const auto* more : {&presets, &forced, &unseen, &late}) {
        lines.insert(lines.end(), more->begin(), more->end());
    }
    for (const std::string& line : lines) {
        std::cerr << "rungpad-cli: " << Messages::Format("warning: %1", {line}) << '\n';
    }
}

int RunSim(const std::vector<std::string>& args) {
    std::string problem;
    std::optional<SimArgs> parsed = ParseArgs(args, problem);
    if (!parsed) {
        return UsageError(kSimCommand, problem);
    }
    OutputGuard guard;
    guard.AddInput(parsed->input);
    guard.AddInput(parsed->stimulus.value_or(""));
    guard.AddInput(DefaultNoteFile());
    guard.AddOutput(parsed->vcd.value_or(""));
    guard.AddOutput(parsed->svg.value_or(""));
    guard.AllowReadOnly(parsed->replaceReadOnly);
    if (!OutputsAccepted(guard)) {
        return kExitBadFile;
    }
    Stimulus stimulus;
    if (parsed->stimulus && !ReadStimulus(*parsed->stimulus, stimulus)) {
        return kExitBadFile;
    }
    CliDocument document;
    if (!document.Open(parsed->input)) {
        return kExitBadFile;
    }
    if (!document.Convert()) {
        return kExitFailed;
    }
    ScanEngine engine;
    engine.SetPeriodMs(static_cast<int>(parsed->periodMs));
    if (!engine.Load(document.Doc().Converter(), problem)) {
        std::cerr << "rungpad-cli: " << problem << '\n';
        return kExitFailed;
    }
    for (const SignalAssignment& force : parsed->forces) {
        force.signal.Force(engine.Memory(), force.value);
    }
    const std::int64_t scans =
        parsed->scans.value_or(parsed->timeMs.value_or(kDefaultTimeMs) / engine.PeriodMs());
    PrintWarnings(document, engine, *parsed, stimulus, scans);
    const std::vector<SimSignal> watch =
        parsed->watch.empty() ? WatchList::CoilsOf(document.Doc().Program()) : parsed->watch;
    // The trace and the dump go out as the run goes: memory stays the same for a run of any
    // length. The dump reaches its file only when complete.
    FileIo::Writer vcdFile;
    if (parsed->vcd && !vcdFile.Open(*parsed->vcd, problem)) {
        std::cerr << "rungpad-cli: " << problem << '\n';
        return kExitBadFile;
    }
    std::optional<VcdWriter> vcd;
    if (parsed->vcd) {
        vcd.emplace(watch, NotesOf(document.Doc(), watch),
                    [&vcdFile](std::string_view text) { vcdFile.Append(text); });
    }
    SimTrace trace(watch);
    trace.SetListener([&trace, &vcd](const TraceChange& change) {
        std::cout << trace.Line(change);
        if (vcd) {
            vcd->Change(change);
        }
    });
    std::optional<SvgPicture> svg;
    if (parsed->svg) {
        svg.emplace(*parsed, watch, NotesOf(document.Doc(), watch));
    }
    SimRunner runner(engine, stimulus, trace);
    const bool complete = svg ? svg->Run(runner, engine, scans) : runner.Run(scans);
    if (vcd) {
        vcd->Finish(engine.TimeMs());
        if (!vcdFile.Commit(problem)) {
            std::cerr << "rungpad-cli: " << problem << '\n';
            return kExitBadFile;
        }
    }
    if (svg && !svg->Write(*parsed->svg, engine.TimeMs(), FileIo::FileName(parsed->input))) {
        return kExitBadFile;
    }
    if (!complete) {
        std::cerr << "rungpad-cli: "
                  << Messages::Format("simulation stopped at %1ms: %2",
                                      {std::to_string(engine.TimeMs()), engine.StopMessage()})
                  << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

const CliCommand kSimCommand{
    "sim",
    "sim FILE [--stimulus STIM] [--time 2s | --scans N] [--period 8ms] [--watch Y000.0,R100,...]\n"
    "                [--vcd OUT.vcd] [--svg OUT.svg [--from T] [--to T]] [--force X000.0=1 ...]\n"
    "                [--force]",
    "Converts FILE and runs its step list scan by scan in simulated time (8 ms a scan unless\n"
    "--period says otherwise) for --time (default 1s, at most 86400s) or --scans N scans.\n"
    "--stimulus STIM writes signals at given times: one event a line, TIME SIGNAL=VALUE, e.g.\n"
    "  0ms X000.0=1   120ms X000.1=0   0ms DT0001=500   # comment\n"
    "--watch names the signals to watch (bits X000.0, bytes R100, words D010 DT0001 C005 T005),\n"
    "comma separated, repeatable; without it every coil of the program is watched. Each change\n"
    "of a watched signal is printed as TIME SIGNAL=VALUE (the first scan prints every value).\n"
    "--vcd writes the watched signals as a Value Change Dump for waveform viewers.\n"
    "--svg writes their timing diagram as an SVG picture, from --from (default 0) to --to\n"
    "(default the end of the run).\n"
    "--force SIGNAL=VALUE holds a bit, byte or word at a value the program and the stimulus "
    "cannot\n"
    "overwrite.\n"
    "Warnings (on standard error, before the run) name constants too wide for their data length,\n"
    "timer and counter presets never set, and stimulus events that change nothing or come\n"
    "between two scans or after the last.\n"
    "The VCD and the SVG may not be FILE or STIM or each other (also through a link); they are\n"
    "checked before the run, and a read-only one is refused unless a --force without a\n"
    "SIGNAL=VALUE is given.\n"
    "Exit status: 0 run complete, 1 the program does not convert or the simulation stopped on an\n"
    "instruction it cannot run, 2 unreadable ladder or stimulus file or unwritable VCD or SVG, "
    "64 usage.\n",
    RunSim};

}  // namespace rungpad::cli
