// Writes full-size ladder programs (1600 lines, a note on every network) as fuzzing seeds, so the
// fuzzers start from the line limit rather than from a few dozen lines:
//   rungpad_fuzz_seeds OUTDIR [LADDER...]
// OUTDIR/full-networks.plf holds 1598 distinct coil networks and the END1 and END2 lines; each
// LADDER given is repeated to 1600 lines as OUTDIR/full-NAME. Each program written also becomes a
// recovery copy file, OUTDIR/NAME.rgrec.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "document/RecoveryCopy.h"
#include "model/FileIo.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"

using namespace rungpad;

namespace {

bool Save(const LadProgram& program, LadHeaderTexts header, const std::string& path) {
    NullMessageChannel out;
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, program, header, "2026-12-10 09:00", out);
    LadFile::WriteNoteTrailer(bytes, program, out);
    const RecoveryCopy copy{path, FileIo::FileName(path), 1765000000,
                            1,    FileIo::Stamp{1, 2},    bytes};
    std::string error;
    if (!FileIo::WriteFileAtomically(path, bytes, error) ||
        !FileIo::WriteFileAtomically(path.substr(0, path.size() - 4) + ".rgrec", copy.Serialise(),
                                     error)) {
        std::fprintf(stderr, "rungpad_fuzz_seeds: %s\n", error.c_str());
        return false;
    }
    return true;
}

LadProgram Networks() {
    std::vector<std::string> lines;
    char line[64];
    for (int i = 0; i < LadProgram::kMaxLines - 2; ++i) {
        std::snprintf(line, sizeof line, "X%03d.%d - - - - - - (R%03d.%d)", i % 64, i % 8, i / 8,
                      i % 8);
        lines.emplace_back(line);
    }
    lines.emplace_back("- - - - [END1] - - -");
    lines.emplace_back("- - - - [END2] - - -");
    LadProgram program = test::GridBuilder::Build(lines);
    for (int i = 0; i < program.LineCount(); ++i) {
        program.Note(i) = NoteText("note " + std::to_string(i));
    }
    return program;
}

bool Repeat(const std::string& path, const std::string& outDir) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    NullMessageChannel out;
    NullMessageBox box;
    LadProgram program;
    LadHeaderTexts header;
    if (!FileIo::ReadFile(path, bytes, error) ||
        !LadFile::LoadLadder(bytes, FileIo::FileName(path), program, header, out, box) ||
        program.LineCount() == 0) {
        std::fprintf(stderr, "rungpad_fuzz_seeds: %s: not read\n", path.c_str());
        return false;
    }
    const int lines = program.LineCount();
    for (int i = 0; program.LineCount() < LadProgram::kMaxLines; ++i) {
        const LadLine copy = program.Line(i % lines);
        const NoteText note = program.Note(i % lines);
        program.AppendLine(copy, note);
    }
    return Save(program, header, outDir + "/full-" + FileIo::FileName(path));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: rungpad_fuzz_seeds OUTDIR [LADDER...]\n");
        return 64;
    }
    const std::string outDir = argv[1];
    bool ok = Save(Networks(), LadHeaderTexts{}, outDir + "/full-networks.plf");
    for (int i = 2; i < argc; ++i) {
        ok = Repeat(argv[i], outDir) && ok;
    }
    return ok ? 0 : 1;
}
