#include "model/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace rungpad {

namespace {

constexpr std::uintmax_t kMaxReadSize = 64u * 1024u * 1024u;  // far above any ladder file

std::string SystemError(const std::string& path) {
    return path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool FileIo::ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                      std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + ": is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = SystemError(path);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxReadSize) {
        error = path + ": file too large or unreadable";
        return false;
    }
    in.seekg(0, std::ios::beg);
    bytes.assign(static_cast<std::size_t>(size), 0);
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = SystemError(path);
        return false;
    }
    return true;
}

bool FileIo::WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                                 std::string& error) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = SystemError(path);
        return false;
    }
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        errno = written ? errno : savedErrno;
        error = SystemError(path);
        ::unlink(temp.c_str());
        return false;
    }
    // mkstemp creates the file private; give it the target's permissions, or the usual ones.
    std::error_code ec;
    const auto existing = std::filesystem::status(path, ec);
    const auto perms =
        std::filesystem::exists(existing) ? existing.permissions() : std::filesystem::perms(0644);
    std::filesystem::permissions(temp, perms, ec);
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = SystemError(path);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

std::string FileIo::FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace rungpad
