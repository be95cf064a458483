// LoadLadder on arbitrary bytes, in the normal and the CON layout (chosen by the first byte), then
// what the open and the output commands do with a loaded program: the part a damaged count
// hides, box expansion, the old-layout copy, and a save that must read back to the same program.

#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzChecks.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool con = (data[0] & 1) != 0;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    NullMessageChannel out;
    NullMessageBox box;
    LadProgram program;
    LadHeaderTexts header;
    if (!LadFile::LoadLadder(bytes, con ? "FUZZ.CON" : "fuzz.plf", program, header, out, box)) {
        fuzz::Require(program.LineCount() == 0, "a refused file leaves no lines");
        return 0;
    }
    fuzz::CheckLineTable(program);
    fuzz::CheckCodtCounts(program);
    // What the count hides lies within the file.
    const LadExcess excess = LadFile::Excess(bytes, con ? "FUZZ.CON" : "fuzz.plf");
    const std::size_t lineSize = con ? LadFile::kConLineSize : LadFile::kLineSize;
    fuzz::Require(LadFile::kHeaderSize +
                          lineSize * static_cast<std::size_t>(program.LineCount() + excess.lines) +
                          excess.bytes <=
                      bytes.size(),
                  "the unread part lies within the file");

    std::vector<std::uint8_t> saved;
    LadFile::SaveLadder(saved, program, header, "2026-12-10 09:00", out);
    LadProgram reread;
    LadHeaderTexts rereadHeader;
    fuzz::Require(LadFile::LoadLadder(saved, "fuzz.plf", reread, rereadHeader, out, box),
                  "a saved program reads back");
    std::vector<std::uint8_t> savedAgain;
    LadFile::SaveLadder(savedAgain, reread, rereadHeader, "2026-12-10 09:00", out);
    fuzz::Require(saved == savedAgain, "save, read and save again gives the same bytes");

    LadFile::ExpandBoxes(program);
    fuzz::CheckLineTable(program);
    LadProgram copy;
    LadFile::MakeOldLayoutCopy(program, copy, out, box);
    fuzz::CheckLineTable(copy);
    fuzz::Require(copy.LineCount() <= program.LineCount(), "the old layout never grows");
    return 0;
}
