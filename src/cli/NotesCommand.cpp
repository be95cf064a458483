#include "CliCommand.h"
#include "CliDocument.h"

namespace rungpad::cli {

namespace {

int RunNotes(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        return UsageError(kNotesCommand, "expects NOTEFILE and OUT");
    }
    if (args[0].empty() || args[1].empty()) {
        return UsageError(kNotesCommand, "a file name is empty");
    }
    CliDocument document;
    if (!document.ImportNotes(args[0]) ||
        !document.WriteWith(&CRungpadDoc::OnExportNote, args[1])) {
        return kExitBadFile;
    }
    return kExitOk;
}

}  // namespace

const CliCommand kNotesCommand{
    "notes", "notes NOTEFILE OUT",
    "Reads the address note file NOTEFILE (the format of PBitCh01.MEA: letter, three-digit byte,\n"
    "slot digit 1-8 for bits 0-7, a separator and the note) as Import Note does, and writes its\n"
    "bit notes to OUT as Export Note does (\"%\", \"X0012     note\" lines, \"end\"; CR LF).\n"
    "OUT is replaced only when completely written.\n",
    RunNotes};

}  // namespace rungpad::cli
