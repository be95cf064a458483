// The program comparison on two arbitrary ladder files (the first two bytes give the first
// file's length): the alignment covers every line of both programs once and in order, its counts
// match its lines, and a program compared with itself is equal.

#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzChecks.h"
#include "FuzzLadder.h"
#include "analysis/ProgramDiff.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t first = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
    const std::span<const std::uint8_t> bytes(data + 2, size - 2);
    LadProgram oldProgram;
    LadProgram newProgram;
    LadHeaderTexts oldHeader;
    LadHeaderTexts newHeader;
    fuzz::LoadProgram(bytes.first(first), oldProgram, oldHeader);
    fuzz::LoadProgram(bytes.subspan(first), newProgram, newHeader);

    const ProgramDiff diff = ProgramDiff::Compare({oldProgram, oldHeader}, {newProgram, newHeader});
    int nextOld = 0;
    int nextNew = 0;
    DiffCounts counted;
    for (const LineDiff& line : diff.Lines()) {
        if (line.oldLine >= 0) {
            fuzz::Require(line.oldLine == nextOld++, "old lines once and in order");
        }
        if (line.newLine >= 0) {
            fuzz::Require(line.newLine == nextNew++, "new lines once and in order");
        }
        counted.inserted += line.kind == LineDiffKind::kInserted ? 1 : 0;
        counted.deleted += line.kind == LineDiffKind::kDeleted ? 1 : 0;
        counted.changed += line.kind == LineDiffKind::kChanged ? 1 : 0;
    }
    fuzz::Require(nextOld == oldProgram.LineCount() && nextNew == newProgram.LineCount(),
                  "every line of both programs");
    fuzz::Require(counted.inserted == diff.Counts().inserted &&
                      counted.deleted == diff.Counts().deleted &&
                      counted.changed == diff.Counts().changed,
                  "counts match the lines");
    fuzz::Require(ProgramDiff::Compare({oldProgram, oldHeader}, {oldProgram, oldHeader}).Equal(),
                  "a program equals itself");
    return 0;
}
