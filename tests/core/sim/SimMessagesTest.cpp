#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "SimFixture.h"
#include "model/AddressNotes.h"
#include "model/MessageTable.h"
#include "model/Messages.h"
#include "sim/LadderTestFile.h"
#include "sim/LadderTestRunner.h"
#include "sim/SimWarnings.h"
#include "sim/VcdReader.h"
#include "sim/WatchList.h"
#include "timing/TimingDiagram.h"
#include "timing/TimingSvg.h"

namespace rungpad {
namespace {

using test::SimProgram;

class LanguageScope {
  public:
    explicit LanguageScope(const Language language) { Messages::SetLanguage(language); }
    ~LanguageScope() { Messages::SetLanguage(Language::Original); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

struct MessageCase {
    const char* what;
    std::function<std::string()> produce;  // the message a person reads
    const char* original;
    const char* chinese;
    const char* english;
};

std::string EngineRefusal() {
    SimProgram sim;
    sim.Load({"X000.0 - - - - - - (Y000.0)", "X000.0 - - [AXCTL:0005:D010] - (R110.0)",
              "X000.1 - - # # #"});
    return sim.message;
}

std::string JumpLoopStop() {
    SimProgram sim;
    EXPECT_TRUE(sim.Load({"- - - - [LBL:0001] - -", "X000.0 - - [JMPB:0001] - - -"}))
        << sim.message;
    test::Named("X000.0").Write(sim.engine.Memory(), 1);
    sim.engine.Scan();
    return sim.engine.StopMessage();
}

std::string StimulusProblem(const std::string& text) {
    Stimulus stimulus;
    std::string message;
    stimulus.Parse(text, message);
    return message;
}

std::string WatchProblem(const std::string& text) {
    WatchList watch;
    std::string problem;
    watch.Add(text, AddressNotes{}, problem);
    return problem;
}

std::string VcdProblem(const std::string& text) {
    std::string problem;
    VcdReader::Read(text, problem);
    return problem;
}

std::string TestFileProblem(const std::string& text) {
    LadderTestFile file;
    std::string message;
    file.Parse(text, "t.plt", message);
    return message;
}

std::string TestFailure() {
    SimProgram sim;
    EXPECT_TRUE(sim.Load({"X000.0 - - - - - - (Y000.0)"})) << sim.message;
    LadderTestFile file;
    std::string message;
    EXPECT_TRUE(file.Parse("case on\n0ms X000.0=1\nexpect 16ms Y000.0=0\n", "t.plt", message))
        << message;
    const LadderTestRunner runner(sim.convert, ScanEngine::kDefaultPeriodMs);
    return runner.Run(file.Cases().at(0)).Detail("t.plt");
}

// One message of each source in the three languages; Original is the text as it always was.
TEST(SimMessages, EachSourceSpeaksTheChosenLanguage) {
    const MessageCase cases[] = {
        {"engine refusal", EngineRefusal,
         "AXCTL on ladder line 2 cannot be simulated: its effect is not defined for simulation",
         "梯形图第 2 行的 AXCTL 无法仿真：其作用在仿真中未定义",
         "AXCTL on ladder line 2 cannot be simulated: its effect is not defined for simulation"},
        {"jump loop", JumpLoopStop,
         "JMPB on ladder line 2: it jumps back to LBL 0001 on ladder line 1 every time, so the "
         "scan does not reach END2 (a jump loop)",
         "梯形图第 2 行的 JMPB：每次都跳回梯形图第 1 行的 LBL 0001，扫描到达不了 END2（跳转循环）",
         "JMPB on ladder line 2: it jumps back to LBL 0001 on ladder line 1 every time, so the "
         "scan does not reach END2 (a jump loop)"},
        {"stimulus value", [] { return StimulusProblem("0ms X000.0=2\n"); },
         "stimulus line 1: value '2' does not fit X000.0 (0 to 1)",
         "激励第 1 行：值 '2' 超出 X000.0 的范围（0 到 1）",
         "stimulus line 1: value '2' does not fit X000.0 (0 to 1)"},
        {"stimulus time", [] { return StimulusProblem("\nsoon X000.0=1\n"); },
         "stimulus line 2: expected a time such as 0ms, 120ms or 2s, not 'soon'",
         "激励第 2 行：应为 0ms、120ms 或 2s 这样的时间，而不是 'soon'",
         "stimulus line 2: expected a time such as 0ms, 120ms or 2s, not 'soon'"},
        {"watch address", [] { return WatchProblem("Q12"); }, "'Q12' is not a signal address",
         "'Q12' 不是信号地址", "'Q12' is not a signal address"},
        {"vcd", [] { return VcdProblem("$timescale 1 ns $end\n"); },
         "line 1: timescale '1ns' is not understood: traces of ours count in 1ms",
         "第1行: 无法识别时间单位 '1ns'：本系统的波形记录以 1ms 计",
         "line 1: timescale '1ns' is not understood: traces of ours count in 1ms"},
        {"test file", [] { return TestFileProblem("case a\nexpect 10ms Y000.0=1\ncase a\n"); },
         "t.plt:3: a second case named 'a'", "t.plt:3: 用例名称“a”重复",
         "t.plt:3: a second case named 'a'"},
        {"test failure", TestFailure,
         "t.plt:3: expect 16ms Y000.0=0: at 16ms Y000.0 was 1; written by ladder line 1",
         "t.plt:3: expect 16ms Y000.0=0：16ms 时 Y000.0 为 1；由梯形图第 1 行写入",
         "t.plt:3: expect 16ms Y000.0=0: at 16ms Y000.0 was 1; written by ladder line 1"},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.produce(), c.original);
        {
            const LanguageScope chinese(Language::Chinese);
            EXPECT_EQ(c.produce(), c.chinese);
        }
        {
            const LanguageScope english(Language::English);
            EXPECT_EQ(c.produce(), c.english);
        }
    }
}

// Warnings ordered by each language's own word order: the placeholders move, the values stay.
TEST(SimMessages, PresetWarningKeepsItsValuesInEveryLanguage) {
    ScanEngine::TimerCounter box;
    box.instruction = "TMR";
    box.number = 3;
    box.line = 4;
    box.presetWord = "DT0003";
    EXPECT_EQ(SimWarnings::PresetText(box),
              "TMR 3 on ladder line 5: its preset DT0003 is never set, so it stays 0 and the "
              "timer is done in the first scan its input is on");
    const LanguageScope chinese(Language::Chinese);
    EXPECT_EQ(SimWarnings::PresetText(box),
              "梯形图第 5 行的 TMR 3：其设定值 DT0003 从未设置，保持为 0，输入接通后的第一次扫描定"
              "时器即到时");
}

// The ruler's words follow the language on screen; a picture written to a file keeps Original.
TEST(SimMessages, TimingDiagramWordsOnScreenOnly) {
    SignalHistory history;
    history.AddRow(test::Named("Y000.0"), "");
    history.SetEnd(100);
    const LanguageScope chinese(Language::Chinese);
    TimingDiagram diagram(history);
    diagram.SetRange(0, 100);
    const std::string file = TimingSvg::Render(diagram, "t");
    EXPECT_NE(file.find(">Signal<"), std::string::npos);
    EXPECT_NE(file.find(">end<"), std::string::npos);
    diagram.SetLanguage(Language::Chinese);
    const std::string screen = TimingSvg::Render(diagram, "t");
    EXPECT_NE(screen.find(">信号<"), std::string::npos);
    EXPECT_NE(screen.find(">结束<"), std::string::npos);
}

// Texts kept in constants and looked up where they are shown: the source scan of the message
// table test sees only literals, so these are listed here.
TEST(SimMessages, LookedUpConstantsAreInTheTable) {
    const char* constants[] = {
        // the value each rungpad-cli option needs (ArgParser::AddValue)
        "a file name",
        "a directory",
        "a case name",
        "a value",
    };
    for (const char* constant : constants) {
        const bool listed = std::any_of(
            MessageTable::Entries().begin(), MessageTable::Entries().end(),
            [constant](const MessageEntry& entry) { return entry.original == constant; });
        EXPECT_TRUE(listed) << constant;
    }
}

// The literals of one initializer: the string literal groups (adjacent literals joined) between
// the brace at `at` and its closing brace, in order.
std::vector<std::string> LiteralGroups(const std::string& source, std::size_t at) {
    std::vector<std::string> groups;
    std::string current;
    bool inGroup = false;
    for (; at < source.size() && source[at] != '}'; ++at) {
        if (source[at] == ',') {
            if (inGroup) {
                groups.push_back(current);
            }
            current.clear();
            inGroup = false;
        } else if (source[at] == '"') {
            inGroup = true;
            for (++at; at < source.size() && source[at] != '"'; ++at) {
                if (source[at] == '\\' && at + 1 < source.size()) {
                    ++at;
                    current += source[at] == 'n' ? '\n' : source[at];
                } else {
                    current += source[at];
                }
            }
        }
    }
    if (inGroup) {
        groups.push_back(current);
    }
    return groups;
}

// Every rungpad-cli command's --help text (the third text of its CliCommand) is looked up in the
// table where it is printed; a command added without its translations is caught here.
TEST(SimMessages, EveryCommandHelpIsInTheTable) {
    std::set<std::string_view> originals;
    for (const MessageEntry& entry : MessageTable::Entries()) {
        originals.insert(entry.original);
    }
    const std::filesystem::path cli = std::filesystem::path(RUNGPAD_SOURCE_DIR) / "src" / "cli";
    int commands = 0;
    for (const auto& file : std::filesystem::directory_iterator(cli)) {
        if (file.path().extension() != ".cpp") {
            continue;
        }
        std::ifstream in(file.path(), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string source = buffer.str();
        const std::size_t definition = source.find("const CliCommand k");
        if (definition == std::string::npos) {
            continue;
        }
        ++commands;
        const std::vector<std::string> texts =
            LiteralGroups(source, source.find('{', definition) + 1);
        ASSERT_GE(texts.size(), 3u) << file.path().filename().string();
        EXPECT_TRUE(originals.count(texts[2]) != 0)
            << file.path().filename().string() << ": the help text is not in MessageTable";
    }
    EXPECT_GE(commands, 10);
}

}  // namespace
}  // namespace rungpad
