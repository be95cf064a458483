#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "TempDir.h"
#include "model/OutputGuard.h"

namespace rungpad {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// One command's files, named relative to a scratch directory holding "in" (a file), "ro" (a
// read-only file), "sub/" and the links each case makes.
struct GuardCase {
    const char* name;
    std::vector<const char*> inputs;
    std::vector<const char*> outputs;
    const char* refusal;  // what the refusal contains; "" when accepted
    bool allowReadOnly = false;
};

class OutputGuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(OutputGuardTest, ComparesFilesNotNames) {
    const TempDir dir;
    dir.Write("in", "input");
    dir.Write("ro", "keep");
    ::chmod(dir.File("ro").c_str(), 0444);
    fs::create_directory(dir.Path() / "sub");
    fs::create_symlink(dir.File("in"), dir.Path() / "link-to-in");
    fs::create_hard_link(dir.File("in"), dir.Path() / "hard-to-in");
    fs::create_symlink(dir.File("new-out"), dir.Path() / "link-to-new");

    const GuardCase& c = GetParam();
    OutputGuard guard;
    for (const char* input : c.inputs) {
        guard.AddInput(*input ? dir.File(input) : std::string{});
    }
    for (const char* output : c.outputs) {
        guard.AddOutput(*output ? dir.File(output) : std::string{});
    }
    guard.AllowReadOnly(c.allowReadOnly);
    const std::string refusal = guard.Refusal();
    if (*c.refusal == '\0') {
        EXPECT_EQ(refusal, "");
    } else {
        EXPECT_NE(refusal.find(c.refusal), std::string::npos) << refusal;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OutputGuardTest,
    ::testing::Values(
        GuardCase{"DistinctFiles", {"in"}, {"out", "other"}, ""},
        GuardCase{"EmptyPathsIgnored", {"in", ""}, {"", "out"}, ""},
        GuardCase{"OutputIsInput", {"in"}, {"in"}, "in: would overwrite"},
        GuardCase{"SymlinkToInput", {"in"}, {"link-to-in"}, "link-to-in: would overwrite"},
        GuardCase{"HardLinkToInput", {"in"}, {"hard-to-in"}, "would overwrite"},
        GuardCase{"OtherSpellingOfInput", {"in"}, {"sub/../in"}, "would overwrite"},
        // Neither exists yet: the same path however it is spelled.
        GuardCase{"TwoOutputsOneNewFile", {"in"}, {"new-out", "sub/../new-out"}, "would overwrite"},
        GuardCase{
            "DanglingLinkToOtherOutput", {"in"}, {"new-out", "link-to-new"}, "would overwrite"},
        GuardCase{"ReadOnlyOutput", {"in"}, {"ro"}, "ro: is read-only"},
        GuardCase{"ReadOnlyAllowed", {"in"}, {"ro"}, "", true},
        // Even --force never lets an output replace an input.
        GuardCase{"ReadOnlyInputStillRefused", {"ro"}, {"ro"}, "would overwrite", true},
        GuardCase{"MissingDirectory", {"in"}, {"no/such/out"}, "No such file"},
        GuardCase{"DirectoryAsOutput", {"in"}, {"sub"}, "not a regular file"}),
    [](const ::testing::TestParamInfo<GuardCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace rungpad
