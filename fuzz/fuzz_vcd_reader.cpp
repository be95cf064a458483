// The trace reader on arbitrary text: a refusal names its line and stays short; an accepted trace
// has at least one signal, every row's changes in time order within the trace's end and within
// the memory limit, values that fit their signal, and draws as a well-formed-sized SVG.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "sim/VcdReader.h"
#include "timing/TimingSvg.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const std::optional<SignalHistory> history = VcdReader::Read(text, problem);
    if (!history) {
        fuzz::Require(problem.starts_with("line "), "a refusal names its line");
        fuzz::Require(problem.size() < 400, "a refusal is short, whatever the line holds");
        return 0;
    }
    fuzz::Require(history->RowCount() > 0, "a trace has signals");
    fuzz::Require(history->RowCount() <= VcdReader::kMaxSignals, "at most the signals allowed");
    fuzz::Require(history->ChangeBytes() <= VcdReader::kMaxTraceChanges * sizeof(HistoryChange),
                  "changes within the limit");
    for (const SignalHistory::Row& row : history->Rows()) {
        std::int64_t last = 0;
        for (const HistoryChange& change : row.changes) {
            fuzz::Require(change.timeMs >= last, "changes in time order");
            fuzz::Require(change.timeMs <= history->EndMs(), "changes within the end");
            fuzz::Require(change.value <= row.signal.MaxValue(), "values fit their signal");
            last = change.timeMs;
        }
    }
    const auto end = static_cast<double>(history->EndMs());
    const std::string svg =
        TimingSvg::Render(*history, static_cast<double>(history->StartMs()), end + 1, 600, "fuzz");
    fuzz::Require(svg.ends_with("</svg>\n"), "the picture is complete");
    return 0;
}
