// The ladder test file reader on arbitrary text: it accepts or refuses with a message naming the
// file, keeps nothing from a refused file, and every case it keeps is runnable as read.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzChecks.h"
#include "sim/LadderTestFile.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LadderTestFile file;
    std::string message;
    if (!file.Parse(text, "f.plt", message)) {
        fuzz::Require(message.rfind("f.plt:", 0) == 0, "a refusal names the file");
        fuzz::Require(file.Cases().empty(), "nothing kept from a refused file");
        return 0;
    }
    fuzz::Require(!file.Cases().empty(), "an accepted file has a case");
    for (const LadderTestCase& testCase : file.Cases()) {
        fuzz::Require(!testCase.name.empty(), "every case is named");
        fuzz::Require(!testCase.expectations.empty(), "every case expects something");
        fuzz::Require(testCase.runMs > 0, "every case runs");
        for (const TestExpectation& expectation : testCase.expectations) {
            fuzz::Require(expectation.fromMs <= expectation.toMs, "windows are ordered");
            fuzz::Require(expectation.toMs < testCase.runMs, "the run reaches every expectation");
            fuzz::Require(expectation.value <= expectation.signal.MaxValue(), "values fit");
        }
    }
    return 0;
}
