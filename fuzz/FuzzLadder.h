#pragma once

// Ladder input shared by the fuzz targets that start from a ladder file: the first byte chooses
// the normal or the CON line layout, the rest is the file (so the ladder seeds of scripts/fuzz.sh
// fit every such target).

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/HostInterfaces.h"
#include "model/LadFile.h"

namespace rungpad::fuzz {

// Loads bytes (layout byte first) as the open does, boxes expanded; a refused file gives an
// empty program.
inline void LoadProgram(std::span<const std::uint8_t> bytes, LadProgram& program,
                        LadHeaderTexts& header) {
    if (bytes.empty()) {
        return;
    }
    NullMessageChannel out;
    NullMessageBox box;
    const bool con = (bytes[0] & 1) != 0;
    if (LadFile::LoadLadder(bytes.subspan(1), con ? "FUZZ.CON" : "fuzz.plf", program, header, out,
                            box)) {
        LadFile::ExpandBoxes(program);
    }
}

}  // namespace rungpad::fuzz
