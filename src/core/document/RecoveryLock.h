#pragma once

#include <string>

namespace rungpad {

// An exclusive lock on a recovery copy's lock file, held by the editor that keeps the copy for
// as long as it keeps it. The kernel releases it when that process ends, however it ends (crash,
// kill, power loss, a zombie left behind), so "is the copy's editor still running" is "is the
// lock free" and never depends on process ids, which other runs reuse.
class RecoveryLock {
  public:
    RecoveryLock() = default;
    RecoveryLock(RecoveryLock&& other) noexcept;
    RecoveryLock& operator=(RecoveryLock&& other) noexcept;
    RecoveryLock(const RecoveryLock&) = delete;
    RecoveryLock& operator=(const RecoveryLock&) = delete;
    ~RecoveryLock();

    // Creates path as a new file (never an existing one) and locks it; false with errno set
    // when the file exists or cannot be made.
    bool CreateNew(const std::string& path);
    // Locks path (creating it when missing); false when another open file holds the lock or the
    // file cannot be opened.
    bool TryTake(const std::string& path);
    bool Held() const { return m_fd >= 0; }
    void Release();

  private:
    bool Lock(int fd);

    int m_fd = -1;
};

}  // namespace rungpad
