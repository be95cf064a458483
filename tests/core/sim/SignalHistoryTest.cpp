// The timing diagram's change store: changes instead of samples, the live window and the count
// limit that bound its memory, values at a time, rows that follow the watch list.
#include <gtest/gtest.h>

#include "sim/SignalHistory.h"
#include "sim/SignalMemory.h"

namespace rungpad::test {

namespace {

SimSignal Named(const char* name) {
    std::string problem;
    return *SimSignal::Parse(name, problem);
}

constexpr std::int64_t kScanMs = 8;

}  // namespace

TEST(SignalHistory, KeepsTenMinutesOfScansInBoundedMemory) {
    SignalHistory history;
    history.SetSignals({Named("X000.0"), Named("Y000.0"), Named("D010")}, {"start"});
    SignalMemory memory;
    const SimSignal toggling = Named("Y000.0");
    const SimSignal counting = Named("D010");
    // Twenty minutes of scans: X000.0 holds, Y000.0 toggles every scan, D010 counts every
    // tenth scan.
    const std::int64_t scans = 2 * SignalHistory::kLiveWindowMs / kScanMs;
    for (std::int64_t scan = 0; scan < scans; ++scan) {
        toggling.Write(memory, static_cast<std::uint32_t>(scan % 2));
        counting.Write(memory, static_cast<std::uint32_t>(scan / 10));
        history.Sample(scan * kScanMs, memory);
    }
    const std::int64_t end = (scans - 1) * kScanMs;
    EXPECT_EQ(history.EndMs(), end);
    EXPECT_EQ(history.RowAt(0).note, "start");
    // A signal that holds costs one change however long it holds.
    EXPECT_EQ(history.RowAt(0).changes.size(), 1u);
    // The toggling one keeps the last ten minutes (and the change in effect at their start).
    const std::size_t window = SignalHistory::kLiveWindowMs / kScanMs;
    EXPECT_EQ(history.RowAt(1).changes.size(), window + 1);
    EXPECT_EQ(history.RowAt(1).changes.front().timeMs, end - SignalHistory::kLiveWindowMs);
    EXPECT_EQ(history.RowAt(2).changes.size(), window / 10 + 1);
    EXPECT_EQ(history.StartMs(), end - SignalHistory::kLiveWindowMs);
    EXPECT_LE(history.ChangeBytes(), 3 * (window + 1) * sizeof(HistoryChange));
    EXPECT_GT(history.DroppedChanges(), 0u);
    // Every value in the window is there.
    for (const std::int64_t t : {end - SignalHistory::kLiveWindowMs, end - 8000, end}) {
        const std::int64_t scan = t / kScanMs;
        EXPECT_EQ(history.ValueAt(1, t)->value, static_cast<std::uint32_t>(scan % 2)) << t;
        EXPECT_EQ(history.ValueAt(1, t + 3)->value, static_cast<std::uint32_t>(scan % 2)) << t;
        EXPECT_EQ(history.ValueAt(2, t)->value, static_cast<std::uint32_t>(scan / 10)) << t;
        EXPECT_EQ(history.ValueAt(0, t)->value, 0u) << t;
    }
}

TEST(SignalHistory, ValueAtATime) {
    SignalHistory history;
    history.SetSignals({Named("R100")}, {});
    history.Record(0, 16, 5, false);
    const std::uint64_t revision = history.Revision();
    history.Record(0, 24, 5, false);          // no change: not kept
    EXPECT_EQ(history.Revision(), revision);  // nothing new to show
    history.Record(0, 40, 7, false);
    history.Record(0, 40, 9, false);  // a second change at one time: replaces the first
    history.Record(0, 32, 1, false);  // time running back: ignored
    history.Record(0, 64, 9, true);   // the same value, now forced
    history.Record(0, 72, 4, true);
    history.Record(0, 72, 9, true);   // back to the value before at one time: no change left
    history.Record(3, 64, 1, false);  // no such row: ignored
    ASSERT_EQ(history.RowAt(0).changes.size(), 3u);
    EXPECT_EQ(history.EndMs(), 72);
    const struct {
        std::int64_t timeMs;
        std::optional<std::uint32_t> value;  // none before the first change
        bool forced;
    } cases[] = {
        {0, std::nullopt, false},
        {15, std::nullopt, false},
        {16, 5, false},
        {39, 5, false},
        {40, 9, false},
        {63, 9, false},
        {64, 9, true},
        {10'000, 9, true},
    };
    for (const auto& c : cases) {
        const std::optional<HistoryChange> at = history.ValueAt(0, c.timeMs);
        ASSERT_EQ(at.has_value(), c.value.has_value()) << c.timeMs;
        if (at) {
            EXPECT_EQ(at->value, *c.value) << c.timeMs;
            EXPECT_EQ(at->forced, c.forced) << c.timeMs;
        }
    }
    EXPECT_FALSE(history.ValueAt(1, 40));
    EXPECT_EQ(history.FirstAfter(0, 39), 1u);
    EXPECT_EQ(history.FirstAfter(0, 40), 2u);
    EXPECT_EQ(history.FirstAfter(0, 99), 3u);
    EXPECT_EQ(history.StartMs(), 16);
}

TEST(SignalHistory, CountLimitDropsTheOldest) {
    SignalHistory history(SignalHistory::Limits{0, 100});
    history.SetSignals({Named("Y000.1")}, {});
    for (std::int64_t i = 0; i < 1000; ++i) {
        history.Record(0, i, static_cast<std::uint32_t>(i % 2), false);
    }
    EXPECT_EQ(history.RowAt(0).changes.size(), 100u);
    EXPECT_EQ(history.RowAt(0).changes.front().timeMs, 900);
    EXPECT_EQ(history.DroppedChanges(), 900u);
    EXPECT_EQ(history.StartMs(), 900);
    EXPECT_FALSE(history.ValueAt(0, 899));
}

TEST(SignalHistory, RowsFollowTheWatchListAndForcesAreKept) {
    SignalHistory history;
    history.SetSignals({Named("X000.0"), Named("R100")}, {"start", "mode"});
    SignalMemory memory;
    Named("X000.0").Write(memory, 1);
    history.Sample(0, memory);
    Named("X000.0").Force(memory, 1);  // forced at the value it has: a change all the same
    history.Sample(8, memory);
    EXPECT_EQ(history.RowAt(0).changes.size(), 2u);
    EXPECT_TRUE(history.ValueAt(0, 8)->forced);

    // R100 goes, D010 comes; X000.0 keeps its changes and takes its new note.
    history.SetSignals({Named("D010"), Named("X000.0")}, {"", "start button"});
    ASSERT_EQ(history.RowCount(), 2u);
    EXPECT_EQ(history.RowAt(0).signal.name, "D010");
    EXPECT_TRUE(history.RowAt(0).changes.empty());
    EXPECT_EQ(history.RowAt(1).changes.size(), 2u);
    EXPECT_EQ(history.RowAt(1).note, "start button");
    history.Sample(16, memory);
    EXPECT_EQ(history.ValueAt(0, 16)->value, 0u);
    EXPECT_FALSE(history.ValueAt(0, 8));  // watched from 16 on

    history.Clear();
    EXPECT_TRUE(history.IsEmpty());
    EXPECT_EQ(history.RowCount(), 2u);
    EXPECT_EQ(history.EndMs(), 0);
}

}  // namespace rungpad::test
