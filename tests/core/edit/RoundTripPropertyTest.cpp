#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "RandomProgramBuilder.h"
#include "RoundTripCheck.h"
#include "TempDir.h"

namespace rungpad::test {
namespace {

// RUNGPAD_ROUND_TRIP_SEED picks another sequence of programs (for longer local runs).
unsigned Seed() {
    const char* seed = std::getenv("RUNGPAD_ROUND_TRIP_SEED");
    return seed != nullptr ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20261211u;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) {
        all += line + "\n";
    }
    return all;
}

// Random programs built through the editor mean the same after Save and Open.
TEST(RoundTripPropertyTest, ProgramsMeanTheSameAfterSaveAndOpen) {
    constexpr int kPrograms = 300;
    std::mt19937 random(Seed());
    const auto below = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    int converted = 0;
    int entries = 0;
    for (int i = 0; i < kPrograms; ++i) {
        const TempDir dir;
        const std::string directory = dir.Path().string();
        EditingSession before(directory);
        RandomProgramBuilder builder(before, below);
        builder.Build(2 + below(10));
        entries += static_cast<int>(builder.Accepted().size());
        EditingSession after(directory);
        const std::vector<std::string> problems =
            RoundTripCheck::SaveAndOpen(before, after, directory, builder.Accepted());
        ASSERT_TRUE(problems.empty()) << "program " << i << " of seed " << Seed() << ":\n"
                                      << Joined(problems) << "program:\n"
                                      << Joined(GridBuilder::Render(before.doc.Program()));
        converted += before.doc.Converter().StepsComplete() ? 1 : 0;
    }
    // The programs are worth checking: many convert, and many entries were accepted.
    EXPECT_GT(converted, kPrograms / 5);
    EXPECT_GT(entries, kPrograms * 5);
}

}  // namespace
}  // namespace rungpad::test
