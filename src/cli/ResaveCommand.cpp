#include "ArgParser.h"
#include "CliCommand.h"
#include "LadderInput.h"
#include "model/HostInterfaces.h"
#include "model/Messages.h"

namespace rungpad::cli {

namespace {

int RunResave(const std::vector<std::string>& args) {
    bool force = false;
    std::vector<std::string> files;
    std::string problem;
    ArgParser parser;
    parser.AddSwitch("--force", force);
    if (!parser.ParseOperands(args, files, problem)) {
        return UsageError(kResaveCommand, problem);
    }
    if (files.size() != 2) {
        return UsageError(kResaveCommand, Messages::Text("expects FILE and OUT"));
    }
    OutputGuard guard;
    guard.AddInput(files[0]);
    guard.AddInput(DefaultNoteFile());
    guard.AddOutput(files[1]);
    guard.AllowReadOnly(force);
    if (!OutputsAccepted(guard)) {
        return kExitBadFile;
    }
    LadProgram program;
    LadHeaderTexts header;
    if (!ReadLadder(files[0], program, header)) {
        return kExitBadFile;
    }
    std::vector<std::uint8_t> bytes;
    NullMessageChannel quiet;
    LadFile::SaveLadder(bytes, program, header, LadFile::CurrentSaveDate(), quiet);
    if (!LadFile::IsGrpName(files[1])) {
        LadFile::WriteNoteTrailer(bytes, program, quiet);
    }
    return WriteOutput(files[1], bytes) ? kExitOk : kExitBadFile;
}

}  // namespace

const CliCommand kResaveCommand{
    "resave", "resave FILE OUT [--force]",
    "Reads FILE as the editor opens it and writes it to OUT in the ladder layout, with the line\n"
    "note trailer unless OUT ends in .grp. OUT is replaced only when completely written; it may\n"
    "not be FILE (also through a link), and a read-only OUT is refused unless --force is given.\n",
    RunResave};

}  // namespace rungpad::cli
