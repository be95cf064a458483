#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rungpad {

// Whole-file reads and writes, done the way a careful Unix tool does them.
//
// A read opens without blocking and takes regular files only, so a FIFO or a device cannot hang
// or feed the program. A write never damages the file that was there: the bytes go to a
// temporary file in the target's directory, are synced, and the temporary file is renamed over
// the target; the directory is synced after. A symlink is written through (its target is
// replaced), owner and group are kept where the process may set them, set-id and sticky bits are
// never carried over, and a new file gets 0666 less the umask. A file with more than one hard
// link is rewritten in place after a complete synced copy was made beside it, so its links stay
// one file. Anything at the path that is not a regular file is refused.
class FileIo {
  public:
    // What tells a file's content apart from an earlier one without reading it.
    struct Stamp {
        std::uint64_t size = 0;
        std::int64_t modifiedNs = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };

    // A file written piece by piece and put in place only when complete, with the same care as
    // WriteFileAtomically (which is one Open, Append and Commit): the pieces go to a temporary
    // file beside the target, Commit syncs it and puts it in place. Without a successful Commit
    // (an error, an interrupted run) the temporary file is removed and the target is untouched.
    // Memory stays bounded however much is written.
    class Writer {
      public:
        Writer() = default;
        Writer(const Writer&) = delete;
        Writer& operator=(const Writer&) = delete;
        ~Writer();

        // Refuses what WriteRefusal refuses, or a temporary file that cannot be made.
        bool Open(const std::string& path, std::string& error);
        // Buffered; a write error shows in Commit.
        void Append(std::span<const std::uint8_t> bytes);
        void Append(std::string_view text);
        bool Commit(std::string& error);

      private:
        static constexpr std::size_t kBufferSize = 1u << 16;

        void Flush();
        void Discard();

        std::string m_path;
        std::string m_target;
        std::string m_temp;
        int m_fd = -1;
        int m_error = 0;
        bool m_hardLinked = false;
        std::vector<std::uint8_t> m_buffer;
    };

    // Returns false and an error text ("PATH: reason") when the file cannot be read.
    static bool ReadFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                         std::string& error);
    // Returns false and an error text when the file cannot be written; the target is untouched.
    static bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                                    std::string& error);
    // Why a write to path would be refused before any byte is written (a special file, a symlink
    // loop, a directory that is missing or may not be written), or an empty text.
    static std::string WriteRefusal(const std::string& path);
    // The file name of a path (with extension, without directory).
    static std::string FileName(const std::string& path);
    // Whether both paths name one existing file (through links, hard or symbolic).
    static bool SameFile(const std::string& a, const std::string& b);
    // The path a write to path lands on: path itself, or the file its chain of symlinks ends in
    // (which may not exist yet). False with errno set on a loop or an unreadable link.
    static bool ResolveLinks(const std::string& path, std::string& target);
    // Whether an existing file (through links) is one its user may not write: no write
    // permission for this process, or no write bit at all for a process that could write
    // anything. False for a file that does not exist.
    static bool IsReadOnly(const std::string& path);
    // Size and modification time of an existing file, following symlinks.
    static std::optional<Stamp> StampOf(const std::string& path);
    // A write beyond the file size limit fails with EFBIG instead of killing the process; call
    // once at start-up.
    static void IgnoreFileSizeSignal();
};

}  // namespace rungpad
