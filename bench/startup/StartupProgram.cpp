// Writes the benchmarks' 1600-line program as a ladder file, the document the start-up
// benchmark opens: rungpad-startup-program OUT.plf

#include <cstdio>
#include <string>
#include <vector>

#include "../MaximumProgram.h"
#include "GridBuilder.h"
#include "model/FileIo.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"

int main(int argc, char* argv[]) {
    using namespace rungpad;
    if (argc != 2) {
        std::fprintf(stderr, "usage: rungpad-startup-program OUT.plf\n");
        return 64;
    }
    const LadProgram program = test::GridBuilder::Build(bench::MaximumProgram());
    NullMessageChannel out;
    std::vector<std::uint8_t> bytes;
    LadHeaderTexts header;
    LadFile::SaveLadder(bytes, program, header, "2026-12-10 09:00", out);
    LadFile::WriteNoteTrailer(bytes, program, out);
    std::string error;
    if (!FileIo::WriteFileAtomically(argv[1], bytes, error)) {
        std::fprintf(stderr, "rungpad-startup-program: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
