// Reading back the dumps this program writes, and refusing every other one with a message that
// names what is not understood.
#include <gtest/gtest.h>

#include "sim/SignalMemory.h"
#include "sim/SimTrace.h"
#include "sim/VcdReader.h"
#include "sim/VcdWriter.h"

namespace rungpad::test {

namespace {

SimSignal Named(const char* name) {
    std::string problem;
    return *SimSignal::Parse(name, problem);
}

// A header of ours over the given $var lines.
std::string Dump(const std::string& vars, const std::string& body) {
    return "$version Rungpad ladder simulation $end\n$timescale 1ms $end\n"
           "$scope module ladder $end\n" +
           vars + "$upscope $end\n$enddefinitions $end\n" + body;
}

const std::string kVars = "$var wire 1 ! X000_0_start $end\n$var reg 8 \" R100 $end\n";

}  // namespace

TEST(VcdReader, ReadsWhatTheWriterWrites) {
    SimTrace trace({Named("X000.0"), Named("R100"), Named("DT0001"), Named("Y001.7")});
    SignalMemory memory;
    trace.Sample(0, memory);
    Named("X000.0").Write(memory, 1);
    Named("DT0001").Write(memory, 0xBEEF);
    trace.Sample(16, memory);
    Named("R100").Write(memory, 0x3F);
    Named("X000.0").Write(memory, 0);
    trace.Sample(120, memory);
    const std::string text = VcdWriter::Write(trace, {"start button", "", "", "lamp 2_b"}, 480);

    std::string problem;
    const std::optional<SignalHistory> history = VcdReader::Read(text, problem);
    ASSERT_TRUE(history) << problem;
    ASSERT_EQ(history->RowCount(), 4u);
    EXPECT_EQ(history->RowAt(0).signal.name, "X000.0");
    EXPECT_EQ(history->RowAt(0).note, "start button");
    EXPECT_EQ(history->RowAt(2).signal.name, "DT0001");
    EXPECT_EQ(history->RowAt(3).note, "lamp 2 b");  // '_' and ' ' are one in a name
    EXPECT_EQ(history->EndMs(), 480);
    EXPECT_EQ(history->StartMs(), 0);
    const struct {
        std::size_t row;
        std::int64_t timeMs;
        std::uint32_t value;
    } values[] = {
        {0, 0, 0},    {0, 16, 1}, {0, 119, 1},     {0, 120, 0}, {1, 119, 0},
        {1, 120, 63}, {2, 15, 0}, {2, 16, 0xBEEF}, {3, 480, 0},
    };
    for (const auto& v : values) {
        EXPECT_EQ(history->ValueAt(v.row, v.timeMs)->value, v.value) << v.row << " " << v.timeMs;
    }
    EXPECT_EQ(history->RowAt(0).changes.size(), 3u);
}

TEST(VcdReader, ReadsTheVariantsAWriterMayProduce) {
    const struct {
        const char* what;
        std::string text;
        std::size_t changes;  // of the first row
    } cases[] = {
        {"no $version, $date or $comment; timescale in two words",
         "$timescale 1 ms $end $scope module ladder $end $var wire 1 ! Y000_0 $end $upscope $end "
         "$enddefinitions $end #0 0! #8 1!",
         2},
        {"no changes at all", Dump(kVars, ""), 0},
        {"a short vector is widened", Dump(kVars, "#0\n0!\nb11 \"\n#5\n1!\n"), 2},
        {"CR LF lines, comments and dates",
         "$date today $end\r\n$comment any words here $end\r\n" + Dump(kVars, "#0\r\n1!\r\n"), 1},
        {"no $scope",
         "$timescale 1ms $end\n$var wire 1 ! X000_0 $end\n$enddefinitions $end\n#3\n1!\n", 1},
    };
    for (const auto& c : cases) {
        std::string problem;
        const std::optional<SignalHistory> history = VcdReader::Read(c.text, problem);
        ASSERT_TRUE(history) << c.what << ": " << problem;
        EXPECT_EQ(history->RowAt(0).changes.size(), c.changes) << c.what;
        EXPECT_TRUE(problem.empty()) << c.what;
    }
}

TEST(VcdReader, RefusesWhatItDoesNotUnderstand) {
    const struct {
        std::string text;
        const char* problem;
    } cases[] = {
        {"", "line 1: the file ends before $enddefinitions: not a value change dump"},
        {"hello world", "line 1: 'hello' is not understood in the header of a trace"},
        {"\x89PNG\r\n\x1a\n", "line 1: '?PNG' is not understood in the header of a trace"},
        {"$timescale 1ns $end",
         "line 1: timescale '1ns' is not understood: traces of ours count "
         "in 1ms"},
        {"$timescale 1ms $end\n$scope module a $end\n$scope module b $end",
         "line 3: a scope inside a scope is not understood: traces of ours have one"},
        {"$timescale 1ms $end\n$var real 64 ! X000_0 $end",
         "line 2: variable type 'real' is not understood: only wire and reg"},
        {"$timescale 1ms $end\n$var wire 0 ! X000_0 $end",
         "line 2: variable size '0' is not understood: 1 to 32 bits"},
        {"$timescale 1ms $end\n$var wire 8 ! data [7:0] $end",
         "line 2: a $var of 5 words is not understood: traces of ours give type, size, code and "
         "name"},
        {"$timescale 1ms $end\n$var wire 1 ! clk $end",
         "line 2: variable 'clk' of 1 bit names no signal address of that size (X000_0, R100, "
         "D010 ...)"},
        {"$timescale 1ms $end\n$var reg 8 ! D010 $end",
         "line 2: variable 'D010' of 8 bits names no signal address of that size (X000_0, R100, "
         "D010 ...)"},
        {"$timescale 1ms $end\n$var wire 1 ! X000_0 $end\n$var wire 1 \" X000_0_again $end",
         "line 3: X000.0 is declared twice"},
        {"$timescale 1ms $end\n$var wire 1 ! X000_0 $end\n$var wire 1 ! X000_1 $end",
         "line 3: code '!' is declared twice"},
        {"$timescale 1ms $end\n$var wire 1 ! X000_0", "line 2: $var has no $end"},
        {"$comment never ends", "line 1: $comment has no $end"},
        {"$var wire 1 ! X000_0 $end $enddefinitions $end",
         "line 1: no $timescale: traces of ours "
         "count in 1ms"},
        {"$timescale 1ms $end $enddefinitions $end", "line 1: the trace has no signals"},
        {Dump(kVars, "1!\n"), "line 8: a value before the first time"},
        {Dump(kVars, "#0\nx!\n"),
         "line 9: value 'x!' is not understood: only 0, 1 and binary "
         "vectors"},
        {Dump(kVars, "#0\nbx1 \"\n"),
         "line 9: value 'bx1' is not understood: only vectors of 0 "
         "and 1"},
        {Dump(kVars, "#0\nr1.5 \"\n"),
         "line 9: value 'r1.5' is not understood: only 0, 1 and "
         "binary vectors"},
        {Dump(kVars, "#0\nb101010101 \"\n"), "line 9: a value of 9 bits for R100, which has 8"},
        {Dump(kVars, "#0\nb10 !\n"), "line 9: a value of 2 bits for X000.0, which has 1"},
        {Dump(kVars, "#0\n1?\n"), "line 9: value for '?', which no $var declares"},
        {Dump(kVars, "#0\nb1\n"), "line 9: value for no code, which no $var declares"},
        {Dump(kVars, "#16\n#8\n"), "line 9: time #8 goes back from #16"},
        {Dump(kVars, "#-1\n"),
         "line 8: time '-1' is not understood: a whole number of ms up to "
         "1000000000000000"},
        {Dump(kVars, "#99999999999999999999\n"),
         "line 8: time '99999999999999999999' is not understood: a whole number of ms up to "
         "1000000000000000"},
        {Dump(kVars, "#0\n$dumpoff\n"),
         "line 9: '$dumpoff' is not understood: traces of ours "
         "hold only times and values"},
        {Dump(kVars, "#0\n$dumpvars\n1!\n"), "line 10: $dumpvars has no $end"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_FALSE(VcdReader::Read(c.text, problem)) << c.text;
        EXPECT_EQ(problem, c.problem) << c.text;
    }
}

TEST(VcdReader, ALongTraceKeepsItsEndWithinTheLimit) {
    std::string vars;
    std::string body;
    constexpr int kSignals = 64;
    for (int i = 0; i < kSignals; ++i) {
        vars += "$var reg 8 " + VcdWriter::IdentifierOf(static_cast<std::size_t>(i)) + " R" +
                std::to_string(100 + i) + " $end\n";
    }
    // Every signal changes at each of 80 000 times: more than the trace keeps.
    constexpr int kTimes = 80'000;
    for (int t = 0; t < kTimes; ++t) {
        body += "#" + std::to_string(t) + "\n";
        for (int i = 0; i < kSignals; ++i) {
            body += (t % 2 == 0 ? "b1 " : "b0 ") +
                    VcdWriter::IdentifierOf(static_cast<std::size_t>(i)) + "\n";
        }
    }
    std::string problem;
    const std::optional<SignalHistory> history = VcdReader::Read(Dump(vars, body), problem);
    ASSERT_TRUE(history) << problem;
    const std::size_t perRow = VcdReader::kMaxTraceChanges / kSignals;
    EXPECT_EQ(history->RowAt(0).changes.size(), perRow);
    EXPECT_LE(history->ChangeBytes(), VcdReader::kMaxTraceChanges * sizeof(HistoryChange));
    EXPECT_EQ(history->StartMs(), kTimes - static_cast<std::int64_t>(perRow));
    EXPECT_EQ(history->EndMs(), kTimes - 1);
}

}  // namespace rungpad::test
