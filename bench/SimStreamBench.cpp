// Peak memory of `rungpad-cli sim` over 24 hours of machine time at 1 ms scans (86.4 million
// scans) with one coil that changes on every scan, the trace going to /dev/null and the VCD to a
// file; beside the same command run for one second. Streaming keeps the long run's peak at the
// short run's: a kept trace grew by 24 bytes a change, 4 GB for this run.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "TempDir.h"
#include "model/FileIo.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"

namespace rungpad {
namespace {

struct RunFigures {
    double peakMb = 0;
    double vcdMb = 0;
    bool ok = false;
};

// The coil R000.0 through its own normally closed contact: it changes on every scan.
std::string WriteBlinkProgram(const test::TempDir& dir) {
    const LadProgram program = test::GridBuilder::Build(
        {"/R000.0 - - - - - - (R000.0)", "- - - - [END1] - - -", "- - - - [END2] - - -"});
    std::vector<std::uint8_t> bytes;
    LadHeaderTexts header;
    NullMessageChannel quiet;
    LadFile::SaveLadder(bytes, program, header, "2026-01-01 00:00", quiet);
    std::string error;
    const std::string path = dir.File("blink.plf");
    FileIo::WriteFileAtomically(path, bytes, error);
    return path;
}

// Runs rungpad-cli sim for time with 1 ms scans; its peak resident memory and the VCD's size.
RunFigures RunSim(const test::TempDir& dir, const std::string& program, const char* time) {
    const std::string vcd = dir.File("run.vcd");
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        ::execl(RUNGPAD_CLI, RUNGPAD_CLI, "sim", program.c_str(), "--period", "1ms", "--time", time,
                "--vcd", vcd.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    RunFigures figures;
    figures.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    struct stat st {};
    figures.vcdMb = ::stat(vcd.c_str(), &st) == 0 ? static_cast<double>(st.st_size) / 1e6 : 0;
    figures.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    ::unlink(vcd.c_str());
    return figures;
}

void BM_SimStreamPeakMemory24h(benchmark::State& state) {
    const test::TempDir dir;
    const std::string program = WriteBlinkProgram(dir);
    const RunFigures baseline = RunSim(dir, program, "1s");
    RunFigures day;
    for (auto _ : state) {
        day = RunSim(dir, program, "86400s");
    }
    if (!baseline.ok || !day.ok) {
        state.SkipWithError("rungpad-cli sim failed");
        return;
    }
    state.counters["peak_MB"] = day.peakMb;
    state.counters["baseline_1s_peak_MB"] = baseline.peakMb;
    state.counters["peak_ratio"] = day.peakMb / baseline.peakMb;
    state.counters["vcd_MB"] = day.vcdMb;
}
BENCHMARK(BM_SimStreamPeakMemory24h)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace rungpad
