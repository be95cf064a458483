#pragma once

#include <memory>
#include <string>
#include <vector>

#include "convert/LadConvert.h"
#include "model/LadProgram.h"
#include "sim/LadderTestRunner.h"

namespace rungpad {

class LadderTestFile;

// Test cases run on a converted copy of a program with a converter of its own, so the program,
// the document that holds it and the document's converter (texts, errors, number claims, the
// converted flag) stay exactly as they were: the editor runs tests while the user edits.
class LadderTestBench {
  public:
    LadderTestBench() = default;
    LadderTestBench(const LadderTestBench&) = delete;
    LadderTestBench& operator=(const LadderTestBench&) = delete;

    // Converts a copy of program and checks that the scan engine takes the step list; false with
    // problem (the report line of the converter's last error, or why the engine refuses it).
    bool Load(const LadProgram& program, std::string& problem);
    bool IsLoaded() const { return m_runner != nullptr; }

    // Runs every case of file in file order, each from a fresh start; none before Load.
    std::vector<LadderTestResult> RunAll(const LadderTestFile& file) const;
    // The runner over the copy; Load must have succeeded.
    const LadderTestRunner& Runner() const { return *m_runner; }

  private:
    LadProgram m_copy;
    CLadConvert m_convert{&m_copy};
    std::unique_ptr<LadderTestRunner> m_runner;
};

}  // namespace rungpad
