#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "TempDir.h"
#include "model/FileIo.h"

namespace rungpad {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const std::vector<std::uint8_t> kNew = {'n', 'e', 'w', '\n'};

bool Write(const std::string& path, std::string* error = nullptr) {
    std::string why;
    const bool ok = FileIo::WriteFileAtomically(path, kNew, why);
    if (error != nullptr) {
        *error = why;
    }
    return ok;
}

// Names in the directory, sorted: a failed or finished write leaves no temporary file.
std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode;
}

// Sets the umask for one test and puts the old one back.
class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : m_old(::umask(mask)) {}
    ~ScopedUmask() { ::umask(m_old); }

  private:
    mode_t m_old;
};

TEST(FileIoWrite, RefusesAnythingButARegularFile) {
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string socketPath = dir.File("socket");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(dir.File("directory"));
    fs::create_symlink("fifo", dir.File("link-to-fifo"));
    for (const std::string name : {"fifo", "socket", "directory", "link-to-fifo"}) {
        SCOPED_TRACE(name);
        std::string error;
        EXPECT_FALSE(Write(dir.File(name), &error));
        EXPECT_EQ(error, dir.File(name) + ": not a regular file");
    }
    ::close(sock);
    EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
    EXPECT_TRUE(S_ISSOCK(ModeOf(socketPath)));
    EXPECT_TRUE(S_ISLNK(ModeOf(dir.File("link-to-fifo"))));
    EXPECT_EQ(Names(dir.Path()),
              (std::vector<std::string>{"directory", "fifo", "link-to-fifo", "socket"}));
}

// A symlink is written through, whether its target is beside it, elsewhere, or not there yet.
TEST(FileIoWrite, WritesThroughSymlinks) {
    TempDir dir;
    fs::create_directory(dir.File("real"));
    const std::string target = dir.Write("real/prog.plf", "old");
    fs::create_symlink("real/prog.plf", dir.File("relative.plf"));
    fs::create_symlink(target, dir.File("absolute.plf"));
    fs::create_symlink("relative.plf", dir.File("chain.plf"));
    fs::create_symlink("real/new.plf", dir.File("dangling.plf"));
    for (const std::string name : {"relative.plf", "absolute.plf", "chain.plf"}) {
        SCOPED_TRACE(name);
        dir.Write("real/prog.plf", "old");
        ASSERT_TRUE(Write(dir.File(name)));
        EXPECT_TRUE(S_ISLNK(ModeOf(dir.File(name))));
        EXPECT_EQ(TempDir::Read(target), "new\n");
    }
    ASSERT_TRUE(Write(dir.File("dangling.plf")));
    EXPECT_TRUE(S_ISLNK(ModeOf(dir.File("dangling.plf"))));
    EXPECT_EQ(TempDir::Read(dir.File("real/new.plf")), "new\n");
    EXPECT_EQ(Names(dir.File("real")), (std::vector<std::string>{"new.plf", "prog.plf"}));

    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    std::string error;
    EXPECT_FALSE(Write(dir.File("loop-a"), &error));
    EXPECT_NE(error.find("Too many levels of symbolic links"), std::string::npos) << error;
}

TEST(FileIoWrite, KeepsHardLinksOneFile) {
    TempDir dir;
    const std::string a = dir.Write("a.plf", "old content, longer than the new");
    fs::create_hard_link(a, dir.File("b.plf"));
    ASSERT_TRUE(Write(a));
    EXPECT_EQ(TempDir::Read(dir.File("b.plf")), "new\n");
    EXPECT_EQ(fs::hard_link_count(a), 2u);
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"a.plf", "b.plf"}));
}

TEST(FileIoWrite, ModesOfNewAndReplacedFiles) {
    struct Case {
        const char* name;
        mode_t umask;
        int existing;  // -1: no file there
        mode_t expected;
    };
    const std::vector<Case> cases = {
        {"new file, umask 022", 022, -1, 0644},          {"new file, umask 077", 077, -1, 0600},
        {"new file, umask 002", 002, -1, 0664},          {"kept", 022, 0640, 0640},
        {"setuid and setgid dropped", 022, 06755, 0755}, {"sticky dropped", 022, 01666, 0666},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.File("prog.plf");
        if (c.existing >= 0) {
            dir.Write("prog.plf", "old");
            ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.existing)), 0);
        }
        const ScopedUmask mask(c.umask);
        ASSERT_TRUE(Write(path));
        EXPECT_EQ(ModeOf(path) & 07777, c.expected);
    }
}

TEST(FileIoWrite, KeepsOwnerAndGroupWhenAllowed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file away";
    }
    TempDir dir;
    const std::string path = dir.Write("prog.plf", "old");
    constexpr uid_t kNobody = 65534;
    ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chmod(path.c_str(), 04755), 0);
    ASSERT_TRUE(Write(path));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kNobody);
    EXPECT_EQ(st.st_gid, kNobody);
    EXPECT_EQ(st.st_mode & 07777, 0755u);  // never a setuid file of someone else's
}

// A name at the file name limit still has room for its temporary file beside it.
TEST(FileIoWrite, NamesAtTheLengthLimit) {
    TempDir dir;
    for (const std::size_t length : {249u, 255u}) {
        const std::string path = dir.File(std::string(length - 4, 'n') + ".plf");
        ASSERT_TRUE(Write(path)) << length;
        EXPECT_EQ(TempDir::Read(path), "new\n");
    }
    std::string error;
    EXPECT_FALSE(Write(dir.File(std::string(256, 'n')), &error));
    EXPECT_NE(error.find("File name too long"), std::string::npos) << error;
}

TEST(FileIoWrite, FailuresLeaveNothingBehind) {
    TempDir dir;
    std::string error;
    EXPECT_FALSE(Write(dir.File("missing/prog.plf"), &error));
    EXPECT_EQ(error, dir.File("missing/prog.plf") + ": No such file or directory");
    EXPECT_TRUE(Names(dir.Path()).empty());
}

TEST(FileIoWriter, StreamsAndReplacesOnlyWhenCommitted) {
    TempDir dir;
    const std::string path = dir.Write("run.vcd", "good old dump");
    {
        // Destroyed without Commit (an interrupted run): the old file stays, nothing is left.
        FileIo::Writer writer;
        std::string error;
        ASSERT_TRUE(writer.Open(path, error)) << error;
        writer.Append(std::string_view("half"));
    }
    EXPECT_EQ(TempDir::Read(path), "good old dump");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"run.vcd"});

    // Many pieces, well past the buffer: the file holds them all, in order.
    FileIo::Writer writer;
    std::string error;
    ASSERT_TRUE(writer.Open(path, error)) << error;
    std::string expected;
    for (int i = 0; i < 100000; ++i) {
        const std::string piece = "#" + std::to_string(i) + "\n1!\n";
        writer.Append(piece);
        expected += piece;
    }
    ASSERT_TRUE(writer.Commit(error)) << error;
    EXPECT_EQ(TempDir::Read(path), expected);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"run.vcd"});
}

TEST(FileIoWriter, AWriteErrorShowsInCommitAndKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.Write("run.vcd", "good old dump");
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 100000;
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    FileIo::Writer writer;
    std::string error;
    ASSERT_TRUE(writer.Open(path, error)) << error;
    for (int i = 0; i < 100000; ++i) {
        writer.Append(std::string_view("0123456789"));
    }
    EXPECT_FALSE(writer.Commit(error));
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(error, path + ": File too large");
    EXPECT_EQ(TempDir::Read(path), "good old dump");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"run.vcd"});
}

TEST(FileIoRead, ReadsRegularFilesOnly) {
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(dir.File("directory"));
    fs::create_symlink("plain", dir.File("link"));
    dir.Write("plain", "bytes");
    struct Case {
        std::string name;
        bool ok;
        std::string error;
    };
    const std::vector<Case> cases = {
        {"plain", true, ""},
        {"link", true, ""},
        {"fifo", false, ": not a regular file"},  // at once, without a writer
        {"directory", false, ": is a directory"},
        {"missing", false, ": No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> bytes;
        std::string error;
        EXPECT_EQ(FileIo::ReadFile(dir.File(c.name), bytes, error), c.ok);
        EXPECT_EQ(error, c.ok ? "" : dir.File(c.name) + c.error);
        EXPECT_EQ(bytes.size(), c.ok ? 5u : 0u);
    }
}

TEST(FileIoStamp, SameFileAndStamps) {
    TempDir dir;
    const std::string a = dir.Write("a", "one");
    fs::create_hard_link(a, dir.File("hard"));
    fs::create_symlink("a", dir.File("soft"));
    dir.Write("b", "one");
    EXPECT_TRUE(FileIo::SameFile(a, dir.File("hard")));
    EXPECT_TRUE(FileIo::SameFile(a, dir.File("soft")));
    EXPECT_FALSE(FileIo::SameFile(a, dir.File("b")));
    EXPECT_FALSE(FileIo::SameFile(a, dir.File("missing")));
    const auto before = FileIo::StampOf(a);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->size, 3u);
    dir.Write("a", "two!");
    EXPECT_NE(FileIo::StampOf(a), before);
    EXPECT_FALSE(FileIo::StampOf(dir.File("missing")));
}

}  // namespace
}  // namespace rungpad
