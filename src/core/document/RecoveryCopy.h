#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/FileIo.h"

namespace rungpad {

// What the editor keeps of a modified document so that a crash does not lose it: the ladder file
// as Save would write it (note trailer included), where the document belongs and what its file
// on disk looked like when it was opened or last saved.
struct RecoveryCopy {
    std::string path;            // the document's file, empty for a document never saved
    std::string title;           // the window title without the modified mark
    std::int64_t writtenAt = 0;  // seconds since the epoch
    int pid = 0;                 // the editor process that wrote the copy (for people; liveness
                                 // is its lock's, RecoveryStore)
    std::optional<FileIo::Stamp> diskStamp;
    std::vector<std::uint8_t> ladder;

    // The copy file's bytes: a text head of "key length" lines, each followed by its value, and
    // the ladder bytes last.
    std::vector<std::uint8_t> Serialise() const;
    // Nothing when bytes are not a complete copy file.
    static std::optional<RecoveryCopy> Parse(std::span<const std::uint8_t> bytes);

    friend bool operator==(const RecoveryCopy&, const RecoveryCopy&) = default;
};

}  // namespace rungpad
