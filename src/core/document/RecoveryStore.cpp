#include "document/RecoveryStore.h"
#include "model/Messages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include <unistd.h>

namespace rungpad {

namespace {

constexpr int kNameAttempts = 100;

// "copy-" and 16 random hexadecimal digits.
std::string RandomName() {
    static std::mt19937_64 generator{std::random_device{}()};
    const char* digits = "0123456789abcdef";
    std::uint64_t bits = generator();
    std::string name = "copy-";
    for (int i = 0; i < 16; ++i, bits >>= 4) {
        name += digits[bits & 0x0F];
    }
    return name;
}

bool MakeDirectory(const std::string& directory, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(directory, ec);
    if (ec) {
        error = directory + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

std::string RecoveryStore::FileOf(const std::string& name) const {
    return (std::filesystem::path(m_directory) / (name + kExtension)).string();
}

std::string RecoveryStore::LockFileOf(const std::string& name) const {
    return (std::filesystem::path(m_directory) / (name + kLockExtension)).string();
}

std::optional<RecoveryStore::Claim> RecoveryStore::NewCopy(std::string& error) const {
    if (!MakeDirectory(m_directory, error)) {
        return std::nullopt;
    }
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        Claim claim{RandomName(), {}};
        if (!claim.lock.CreateNew(LockFileOf(claim.name))) {
            if (errno == EEXIST) {
                continue;
            }
            error = m_directory + ": " + std::strerror(errno);
            return std::nullopt;
        }
        // A copy left without its lock file keeps its name too.
        if (!std::filesystem::exists(FileOf(claim.name))) {
            return claim;
        }
        ::unlink(LockFileOf(claim.name).c_str());
    }
    error = Messages::Format("%1: no free name for a recovery copy", {m_directory});
    return std::nullopt;
}

bool RecoveryStore::Write(const std::string& name, const RecoveryCopy& copy,
                          std::string& error) const {
    if (!MakeDirectory(m_directory, error)) {
        return false;
    }
    return FileIo::WriteFileAtomically(FileOf(name), copy.Serialise(), error);
}

void RecoveryStore::Remove(const std::string& name) const {
    ::unlink(FileOf(name).c_str());
    ::unlink(LockFileOf(name).c_str());
}

std::vector<RecoveryStore::Entry> RecoveryStore::Orphans() const {
    std::vector<Entry> found;
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(m_directory, ec)) {
        if (item.path().extension() != kExtension) {
            continue;
        }
        Entry entry{item.path().string(), item.path().stem().string(), std::nullopt, {}};
        // The lock first: a copy read without it could be one its editor is rewriting.
        if (!entry.lock.TryTake(LockFileOf(entry.name))) {
            continue;
        }
        std::vector<std::uint8_t> bytes;
        std::string error;
        if (!FileIo::ReadFile(entry.file, bytes, error)) {
            continue;  // gone meanwhile, or not ours to read
        }
        entry.copy = RecoveryCopy::Parse(bytes);
        found.push_back(std::move(entry));
    }
    std::sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) {
        if (a.copy.has_value() != b.copy.has_value()) {
            return a.copy.has_value();
        }
        const std::int64_t ta = a.copy ? a.copy->writtenAt : 0;
        const std::int64_t tb = b.copy ? b.copy->writtenAt : 0;
        return ta != tb ? ta < tb : a.file < b.file;
    });
    return found;
}

}  // namespace rungpad
