#include "sim/LadderTestBench.h"

#include "model/Messages.h"
#include "sim/LadderTestFile.h"
#include "sim/ScanEngine.h"

namespace rungpad {

bool LadderTestBench::Load(const LadProgram& program, std::string& problem) {
    m_runner.reset();
    m_copy = program;
    m_copy.SetMessageBox(nullptr);
    m_convert.ClearErrors();
    if (m_convert.Convert() != CLadConvert::kConvertSucceeded) {
        problem = m_convert.ErrorCount() > 0
                      ? m_convert.FormatLastError()
                      : std::string(Messages::Text("the program does not convert"));
        return false;
    }
    ScanEngine probe;
    if (!probe.Load(m_convert, problem)) {
        return false;
    }
    m_runner = std::make_unique<LadderTestRunner>(m_convert, ScanEngine::kDefaultPeriodMs);
    return true;
}

std::vector<LadderTestResult> LadderTestBench::RunAll(const LadderTestFile& file) const {
    std::vector<LadderTestResult> results;
    if (!m_runner) {
        return results;
    }
    results.reserve(file.Cases().size());
    for (const LadderTestCase& testCase : file.Cases()) {
        results.push_back(m_runner->Run(testCase));
    }
    return results;
}

}  // namespace rungpad
