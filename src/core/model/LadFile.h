#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/FixedText.h"
#include "model/LadProgram.h"

namespace rungpad {

class MessageChannel;
class MessageBoxHost;

// The four fixed-width header texts of a ladder file.
struct LadHeaderTexts {
    FixedText<15> version;
    FixedText<40> machine;
    FixedText<20> modifier;
    FixedText<25> saveDate;  // "%Y-%m-%d %H:%M"

    friend bool operator==(const LadHeaderTexts&, const LadHeaderTexts&) = default;
};

// What a file holds beyond the lines its count admits, other than a line note trailer: whole
// line records, then bytes that are neither a line nor a trailer. A damaged count hides these
// from the reader, and a save would drop them.
struct LadExcess {
    int lines = 0;
    std::size_t bytes = 0;

    bool Any() const { return lines > 0 || bytes > 0; }
};

// The ladder file layout: reader, writer, line note trailer, box expansion after reading and the
// old-generation copy. Works on byte buffers; opening and writing files is the caller's.
class LadFile {
  public:
    static constexpr std::size_t kHeaderSize = 108;
    static constexpr std::size_t kCellSize = 13;
    static constexpr std::size_t kLineSize = 124;
    static constexpr std::size_t kConLineSize = 130;
    static constexpr std::uint16_t kTrailerMark = 0x14EA;
    // The message box of a refused file.
    static constexpr std::string_view kCannotOpenText = "无法打开梯形图文件!";

    // Whether a file name (with extension, without directory) selects the CON line layout.
    static bool IsConName(std::string_view fileName);
    // Whether a path ends in "GRP" (any case): such files are saved without the note trailer.
    static bool IsGrpName(std::string_view path);

    // Why LoadLadder refuses bytes, in words for the line after its messages ("the file is
    // shorter than ..."); empty when it reads them.
    static std::string RefusalReason(std::span<const std::uint8_t> bytes,
                                     std::string_view fileName);
    // Reads bytes into program and header. A refused file leaves program empty and usable; the
    // reason follows the specified messages in the output window.
    static bool LoadLadder(std::span<const std::uint8_t> bytes, std::string_view fileName,
                           LadProgram& program, LadHeaderTexts& header, MessageChannel& out,
                           MessageBoxHost& box);

    // What bytes hold after the lines of their count (a file LoadLadder accepted) that is not a
    // line note trailer: the fewest whole lines after which the rest is a trailer, or else every
    // whole line and the bytes left over.
    static LadExcess Excess(std::span<const std::uint8_t> bytes, std::string_view fileName);

    // Writes table in the ladder layout; header.saveDate is first set to saveDate.
    static void SaveLadder(std::vector<std::uint8_t>& file, const LadProgram& table,
                           LadHeaderTexts& header, std::string_view saveDate, MessageChannel& out);

    // Appends the line note trailer of program's 1600 note slots.
    static void WriteNoteTrailer(std::vector<std::uint8_t>& file, const LadProgram& program,
                                 MessageChannel& out);

    // Gives one-line boxes of the two-line list their second line.
    static void ExpandBoxes(LadProgram& program);

    // Fills copy with program in the old generation; false (with its messages) if it cannot.
    static bool MakeOldLayoutCopy(const LadProgram& program, LadProgram& copy, MessageChannel& out,
                                  MessageBoxHost& box);

    // The current local date and time in the save date format.
    static std::string CurrentSaveDate();
};

}  // namespace rungpad
