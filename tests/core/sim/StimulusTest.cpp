// The stimulus format, signal addresses and the waveform dump.
#include <gtest/gtest.h>

#include <optional>

#include "sim/SignalMemory.h"
#include "sim/SimTrace.h"
#include "sim/Stimulus.h"
#include "sim/VcdWriter.h"

namespace rungpad::test {

namespace {

TEST(Stimulus, ParsesEventsInTimeOrder) {
    Stimulus stimulus;
    std::string message;
    ASSERT_TRUE(
        stimulus.Parse("# presets\n0ms DT0001=500\n\n2s X000.0=1   # start\n120ms R100=0x3F\r\n"
                       "120ms y000.1=1\n",
                       message))
        << message;
    const auto& events = stimulus.Events();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].assignment.signal.name, "DT0001");
    EXPECT_EQ(events[0].assignment.value, 500u);
    EXPECT_EQ(events[1].timeMs, 120);
    EXPECT_EQ(events[1].assignment.value, 0x3Fu);
    EXPECT_EQ(events[1].line, 5);
    EXPECT_EQ(events[2].assignment.signal.name, "Y000.1");  // equal times keep their order
    EXPECT_EQ(events[3].timeMs, 2000);

    SignalMemory memory;
    std::size_t next = stimulus.ApplyDue(119, 0, memory);
    EXPECT_EQ(next, 1u);
    EXPECT_EQ(memory.Value(0x8102, 2), 500u);  // DT0001
    next = stimulus.ApplyDue(1999, next, memory);
    EXPECT_EQ(next, 3u);
    EXPECT_EQ(memory.Byte(0x8500 + 100), 0x3F);
    EXPECT_TRUE(memory.Bit(0x80D0, 0x02));
}

// Times in milliseconds or seconds; seconds may have up to three decimals.
TEST(Stimulus, DurationsInMillisecondsAndSeconds) {
    const struct {
        const char* text;
        std::optional<std::int64_t> ms;
    } cases[] = {
        {"0ms", 0},
        {"120ms", 120},
        {"2s", 2000},
        {"1.2s", 1200},
        {"0.5s", 500},
        {"0.008s", 8},
        {"86400s", 86400000},
        {"1.2345s", std::nullopt},
        {"1.5ms", std::nullopt},
        {"1.s", std::nullopt},
        {".5s", std::nullopt},
        {"1..2s", std::nullopt},
        {"86400.001s", std::nullopt},
        {"12", 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Stimulus::ParseDuration(c.text), c.ms) << c.text;
    }
}

TEST(Stimulus, MalformedLinesNameTheirLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"0ms X000.0=1\nsoon X000.0=0\n",
         "stimulus line 2: expected a time such as 0ms, 120ms or 2s, not 'soon'"},
        {"10 X000.0", "stimulus line 1: expected SIGNAL=VALUE, found 'X000.0'"},
        {"5ms", "stimulus line 1: expected TIME SIGNAL=VALUE"},
        {"0ms X000.8=1", "stimulus line 1: 'X000.8' is not a signal address"},
        {"0ms X064.0=1", "stimulus line 1: 'X064.0' is out of the address range of X"},
        {"0ms Q000.0=1", "stimulus line 1: 'Q000.0' is not a signal address"},
        {"0ms X000.0=2", "stimulus line 1: value '2' does not fit X000.0 (0 to 1)"},
        {"0ms R100=256", "stimulus line 1: value '256' does not fit R100 (0 to 255)"},
        {"0ms D010=65536", "stimulus line 1: value '65536' does not fit D010 (0 to 65535)"},
        {"0ms DT0001=-1", "stimulus line 1: value '-1' does not fit DT0001 (0 to 65535)"},
        {"-5ms X000.0=1", "stimulus line 1: expected a time such as 0ms, 120ms or 2s, not '-5ms'"},
        // Above the longest time: the limit is named.
        {"99999999s X000.0=1",
         "stimulus line 1: time '99999999s' is above the longest allowed, 86400s (24 hours)"},
        // A long text is shortened in the message.
        {"0ms R100=123456789012345678901234567890",
         "stimulus line 1: value '12345678901234567890...' does not fit R100 (0 to 255)"},
        {"0ms X000.0=1\n1ms 字字字字字字字字字=1",
         "stimulus line 2: '字字字字字字...' is not a signal address"},
    };
    for (const auto& c : cases) {
        Stimulus stimulus;
        std::string message;
        EXPECT_FALSE(stimulus.Parse(c.text, message)) << c.text;
        EXPECT_EQ(message, c.message) << c.text;
        EXPECT_TRUE(stimulus.Events().empty());
    }
}

TEST(Stimulus, AcceptsAByteOrderMark) {
    Stimulus stimulus;
    std::string message;
    EXPECT_TRUE(
        stimulus.Parse("\xEF\xBB\xBF"
                       "0ms X000.0=1\n",
                       message))
        << message;
    ASSERT_EQ(stimulus.Events().size(), 1u);
    EXPECT_EQ(stimulus.Events()[0].assignment.signal.name, "X000.0");
}

TEST(SimSignal, LocatesAddressesAsTheImageEncodesThem) {
    const struct {
        const char* text;
        std::uint16_t operand;
        std::uint8_t mask;
        int width;
    } cases[] = {
        {"X000.0", 0x8090, 0x01, 1}, {"y047.7", 0x80FF, 0x80, 1}, {"R511", 0x86FF, 0, 8},
        {"T005", 0x870A, 0, 16},     {"C127", 0x88FE, 0, 16},     {"DC0002", 0x8204, 0, 16},
        {"DT010", 0x8114, 0, 16},    {"D255", 0x84FE, 0, 16},     {"K005.3", 0x8C85, 0x08, 1},
    };
    for (const auto& c : cases) {
        std::string problem;
        const std::optional<SimSignal> signal = SimSignal::Parse(c.text, problem);
        ASSERT_TRUE(signal) << c.text << ": " << problem;
        EXPECT_EQ(signal->operand, c.operand) << c.text;
        EXPECT_EQ(signal->mask, c.mask) << c.text;
        EXPECT_EQ(signal->Width(), c.width) << c.text;
    }
    for (const char* bad : {"", "X", "X00000", "X0.", "X0.9", "DT1.1", "R512", "Y048.0", "X0.1x"}) {
        std::string problem;
        EXPECT_FALSE(SimSignal::Parse(bad, problem)) << bad;
        EXPECT_FALSE(problem.empty());
    }
}

TEST(VcdWriter, HeaderAndValueChanges) {
    std::string problem;
    SimTrace trace({*SimSignal::Parse("Y000.0", problem), *SimSignal::Parse("R100", problem),
                    *SimSignal::Parse("T001", problem)});
    SignalMemory memory;
    trace.Sample(0, memory);
    memory.WriteBit(0x80D0, 1, true);
    memory.WriteByte(0x8564, 5);
    trace.Sample(8, memory);
    trace.Sample(16, memory);  // nothing changed
    memory.WriteValue(0x8702, 2, 300);
    trace.Sample(24, memory);
    EXPECT_EQ(trace.Text(),
              "0ms Y000.0=0\n0ms R100=0\n0ms T001=0\n8ms Y000.0=1\n8ms R100=5\n24ms T001=300\n");
    EXPECT_EQ(VcdWriter::Write(trace, {"主轴 启动"}, 32),
              "$version Rungpad ladder simulation $end\n"
              "$timescale 1ms $end\n"
              "$scope module ladder $end\n"
              "$var wire 1 ! Y000_0_主轴_启动 $end\n"
              "$var reg 8 \" R100 $end\n"
              "$var reg 16 # T001 $end\n"
              "$upscope $end\n"
              "$enddefinitions $end\n"
              "#0\n$dumpvars\n0!\nb00000000 \"\nb0000000000000000 #\n$end\n"
              "#8\n1!\nb00000101 \"\n"
              "#24\nb0000000100101100 #\n"
              "#32\n");
    EXPECT_EQ(VcdWriter::IdentifierOf(93), "~");
    EXPECT_EQ(VcdWriter::IdentifierOf(94), "!\"");
}

// A trace with a listener keeps nothing and hands over the same changes as they happen; the dump
// written piece by piece equals the one written from a kept trace.
TEST(VcdWriter, StreamsTheSameDumpAsItKeeps) {
    std::string problem;
    const std::vector<SimSignal> signals = {*SimSignal::Parse("Y000.0", problem),
                                            *SimSignal::Parse("D010", problem)};
    SimTrace kept(signals);
    SimTrace streamed(signals);
    std::string text;
    std::string dump;
    VcdWriter writer(signals, {"lamp"}, [&dump](std::string_view piece) { dump += piece; });
    streamed.SetListener([&](const TraceChange& change) {
        text += streamed.Line(change);
        writer.Change(change);
    });
    SignalMemory memory;
    for (int scan = 0; scan < 50; ++scan) {
        memory.WriteBit(0x80D0, 1, scan % 3 == 0);
        memory.WriteValue(0x8414, 2, static_cast<std::uint32_t>(scan / 7));
        kept.Sample(scan * 8, memory);
        streamed.Sample(scan * 8, memory);
    }
    writer.Finish(400);
    EXPECT_TRUE(streamed.Changes().empty());
    EXPECT_EQ(text, kept.Text());
    EXPECT_EQ(dump, VcdWriter::Write(kept, {"lamp"}, 400));
}

}  // namespace

}  // namespace rungpad::test
