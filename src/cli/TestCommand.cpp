#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "ArgParser.h"
#include "CliCommand.h"
#include "CliDocument.h"
#include "LadderInput.h"
#include "model/Messages.h"
#include "sim/LadderTestFile.h"
#include "sim/LadderTestRunner.h"
#include "sim/ScanEngine.h"
#include "sim/VcdWriter.h"

namespace rungpad::cli {

namespace {

struct TestArgs {
    std::vector<std::string> files;  // the program, then the test files
    std::optional<std::string> junit;
    std::optional<std::string> vcdDir;
    std::optional<std::string> caseName;
};

std::string XmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\n':
                out += "&#10;";
                break;
            default:
                // Control characters have no place in XML 1.0.
                out += (static_cast<unsigned char>(c) < 0x20 && c != '\t') ? '?' : c;
        }
    }
    return out;
}

// The file name stem for a case's trace: letters, digits, '-' and '_' kept, everything else '_'.
std::string FileNameOf(const std::string& caseName) {
    std::string name;
    for (const char c : caseName) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        name += plain ? c : '_';
    }
    return name;
}

struct SuiteResult {
    std::string file;
    std::vector<LadderTestResult> results;
};

std::string JUnitOf(const std::vector<SuiteResult>& suites) {
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites>\n";
    for (const SuiteResult& suite : suites) {
        std::size_t failures = 0;
        for (const LadderTestResult& result : suite.results) {
            failures += result.passed ? 0 : 1;
        }
        xml << "  <testsuite name=\"" << XmlEscaped(suite.file) << "\" tests=\""
            << suite.results.size() << "\" failures=\"" << failures << "\">\n";
        for (const LadderTestResult& result : suite.results) {
            xml << "    <testcase name=\"" << XmlEscaped(result.name) << "\" classname=\""
                << XmlEscaped(suite.file) << "\"";
            if (result.passed) {
                xml << "/>\n";
                continue;
            }
            const std::string text = result.Detail(suite.file);
            xml << ">\n      <failure message=\"" << XmlEscaped(text) << "\">" << XmlEscaped(text)
                << "</failure>\n    </testcase>\n";
        }
        xml << "  </testsuite>\n";
    }
    xml << "</testsuites>\n";
    return xml.str();
}

bool ReadTests(const std::string& path, LadderTestFile& file) {
    std::string error;
    if (!file.Read(path, error)) {
        std::cerr << "rungpad-cli: " << error << '\n';
        return false;
    }
    return true;
}

std::optional<TestArgs> ParseArgs(const std::vector<std::string>& args, std::string& problem) {
    TestArgs parsed;
    ArgParser parser;
    parser.AddValue("--junit", "a file name", parsed.junit, ArgParser::EmptyValue::kMissing);
    parser.AddValue("--vcd-dir", "a directory", parsed.vcdDir, ArgParser::EmptyValue::kMissing);
    parser.AddValue("--case", "a case name", parsed.caseName, ArgParser::EmptyValue::kMissing);
    if (!parser.ParseOperands(args, parsed.files, problem)) {
        return std::nullopt;
    }
    if (parsed.files.size() < 2) {
        problem = Messages::Text("expects a PROGRAM and at least one TESTFILE");
        return std::nullopt;
    }
    return parsed;
}

// Runs the cases of every file (only the one named by --case when given); prints one line each
// on out when given.
std::vector<SuiteResult> RunAll(const std::vector<LadderTestFile>& files,
                                const LadderTestRunner& runner, const TestArgs& parsed,
                                std::ostream* out) {
    std::vector<SuiteResult> suites;
    for (const LadderTestFile& file : files) {
        suites.push_back({file.Name(), {}});
        for (const LadderTestCase& testCase : file.Cases()) {
            if (parsed.caseName && testCase.name != *parsed.caseName) {
                continue;
            }
            LadderTestResult result = runner.Run(testCase);
            if (out != nullptr) {
                *out << (result.passed ? "PASS " : "FAIL ") << result.name << '\n';
                if (!result.passed) {
                    *out << "  " << result.Detail(file.Name()) << '\n';
                }
            }
            suites.back().results.push_back(std::move(result));
        }
    }
    return suites;
}

// The trace file of every case that runs, in run order: DIR/CASE.vcd, made unique with -2, -3 ...
// when two names come out the same.
std::vector<std::string> TracePaths(const std::vector<LadderTestFile>& files,
                                    const TestArgs& parsed) {
    std::vector<std::string> paths;
    if (!parsed.vcdDir) {
        return paths;
    }
    std::set<std::string> taken;
    for (const LadderTestFile& file : files) {
        for (const LadderTestCase& testCase : file.Cases()) {
            if (parsed.caseName && testCase.name != *parsed.caseName) {
                continue;
            }
            const std::string base = FileNameOf(testCase.name);
            std::string name = base + ".vcd";
            for (int n = 2; !taken.insert(name).second; ++n) {
                name = base + "-" + std::to_string(n) + ".vcd";
            }
            paths.push_back((std::filesystem::path(*parsed.vcdDir) / name).string());
        }
    }
    return paths;
}

// The results with the failure texts in the original language, for the JUnit file: a file
// written reads the same whatever language the messages are printed in. The cases run again,
// which gives the same results: a run depends on nothing but the program and the case.
std::vector<SuiteResult> InOriginal(const std::vector<SuiteResult>& suites,
                                    const std::vector<LadderTestFile>& files,
                                    const LadderTestRunner& runner, const TestArgs& parsed) {
    const Language chosen = Messages::CurrentLanguage();
    if (chosen == Language::Original) {
        return suites;
    }
    Messages::SetLanguage(Language::Original);
    std::vector<SuiteResult> again = RunAll(files, runner, parsed, nullptr);
    Messages::SetLanguage(chosen);
    return again;
}

bool WriteTraces(const std::vector<SuiteResult>& suites, const std::vector<std::string>& paths,
                 std::int64_t periodMs) {
    std::size_t at = 0;
    for (const SuiteResult& suite : suites) {
        for (const LadderTestResult& result : suite.results) {
            const std::string& path = paths.at(at++);
            if (!result.passed &&
                !WriteTextOutput(path,
                                 VcdWriter::Write(result.trace, {}, result.failMs + periodMs))) {
                return false;
            }
        }
    }
    return true;
}

// Every file the run reads and writes, checked before anything runs.
bool FilesAccepted(const TestArgs& parsed, const std::vector<std::string>& tracePaths) {
    OutputGuard guard;
    for (const std::string& file : parsed.files) {
        guard.AddInput(file);
    }
    guard.AddInput(DefaultNoteFile());
    guard.AddOutput(parsed.junit.value_or(""));
    for (const std::string& path : tracePaths) {
        guard.AddOutput(path);
    }
    return OutputsAccepted(guard);
}

int RunTest(const std::vector<std::string>& args) {
    std::string problem;
    const std::optional<TestArgs> parsed = ParseArgs(args, problem);
    if (!parsed) {
        return UsageError(kTestCommand, problem);
    }
    std::vector<LadderTestFile> files(parsed->files.size() - 1);
    for (std::size_t i = 1; i < parsed->files.size(); ++i) {
        if (!ReadTests(parsed->files[i], files[i - 1])) {
            return kExitBadFile;
        }
    }
    if (parsed->vcdDir && !std::filesystem::is_directory(*parsed->vcdDir)) {
        std::cerr << "rungpad-cli: " << *parsed->vcdDir << ": " << Messages::Text("not a directory")
                  << '\n';
        return kExitBadFile;
    }
    const std::vector<std::string> tracePaths = TracePaths(files, *parsed);
    if (!FilesAccepted(*parsed, tracePaths)) {
        return kExitBadFile;
    }
    CliDocument document;
    if (!document.Open(parsed->files[0])) {
        return kExitBadFile;
    }
    if (!document.Convert()) {
        return kExitFailed;
    }
    ScanEngine probe;
    if (!probe.Load(document.Doc().Converter(), problem)) {
        std::cerr << "rungpad-cli: " << problem << '\n';
        return kExitFailed;
    }
    const LadderTestRunner runner(document.Doc().Converter(), ScanEngine::kDefaultPeriodMs);
    const std::vector<SuiteResult> suites = RunAll(files, runner, *parsed, &std::cout);
    std::size_t total = 0;
    std::size_t failed = 0;
    for (const SuiteResult& suite : suites) {
        for (const LadderTestResult& result : suite.results) {
            ++total;
            failed += result.passed ? 0 : 1;
        }
    }
    if (parsed->caseName && total == 0) {
        std::cerr << "rungpad-cli: " << Messages::Format("no case named '%1'", {*parsed->caseName})
                  << '\n';
        return kExitUsage;
    }
    std::cout << Messages::Format("%1 passed, %2 failed",
                                  {std::to_string(total - failed), std::to_string(failed)})
              << '\n';
    if (parsed->junit &&
        !WriteTextOutput(*parsed->junit, JUnitOf(InOriginal(suites, files, runner, *parsed)))) {
        return kExitBadFile;
    }
    if (parsed->vcdDir && !WriteTraces(suites, tracePaths, ScanEngine::kDefaultPeriodMs)) {
        return kExitBadFile;
    }
    return failed == 0 ? kExitOk : kExitFailed;
}

}  // namespace

const CliCommand kTestCommand{
    "test", "test PROGRAM TESTFILE... [--junit OUT.xml] [--vcd-dir DIR] [--case NAME]",
    "Converts PROGRAM and runs every case of the test files (.plt, see docs/testing.md), each\n"
    "from a fresh start, printing PASS NAME or FAIL NAME a case; a failure also names the\n"
    "expectation, the time, the value seen and the ladder line that writes the signal.\n"
    "--junit writes the results as JUnit XML, --vcd-dir writes each failing case's trace as\n"
    "DIR/CASE.vcd, --case runs only the case of that name.\n"
    "Exit status: 0 every case passed, 1 a case failed or the program does not convert or uses\n"
    "an instruction the simulation refuses, 2 unreadable or malformed file or unwritable output,\n"
    "64 usage.\n",
    RunTest};

}  // namespace rungpad::cli
