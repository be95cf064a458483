#include "CliCommand.h"
#include "LadderInput.h"
#include "model/HostInterfaces.h"

namespace rungpad::cli {

namespace {

int RunResave(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return UsageError(kResaveCommand, "expects FILE and OUT");
    }
    LadProgram program;
    LadHeaderTexts header;
    if (!ReadLadder(args[0], program, header)) {
        return kExitBadFile;
    }
    std::vector<std::uint8_t> bytes;
    NullMessageChannel quiet;
    LadFile::SaveLadder(bytes, program, header, LadFile::CurrentSaveDate(), quiet);
    if (!LadFile::IsGrpName(args[1])) {
        LadFile::WriteNoteTrailer(bytes, program, quiet);
    }
    return WriteOutput(args[1], bytes) ? kExitOk : kExitBadFile;
}

}  // namespace

const CliCommand kResaveCommand{
    "resave", "resave FILE OUT",
    "Reads FILE as the editor opens it and writes it to OUT in the ladder layout, with the line\n"
    "note trailer unless OUT ends in .grp. OUT is replaced only when completely written.\n",
    RunResave};

}  // namespace rungpad::cli
