// The scan engine on any ladder file that converts, function boxes included (timers, counters,
// moves, comparisons, jumps, subprograms): the step list loads or is refused with a message, and
// a loaded one runs scan after scan with inputs taken from the bytes, time advancing by one
// period a scan, until it ends or stops with a message.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FuzzChecks.h"
#include "FuzzLadder.h"
#include "convert/LadConvert.h"
#include "sim/ScanEngine.h"

using namespace rungpad;

namespace {

constexpr int kScans = 64;
constexpr std::uint16_t kInputBytes = 0x8090;  // X000 in the encoded address space

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LadProgram program;
    LadHeaderTexts header;
    fuzz::LoadProgram(std::span(data, size), program, header);
    CLadConvert convert(&program);
    convert.ClearErrors();
    if (convert.Convert() != CLadConvert::kConvertSucceeded) {
        return 0;
    }
    ScanEngine engine;
    std::string message;
    if (!engine.Load(convert, message)) {
        fuzz::Require(!message.empty(), "a refused step list says why");
        return 0;
    }
    for (int scan = 0; scan < kScans; ++scan) {
        // Inputs change from scan to scan, so edges, counters and timers move.
        for (std::uint16_t i = 0; i < 4; ++i) {
            const std::size_t at = (static_cast<std::size_t>(scan) * 4 + i) % size;
            engine.Memory().WriteByte(static_cast<std::uint16_t>(kInputBytes + i), data[at]);
        }
        const std::int64_t before = engine.TimeMs();
        if (!engine.Scan()) {
            fuzz::Require(!engine.StopMessage().empty(), "a stopped scan says why");
            return 0;
        }
        fuzz::Require(engine.TimeMs() == before + engine.PeriodMs(), "one period a scan");
    }
    return 0;
}
