#pragma once

#include <string>
#include <vector>

#include "document/RecoveryCopy.h"

namespace rungpad {

// The directory of recovery copies, one file per modified document ("NAME.rgrec"), written
// atomically. Copies of editors that are gone (killed, crashed, the machine lost power) are the
// ones to offer at the next start.
class RecoveryStore {
  public:
    static constexpr const char* kExtension = ".rgrec";

    struct Entry {
        std::string file;  // the copy file's path
        RecoveryCopy copy;
    };

    explicit RecoveryStore(std::string directory) : m_directory(std::move(directory)) {}

    // The copy file of name in the directory.
    std::string FileOf(const std::string& name) const;
    // Writes the copy as name (creating the directory); false with error set on failure.
    bool Write(const std::string& name, const RecoveryCopy& copy, std::string& error) const;
    void Remove(const std::string& name) const;
    // Readable copies whose editor process is no longer running (or is this process, which has
    // written none yet when it asks at start), oldest first. Unreadable files are left alone.
    std::vector<Entry> Orphans() const;

  private:
    std::string m_directory;
};

}  // namespace rungpad
