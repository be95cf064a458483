#include "document/RecoveryStore.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include <signal.h>
#include <unistd.h>

namespace rungpad {

namespace {

bool IsOtherLiveProcess(int pid) {
    if (pid <= 0 || pid == ::getpid()) {
        return false;
    }
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

std::string RecoveryStore::FileOf(const std::string& name) const {
    return (std::filesystem::path(m_directory) / (name + kExtension)).string();
}

bool RecoveryStore::Write(const std::string& name, const RecoveryCopy& copy,
                          std::string& error) const {
    std::error_code ec;
    std::filesystem::create_directories(m_directory, ec);
    if (ec) {
        error = m_directory + ": " + ec.message();
        return false;
    }
    return FileIo::WriteFileAtomically(FileOf(name), copy.Serialise(), error);
}

void RecoveryStore::Remove(const std::string& name) const {
    ::unlink(FileOf(name).c_str());
}

std::vector<RecoveryStore::Entry> RecoveryStore::Orphans() const {
    std::vector<Entry> found;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(m_directory, ec)) {
        if (item.path().extension() != kExtension) {
            continue;
        }
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!FileIo::ReadFile(item.path().string(), bytes, error)) {
            continue;
        }
        std::optional<RecoveryCopy> copy = RecoveryCopy::Parse(bytes);
        if (copy && !IsOtherLiveProcess(copy->pid)) {
            found.push_back({item.path().string(), std::move(*copy)});
        }
    }
    std::sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) {
        return a.copy.writtenAt != b.copy.writtenAt ? a.copy.writtenAt < b.copy.writtenAt
                                                    : a.file < b.file;
    });
    return found;
}

}  // namespace rungpad
