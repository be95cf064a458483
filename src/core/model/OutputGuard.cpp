#include "model/OutputGuard.h"

#include <filesystem>
#include <system_error>

#include <sys/stat.h>

#include "model/FileIo.h"
#include "model/Messages.h"

namespace rungpad {

namespace {

// What makes two paths one file: device and inode of an existing file, else the absolute path
// with links of its existing part followed and "." and ".." folded.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string path;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity IdentityOf(const std::string& path) {
    std::string target;
    if (!FileIo::ResolveLinks(path, target)) {
        target = path;  // a link loop: compared by its spelling (and refused as an output)
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return {true, st.st_dev, st.st_ino, {}};
    }
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(target, ec);
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, ec);
    return {false, 0, 0, (ec ? absolute.lexically_normal() : canonical).string()};
}

}  // namespace

void OutputGuard::AddInput(const std::string& path) {
    if (!path.empty()) {
        m_inputs.push_back(path);
    }
}

void OutputGuard::AddOutput(const std::string& path) {
    if (!path.empty()) {
        m_outputs.push_back(path);
    }
}

std::string OutputGuard::Refusal() const {
    std::vector<std::pair<std::string, FileIdentity>> seen;
    for (const std::string& input : m_inputs) {
        seen.emplace_back(input, IdentityOf(input));
    }
    for (const std::string& output : m_outputs) {
        const FileIdentity identity = IdentityOf(output);
        for (const auto& [other, otherIdentity] : seen) {
            if (identity == otherIdentity) {
                return Messages::Format("%1: would overwrite %2", {output, other});
            }
        }
        if (std::string refusal = FileIo::WriteRefusal(output); !refusal.empty()) {
            return refusal;
        }
        seen.emplace_back(output, identity);
    }
    return ReadOnlyRefusal();
}

std::string OutputGuard::ReadOnlyRefusal() const {
    if (m_allowReadOnly) {
        return {};
    }
    for (const std::string& output : m_outputs) {
        if (FileIo::IsReadOnly(output)) {
            return Messages::Format("%1: is read-only", {output});
        }
    }
    return {};
}

}  // namespace rungpad
