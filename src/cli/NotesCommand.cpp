#include <iostream>

#include "CliCommand.h"
#include "CliDocument.h"
#include "LadderInput.h"
#include "model/FileIo.h"
#include "model/NoteCsv.h"
#include "model/NoteFile.h"

namespace rungpad::cli {

namespace {

int NotesToCsv(const std::string& noteFile, const std::string& out) {
    AddressNotes notes;
    if (!NoteFile::Load(noteFile, notes)) {
        std::cerr << "rungpad-cli: cannot read " << noteFile << '\n';
        return kExitBadFile;
    }
    return WriteTextOutput(out, NoteCsv::Format(notes)) ? kExitOk : kExitBadFile;
}

int CsvToNotes(const std::string& csv, const std::string& out) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!FileIo::ReadFile(csv, bytes, error)) {
        std::cerr << "rungpad-cli: " << error << '\n';
        return kExitBadFile;
    }
    AddressNotes notes;
    const std::vector<std::string> errors =
        NoteCsv::Parse({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, notes);
    for (const std::string& e : errors) {
        std::cerr << "rungpad-cli: " << csv << ": " << e << '\n';
    }
    if (!errors.empty()) {
        return kExitBadFile;
    }
    return WriteTextOutput(out, NoteFile::Format(notes)) ? kExitOk : kExitBadFile;
}

int RunNotes(const std::vector<std::string>& args) {
    if (args.size() == 3 && args[0] == "--csv") {
        return NotesToCsv(args[1], args[2]);
    }
    if (args.size() == 3 && args[0] == "--from-csv") {
        return CsvToNotes(args[1], args[2]);
    }
    if (args.size() != 2 || args[0].starts_with("--")) {
        return UsageError(kNotesCommand,
                          "expects NOTEFILE and OUT, --csv NOTEFILE OUT.csv or "
                          "--from-csv IN.csv NOTEFILE");
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
    "notes", "notes NOTEFILE OUT | --csv NOTEFILE OUT.csv | --from-csv IN.csv NOTEFILE",
    "Reads the address note file NOTEFILE (the format of PBitCh01.MEA: letter, three-digit byte,\n"
    "slot digit 1-8 for bits 0-7, a separator and the note) as Import Note does, and writes its\n"
    "bit notes to OUT as Export Note does (\"%\", \"X0012     note\" lines, \"end\"; CR LF).\n\n"
    "  --csv NOTEFILE OUT.csv     every note of NOTEFILE as a UTF-8 table for a spreadsheet:\n"
    "                             \"address,note\", then rows such as X001.2,Motor ready (a bit)\n"
    "                             and X001,Inputs (the byte note)\n"
    "  --from-csv IN.csv NOTEFILE the other way: a note file (GBK) from such a table. Refused,\n"
    "                             with every problem named by its line, when an address cannot\n"
    "                             carry a note, is given twice, or a note is longer than 120\n"
    "                             GBK bytes, holds a line break or a character GBK lacks\n\n"
    "Output files are replaced only when completely written; nothing is written on an error.\n",
    RunNotes};

}  // namespace rungpad::cli
