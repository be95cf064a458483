#include "model/FileIo.h"
#include "model/Messages.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rungpad {

namespace {

constexpr std::size_t kMaxReadSize = 64u * 1024u * 1024u;  // far above any ladder file
constexpr int kMaxSymlinks = 40;                           // as the kernel's own limit

std::string SystemError(const std::string& path, int error = errno) {
    return path + ": " + std::strerror(error);
}

// Closes a descriptor when it goes out of scope.
class Fd {
  public:
    explicit Fd(int fd) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }
    // Closes now; false (errno set) when the close reports a failed write.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

  private:
    int m_fd;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads to the end, at most limit + 1 bytes (so an over-long file shows); false with errno set.
bool ReadAll(int fd, std::vector<std::uint8_t>& bytes, std::size_t limit) {
    bytes.clear();
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > limit) {
            errno = EFBIG;
            return false;
        }
    }
}

std::string DirectoryOf(const std::string& path) {
    const std::string dir = std::filesystem::path(path).parent_path().string();
    return dir.empty() ? "." : dir;
}

bool ResolveTarget(const std::string& path, std::string& target) {
    target = path;
    for (int i = 0; i < kMaxSymlinks; ++i) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            return errno == ENOENT;  // a new file, or a dangling link's target
        }
        if (!S_ISLNK(st.st_mode)) {
            return true;
        }
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) {
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        target = link.starts_with('/') ? link : DirectoryOf(target) + "/" + link;
    }
    errno = ELOOP;
    return false;
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Gives the new file the old one's owner, group and permissions (set-id and sticky bits left
// out), or 0666 less the umask for a new file. Owner and group are kept as far as allowed.
void TakeOverAttributes(int fd, const struct stat* old) {
    if (old == nullptr) {
        ::fchmod(fd, 0666 & ~CurrentUmask());
        return;
    }
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
    }
    ::fchmod(fd, old->st_mode & 0777);
}

bool SyncDirectory(const std::string& dir) {
    const Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return false;
    }
    // Some file systems cannot sync a directory; the rename is then as durable as they allow.
    return ::fsync(fd.Get()) == 0 || errno == EINVAL || errno == ENOTSUP;
}

// Creates a new temporary file in dir with the old file's attributes; its path in temp. Returns
// the descriptor, or -1 with errno set (nothing left behind).
int CreateTemporary(const std::string& dir, const struct stat* old, std::string& temp) {
    // Short, so that a target name at the length limit still has a temporary beside it.
    temp = dir + "/.rgp-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        temp.clear();
        return -1;
    }
    TakeOverAttributes(fd, old);
    return fd;
}

// Copies the whole of file from into file to, from its start.
bool CopyContent(int from, int to) {
    if (::lseek(from, 0, SEEK_SET) != 0) {
        return false;
    }
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        if (!WriteAll(to, {buffer, static_cast<std::size_t>(n)})) {
            return false;
        }
    }
}

// The target has other hard links: rewrite it in place from the synced copy, keeping the copy
// until the rewrite is complete.
bool RewriteInPlace(const std::string& target, const std::string& copy, std::string& error) {
    Fd fd(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    const Fd source(::open(copy.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) || source.Get() < 0) {
        error = fd.Get() < 0 ? SystemError(target)
                             : Messages::Format("%1: not a regular file", {target});
        ::unlink(copy.c_str());
        return false;
    }
    struct stat copied {};
    if (::fstat(source.Get(), &copied) != 0 || !CopyContent(source.Get(), fd.Get()) ||
        ::ftruncate(fd.Get(), copied.st_size) != 0 || ::fsync(fd.Get()) != 0 || !fd.Close()) {
        error =
            Messages::Format("%1; the complete content is kept in %2", {SystemError(target), copy});
        return false;
    }
    ::unlink(copy.c_str());
    return true;
}

// Where a write to path lands and what is there now. False with error set when it is refused.
bool LocateTarget(const std::string& path, std::string& target, struct stat& old, bool& exists,
                  std::string& error) {
    if (!ResolveTarget(path, target)) {
        error = SystemError(path);
        return false;
    }
    exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        error = Messages::Format("%1: not a regular file", {path});
        return false;
    }
    return true;
}

}  // namespace

bool FileIo::ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                      std::string& error) {
    // Without blocking: opening a FIFO must not wait for a writer.
    const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        error = SystemError(path);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) {
        error = SystemError(path);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = Messages::Format("%1: is a directory", {path});
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = Messages::Format("%1: not a regular file", {path});
        return false;
    }
    if (static_cast<std::uint64_t>(st.st_size) > kMaxReadSize) {
        error = SystemError(path, EFBIG);
        return false;
    }
    if (!ReadAll(fd.Get(), bytes, kMaxReadSize)) {
        error = SystemError(path);
        bytes.clear();
        return false;
    }
    return true;
}

bool FileIo::WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                                 std::string& error) {
    Writer writer;
    if (!writer.Open(path, error)) {
        return false;
    }
    writer.Append(bytes);
    return writer.Commit(error);
}

FileIo::Writer::~Writer() {
    Discard();
}

void FileIo::Writer::Discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
}

bool FileIo::Writer::Open(const std::string& path, std::string& error) {
    Discard();
    m_path = path;
    m_error = 0;
    m_buffer.clear();
    struct stat old {};
    bool exists = false;
    if (!LocateTarget(path, m_target, old, exists, error)) {
        return false;
    }
    m_hardLinked = exists && old.st_nlink > 1;
    m_fd = CreateTemporary(DirectoryOf(m_target), exists ? &old : nullptr, m_temp);
    if (m_fd < 0) {
        error = SystemError(path);
        return false;
    }
    return true;
}

void FileIo::Writer::Append(std::span<const std::uint8_t> bytes) {
    m_buffer.insert(m_buffer.end(), bytes.begin(), bytes.end());
    if (m_buffer.size() >= kBufferSize) {
        Flush();
    }
}

void FileIo::Writer::Append(std::string_view text) {
    Append({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

void FileIo::Writer::Flush() {
    if (m_error == 0 && m_fd >= 0 && !WriteAll(m_fd, m_buffer)) {
        m_error = errno;
    }
    m_buffer.clear();
}

bool FileIo::Writer::Commit(std::string& error) {
    if (m_fd < 0) {
        error = Messages::Format("%1: not open", {m_path});
        return false;
    }
    Flush();
    if (m_error != 0 || ::fsync(m_fd) != 0 || ::close(std::exchange(m_fd, -1)) != 0) {
        error = SystemError(m_path, m_error != 0 ? m_error : errno);
        Discard();
        return false;
    }
    const std::string temp = std::exchange(m_temp, {});
    if (m_hardLinked) {
        return RewriteInPlace(m_target, temp, error);
    }
    if (::rename(temp.c_str(), m_target.c_str()) != 0) {
        error = SystemError(m_path);
        ::unlink(temp.c_str());
        return false;
    }
    const std::string dir = DirectoryOf(m_target);
    if (!SyncDirectory(dir)) {
        error = SystemError(dir);
        return false;
    }
    return true;
}

std::string FileIo::WriteRefusal(const std::string& path) {
    std::string target;
    struct stat old {};
    bool exists = false;
    std::string error;
    if (!LocateTarget(path, target, old, exists, error)) {
        return error;
    }
    // The temporary file goes into the target's directory: it must be there and writable.
    const std::string dir = DirectoryOf(target);
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0) {
        return SystemError(path);
    }
    if (!S_ISDIR(st.st_mode)) {
        return SystemError(path, ENOTDIR);
    }
    if (::access(dir.c_str(), W_OK | X_OK) != 0) {
        return SystemError(path);
    }
    return {};
}

std::string FileIo::FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool FileIo::SameFile(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool FileIo::ResolveLinks(const std::string& path, std::string& target) {
    return ResolveTarget(path, target);
}

bool FileIo::IsReadOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return false;
    }
    if (::geteuid() == 0) {
        // The mode does not stop such a process; the missing write bits still say "keep".
        return (st.st_mode & 0222) == 0;
    }
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EROFS || errno == EPERM);
}

std::optional<FileIo::Stamp> FileIo::StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return Stamp{static_cast<std::uint64_t>(st.st_size),
                 static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

void FileIo::IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace rungpad
