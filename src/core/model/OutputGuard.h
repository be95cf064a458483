#pragma once

#include <string>
#include <vector>

namespace rungpad {

// The files one command reads and writes, checked before anything is written. No output may be
// an input or another output: files are compared by identity (device and inode after following
// symlinks, or the normalised path of a file that does not exist yet), so a symlink, a hard
// link or another spelling of an input is caught as well. An output may not be something other
// than a regular file, nor a read-only file unless the command was told to replace it.
//
// Every command that writes files lists all of them here, inputs included (also the ones read
// implicitly, such as the address note file), and asks Refusal() before its first write.
class OutputGuard {
  public:
    // Empty paths are ignored, so optional files can be added as they are.
    void AddInput(const std::string& path);
    void AddOutput(const std::string& path);
    // Read-only outputs are replaced all the same (a command's --force).
    void AllowReadOnly(bool allow) { m_allowReadOnly = allow; }

    // The first reason to refuse, or an empty text: "OUT: would overwrite IN" (IN may be another
    // output), "OUT: is read-only", "OUT: not a regular file" and the like.
    std::string Refusal() const;

  private:
    std::string ReadOnlyRefusal() const;

    std::vector<std::string> m_inputs;
    std::vector<std::string> m_outputs;
    bool m_allowReadOnly = false;
};

}  // namespace rungpad
