#include "document/RecoveryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <utility>

namespace rungpad {

RecoveryLock::RecoveryLock(RecoveryLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

RecoveryLock& RecoveryLock::operator=(RecoveryLock&& other) noexcept {
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

RecoveryLock::~RecoveryLock() {
    Release();
}

bool RecoveryLock::CreateNew(const std::string& path) {
    Release();
    return Lock(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
}

bool RecoveryLock::TryTake(const std::string& path) {
    Release();
    return Lock(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
}

void RecoveryLock::Release() {
    if (m_fd >= 0) {
        ::close(m_fd);  // releases the lock
        m_fd = -1;
    }
}

bool RecoveryLock::Lock(int fd) {
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

}  // namespace rungpad
