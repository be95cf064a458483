#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/RecoveryCopy.h"
#include "document/RecoveryLock.h"

namespace rungpad {

// The directory of recovery copies, one file per modified document ("NAME.rgrec", written
// atomically) beside its lock file ("NAME.lock"). Each name is new (random, created
// exclusively), so no run of the editor can take over the copy of an earlier one. The editor
// keeping a copy holds its lock; copies whose lock is free belong to editors that are gone
// (killed, crashed, the machine lost power) and are the ones to offer at the next start.
class RecoveryStore {
  public:
    static constexpr const char* kExtension = ".rgrec";
    static constexpr const char* kLockExtension = ".lock";

    // A copy name of this editor, with its lock held for as long as the editor keeps the copy.
    struct Claim {
        std::string name;
        RecoveryLock lock;
    };
    struct Entry {
        std::string file;                  // the copy file's path
        std::string name;                  // its name in the store
        std::optional<RecoveryCopy> copy;  // nothing: the file is damaged
        RecoveryLock lock;                 // held by the caller from Orphans() on
    };

    explicit RecoveryStore(std::string directory) : m_directory(std::move(directory)) {}

    const std::string& Directory() const { return m_directory; }
    // The copy file of name in the directory.
    std::string FileOf(const std::string& name) const;
    // A new name that no copy has, its lock held (creating the directory); nothing, with error
    // set, when the directory cannot be written.
    std::optional<Claim> NewCopy(std::string& error) const;
    // Writes the copy as name (creating the directory); false with error set on failure.
    bool Write(const std::string& name, const RecoveryCopy& copy, std::string& error) const;
    // Deletes the copy and its lock file.
    void Remove(const std::string& name) const;
    // Copies whose lock no running editor holds, each now locked by the caller so that no other
    // editor offers it at the same time: readable ones oldest first, then damaged ones (to be
    // offered for deletion). Files that cannot be read at all are left alone.
    std::vector<Entry> Orphans() const;

  private:
    std::string LockFileOf(const std::string& name) const;

    std::string m_directory;
};

}  // namespace rungpad
