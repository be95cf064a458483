#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include "DocumentFixture.h"
#include "ProgramCompare.h"
#include "document/RecoveryCopy.h"
#include "document/RecoverySchedule.h"
#include "document/RecoveryStore.h"

namespace rungpad::test {
namespace {

constexpr const char* kExample = RUNGPAD_SOURCE_DIR "/examples/demo.plf";

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

// A process id that is certainly not running: a child that has ended and been reaped.
int DeadPid() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(RecoveryCopyTest, ReadsBackWhatItWrites) {
    const std::vector<RecoveryCopy> copies = {
        {"/home/u/prog.plf", "prog.plf", 1765000000, 42, FileIo::Stamp{4324, 1765000000123456789},
         Bytes("ladder\nbytes\n\0with a zero")},
        // Never saved: no path, no stamp; texts with line feeds and the field separators.
        {"", "Ladder3", 0, 1, std::nullopt, {}},
        {"/odd\nname 7\n.plf", "odd\nname", -5, 99999, FileIo::Stamp{0, -1}, Bytes("\n\n")},
    };
    for (const RecoveryCopy& copy : copies) {
        SCOPED_TRACE(copy.title);
        const std::optional<RecoveryCopy> back = RecoveryCopy::Parse(copy.Serialise());
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, copy);
    }
}

TEST(RecoveryCopyTest, RefusesDamagedFiles) {
    const std::vector<std::uint8_t> good =
        RecoveryCopy{"/p.plf", "p.plf", 1, 2, FileIo::Stamp{3, 4}, Bytes("LADDER")}.Serialise();
    const std::string text(good.begin(), good.end());
    struct Case {
        const char* name;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"other magic", "RUNGPAD-RECOVERY 2" + text.substr(18)},
        {"cut in the ladder", text.substr(0, text.size() - 3)},
        {"bytes after the end", text + "x"},
        {"length beyond the end", "RUNGPAD-RECOVERY 1\npath 999999999999\n"},
        {"length not a number", "RUNGPAD-RECOVERY 1\npath -1\n\n"},
        {"fields out of order", "RUNGPAD-RECOVERY 1\ntitle 0\n\npath 0\n\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(RecoveryCopy::Parse(Bytes(c.bytes)));
    }
}

TEST(RecoveryStoreTest, OffersCopiesWhoseLockIsFree) {
    TempDir dir;
    const RecoveryStore store(dir.File("recovery"));
    std::string error;
    std::optional<RecoveryStore::Claim> crashedClaim = store.NewCopy(error);
    std::optional<RecoveryStore::Claim> olderClaim = store.NewCopy(error);
    std::optional<RecoveryStore::Claim> runningClaim = store.NewCopy(error);
    ASSERT_TRUE(crashedClaim && olderClaim && runningClaim) << error;
    // Process ids say nothing: the running one names a dead process, the others this one.
    const RecoveryCopy crashed{"/a.plf",     "a.plf",   200, static_cast<int>(::getpid()),
                               std::nullopt, Bytes("A")};
    RecoveryCopy older = crashed;
    older.writtenAt = 100;
    const RecoveryCopy running{"/b.plf", "b.plf", 50, DeadPid(), std::nullopt, Bytes("B")};
    ASSERT_TRUE(store.Write(crashedClaim->name, crashed, error)) << error;
    ASSERT_TRUE(store.Write(olderClaim->name, older, error)) << error;
    ASSERT_TRUE(store.Write(runningClaim->name, running, error)) << error;
    dir.Write("recovery/garbage.rgrec", "not a copy");
    dir.Write("recovery/other.txt", "RUNGPAD-RECOVERY 1\n");
    // Two editors end; their locks go with them.
    crashedClaim->lock.Release();
    olderClaim->lock.Release();

    std::vector<RecoveryStore::Entry> orphans = store.Orphans();
    ASSERT_EQ(orphans.size(), 3u);  // the running editor keeps its own
    EXPECT_EQ(orphans[0].file, store.FileOf(olderClaim->name));
    EXPECT_EQ(orphans[1].copy, crashed);
    EXPECT_EQ(orphans[2].file, store.FileOf("garbage"));  // damaged: offered for deletion
    EXPECT_FALSE(orphans[2].copy);
    // While this start offers them, another start does not.
    EXPECT_TRUE(store.Orphans().empty());

    store.Remove(crashedClaim->name);
    orphans.clear();
    EXPECT_EQ(store.Orphans().size(), 2u);
    EXPECT_TRUE(RecoveryStore(dir.File("missing")).Orphans().empty());
}

TEST(RecoveryStoreTest, AnEditorThatDiedIsGoneEvenAsAZombie) {
    TempDir dir;
    const RecoveryStore store(dir.File("recovery"));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        std::string error;
        std::optional<RecoveryStore::Claim> claim = store.NewCopy(error);
        const bool written = claim && store.Write(claim->name, RecoveryCopy{}, error);
        const char done = written ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &done, 1);
        ::pause();  // "running" until killed
        ::_exit(0);
    }
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ASSERT_EQ(done, 'y');
    EXPECT_TRUE(store.Orphans().empty()) << "its editor still runs";
    ::kill(child, SIGKILL);
    siginfo_t info{};
    ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOWAIT);  // a zombie now
    EXPECT_EQ(store.Orphans().size(), 1u);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(RecoveryStoreTest, NewNamesNeverTakeOverAKeptCopy) {
    TempDir dir;
    const RecoveryStore store(dir.File("recovery"));
    std::string error;
    std::set<std::string> names;
    std::vector<RecoveryStore::Claim> claims;
    for (int i = 0; i < 50; ++i) {
        std::optional<RecoveryStore::Claim> claim = store.NewCopy(error);
        ASSERT_TRUE(claim) << error;
        EXPECT_TRUE(names.insert(claim->name).second);
        ASSERT_TRUE(store.Write(claim->name, RecoveryCopy{}, error));
        claims.push_back(std::move(*claim));
    }
    // Copies kept with "Later" outlive their editor (lock files and all): still no reuse.
    claims.clear();
    for (int i = 0; i < 50; ++i) {
        const std::optional<RecoveryStore::Claim> claim = store.NewCopy(error);
        ASSERT_TRUE(claim) << error;
        EXPECT_TRUE(names.insert(claim->name).second);
    }
}

TEST(RecoveryStoreTest, AnUnwritableDirectorySaysWhy) {
    TempDir dir;
    dir.Write("file", "");
    const RecoveryStore store(dir.File("file/recovery"));
    std::string error;
    EXPECT_FALSE(store.NewCopy(error));
    EXPECT_NE(error.find("file/recovery"), std::string::npos) << error;
}

TEST(RecoveryScheduleTest, WritesAfterAPauseAndDuringLongEditing) {
    struct Tick {
        double at;
        std::string content;
        bool due;
    };
    // Ticks every 3 seconds; a due copy is written at once.
    const std::vector<Tick> ticks = {
        {0, "a", false},   // the first change
        {3, "a", true},    // settled for a tick: written
        {6, "a", false},   // already written
        {9, "ab", false},  // edits go on...
        {12, "abc", false},    {30, "abcd", false},
        {39, "abcde", true},  // ...but 30 seconds after the last copy it is written anyway
        {42, "abcdef", false}, {45, "abcdef", true},
        {48, "a", false},  // back to an earlier content that differs from the copy
        {51, "a", true},
    };
    RecoverySchedule schedule;
    for (const Tick& tick : ticks) {
        SCOPED_TRACE(tick.at);
        const std::vector<std::uint8_t> content = Bytes(tick.content);
        const bool due = schedule.Due(content, tick.at);
        EXPECT_EQ(due, tick.due);
        if (due) {
            schedule.Written(content, tick.at);
        }
    }
    schedule.Forget();
    EXPECT_FALSE(schedule.Due(Bytes("a"), 100));
    EXPECT_TRUE(schedule.Due(Bytes("a"), 103));
}

class RecoveryDocTest : public DocumentFixture {};

TEST_F(RecoveryDocTest, RecoveredDocumentEqualsTheEditedOne) {
    ASSERT_TRUE(doc.OnOpenDocument(kExample));
    doc.Program().Cell(1, 1).code = Element::kNoContact;
    doc.Program().Cell(1, 1).SetText("X007.7");
    doc.Program().Cell(1, 1).number = 7;  // as the entry check stores it
    doc.Program().Note(1).Assign("edited");
    doc.SetModifiedFlag();
    const std::vector<std::uint8_t> bytes = doc.RecoveryBytes();
    EXPECT_EQ(doc.RecoveryBytes(), bytes);  // nothing in it changes by itself
    EXPECT_TRUE(doc.IsModified());

    RecordingHost otherRec;
    CRungpadDoc recovered{otherRec, otherRec, host};
    ASSERT_TRUE(recovered.OpenRecovered(bytes, kExample, "demo.plf", doc.DiskStamp()));
    EXPECT_TRUE(SameProgram(recovered.Program(), doc.Program()));
    EXPECT_EQ(recovered.Header(), doc.Header());
    EXPECT_EQ(recovered.State().PathName(), kExample);
    EXPECT_EQ(recovered.State().Title(), "demo.plf");
    EXPECT_TRUE(recovered.IsModified());
    EXPECT_EQ(recovered.RecoveryBytes(), bytes);

    CRungpadDoc untitled{otherRec, otherRec, host};
    ASSERT_TRUE(untitled.OpenRecovered(bytes, "", "Ladder2", std::nullopt));
    EXPECT_TRUE(untitled.State().PathName().empty());
    EXPECT_EQ(untitled.State().Title(), "Ladder2");
    EXPECT_FALSE(untitled.OpenRecovered(Bytes("not a ladder"), "", "Ladder3", std::nullopt));
}

// Save asks before overwriting a file that another program changed since the document read or
// wrote it; a recovered document remembers the file as the lost session knew it.
TEST_F(RecoveryDocTest, SaveAsksBeforeOverwritingAChangedFile) {
    const std::string path = dir.File("prog.plf");
    std::filesystem::copy_file(kExample, path);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.DoFileSave());  // unchanged on disk: no question
    EXPECT_TRUE(rec.Texts("changed").empty());

    dir.Write("prog.plf", "written by another program");
    doc.SetModifiedFlag();
    host.overwriteChanged = false;
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(rec.Texts("changed"), std::vector<std::string>{path});
    EXPECT_EQ(TempDir::Read(path), "written by another program");
    EXPECT_TRUE(doc.IsModified());

    RecordingHost otherRec;
    ScriptedDocumentHost otherHost{&otherRec};
    CRungpadDoc recovered{otherRec, otherRec, otherHost};
    ASSERT_TRUE(recovered.OpenRecovered(doc.RecoveryBytes(), path, "prog.plf", doc.DiskStamp()));
    otherHost.overwriteChanged = true;
    ASSERT_TRUE(recovered.DoFileSave());
    EXPECT_EQ(otherRec.Texts("changed"), std::vector<std::string>{path});
    EXPECT_NE(TempDir::Read(path), "written by another program");
    EXPECT_FALSE(recovered.IsModified());
}

}  // namespace
}  // namespace rungpad::test
