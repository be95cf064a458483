// Ladder file and line table benchmarks, each beside a baseline measured in the same run.
//   LoadLadder / SaveLadder of a 1600-line program vs memcpy of the same number of bytes: target
//   within 10x.
//   DeleteLines + InsertLines at line 0: cost independent of the program's length (compare the
//   100-line and 1599-line arguments), since only line references and notes move.

#include <benchmark/benchmark.h>

#include <cstring>

#include "model/HostInterfaces.h"
#include "model/LadFile.h"

namespace rungpad {
namespace {

LadProgram FullProgram(int lines) {
    LadProgram p;
    for (int i = 0; i < lines; ++i) {
        LadLine line;
        for (int c = 0; c < LadLine::kColumns; ++c) {
            LadCell& cell = line.Cell(c);
            cell.code = c == 7 ? Element::kCoil : Element::kNoContact;
            cell.SetText("R" + std::to_string(100 + c) + ".3");
            cell.number = static_cast<std::int16_t>(100 + c);
        }
        p.AppendLine(line, NoteText("note"));
    }
    return p;
}

std::vector<std::uint8_t> SavedBytes(const LadProgram& p) {
    std::vector<std::uint8_t> bytes;
    LadHeaderTexts header;
    NullMessageChannel quiet;
    LadFile::SaveLadder(bytes, p, header, "2026-12-10 09:00", quiet);
    return bytes;
}

void BM_MemcpyFileBytes(benchmark::State& state) {
    const std::vector<std::uint8_t> source = SavedBytes(FullProgram(1600));
    std::vector<std::uint8_t> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(source.size()));
}
BENCHMARK(BM_MemcpyFileBytes);

void BM_LoadLadder1600(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = SavedBytes(FullProgram(1600));
    LadProgram program;
    LadHeaderTexts header;
    NullMessageChannel quiet;
    NullMessageBox box;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LadFile::LoadLadder(bytes, "a.plf", program, header, quiet, box));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadLadder1600);

void BM_SaveLadder1600(benchmark::State& state) {
    const LadProgram program = FullProgram(1600);
    LadHeaderTexts header;
    NullMessageChannel quiet;
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        bytes.clear();
        LadFile::SaveLadder(bytes, program, header, "2026-12-10 09:00", quiet);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_SaveLadder1600);

void BM_MemcpyLine(benchmark::State& state) {
    const LadLine source;
    LadLine target;
    for (auto _ : state) {
        std::memcpy(static_cast<void*>(&target), &source, sizeof(LadLine));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyLine);

void BM_DeleteInsertLineAt0(benchmark::State& state) {
    LadProgram program = FullProgram(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        program.DeleteLines(0, 1);
        program.InsertLines(0, 1);
        benchmark::DoNotOptimize(program.LineCount());
    }
}
BENCHMARK(BM_DeleteInsertLineAt0)->Arg(100)->Arg(1599);

}  // namespace
}  // namespace rungpad
