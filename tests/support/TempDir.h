#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <stdlib.h>

namespace rungpad::test {

// A fresh directory under the system's temporary directory, removed with everything in it when
// the object goes.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rungpad-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary directory");
        }
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(std::string_view name) const { return (m_path / name).string(); }

    // Writes bytes to name in the directory; returns the file's path.
    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string path = File(name);
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static std::vector<std::uint8_t> ReadBytes(const std::string& path) {
        const std::string text = Read(path);
        return {text.begin(), text.end()};
    }

  private:
    std::filesystem::path m_path;
};

}  // namespace rungpad::test
