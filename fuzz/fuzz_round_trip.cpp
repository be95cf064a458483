// Save and Open of programs built through the editing layer, the bytes choosing the networks,
// boxes, parameters, table entries and notes: the reopened document must mean the same (the
// instruction list, image, errors, live check, cross-reference, comparison, simulation, address
// notes), and every entry accepted before saving must be accepted again after opening.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "RandomProgramBuilder.h"
#include "RoundTripCheck.h"
#include "TempDir.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t pos = 0;
    const auto below = [data, size, &pos](int n) { return pos < size ? data[pos++] % n : 0; };
    const test::TempDir dir;
    const std::string directory = dir.Path().string();
    test::EditingSession before(directory);
    test::RandomProgramBuilder builder(before, below);
    builder.Build(1 + below(16));
    test::EditingSession after(directory);
    const std::vector<std::string> problems =
        test::RoundTripCheck::SaveAndOpen(before, after, directory, builder.Accepted());
    for (const std::string& problem : problems) {
        std::fprintf(stderr, "%s\n", problem.c_str());
    }
    fuzz::Require(problems.empty(), "the reopened program means the same");
    return 0;
}
