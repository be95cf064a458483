#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rungpad {

// Whole-file reads and writes. A write goes to a temporary file beside the target and is renamed
// over it only when complete, so a failed write never damages the file that was there.
class FileIo {
  public:
    // Returns false and an error text when the file cannot be read.
    static bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::string& error);
    // Returns false and an error text when the file cannot be written; the target is untouched.
    static bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                                    std::string& error);
    // The file name of a path (with extension, without directory).
    static std::string FileName(const std::string& path);
};

}  // namespace rungpad
