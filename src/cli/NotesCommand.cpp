#include <iostream>

#include "ArgParser.h"
#include "CliCommand.h"
#include "CliDocument.h"
#include "LadderInput.h"
#include "model/FileIo.h"
#include "model/Messages.h"
#include "model/NoteCsv.h"
#include "model/NoteFile.h"

namespace rungpad::cli {

namespace {

int NotesToCsv(const std::string& noteFile, const std::string& out) {
    AddressNotes notes;
    if (!NoteFile::Load(noteFile, notes)) {
        std::cerr << "rungpad-cli: " << Messages::Format("cannot read %1", {noteFile}) << '\n';
        return kExitBadFile;
    }
    return WriteTextOutput(out, NoteCsv::Format(notes)) ? kExitOk : kExitBadFile;
}

int NoteCount(const AddressNotes& notes) {
    int count = 0;
    notes.ForEachNote([&count](char, int, std::size_t, const std::string&) { ++count; });
    return count;
}

int CsvToNotes(const std::string& csv, const std::string& out, bool force) {
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
    // A table that lost its rows (a wrong export, a line ending misread) must not empty a full
    // note file by accident.
    if (NoteCount(notes) == 0 && !force) {
        std::cerr << "rungpad-cli: " << csv << ": "
                  << Messages::Text("holds no notes; --force writes an empty note file") << '\n';
        return kExitBadFile;
    }
    return WriteTextOutput(out, NoteFile::Format(notes)) ? kExitOk : kExitBadFile;
}

int ExportNotes(const std::string& noteFile, const std::string& out) {
    CliDocument document;
    if (!document.ImportNotes(noteFile) || !document.WriteWith(&CRungpadDoc::OnExportNote, out)) {
        return kExitBadFile;
    }
    return kExitOk;
}

struct NotesArgs {
    bool csv = false;
    bool fromCsv = false;
    bool force = false;
    std::vector<std::string> files;
};

int RunNotes(const std::vector<std::string>& args) {
    NotesArgs parsed;
    std::string problem;
    ArgParser parser;
    parser.AddSwitch("--csv", parsed.csv);
    parser.AddSwitch("--from-csv", parsed.fromCsv);
    parser.AddSwitch("--force", parsed.force);
    if (!parser.ParseOperands(args, parsed.files, problem)) {
        return UsageError(kNotesCommand, problem);
    }
    if (parsed.files.size() != 2 || (parsed.csv && parsed.fromCsv)) {
        return UsageError(kNotesCommand, Messages::Text("expects NOTEFILE and OUT, --csv NOTEFILE "
                                                        "OUT.csv or --from-csv IN.csv NOTEFILE"));
    }
    const std::string& in = parsed.files[0];
    const std::string& out = parsed.files[1];
    if (in.empty() || out.empty()) {
        return UsageError(kNotesCommand, Messages::Text("a file name is empty"));
    }
    OutputGuard guard;
    guard.AddInput(in);
    guard.AddOutput(out);
    guard.AllowReadOnly(parsed.force);
    if (!OutputsAccepted(guard)) {
        return kExitBadFile;
    }
    if (parsed.csv) {
        return NotesToCsv(in, out);
    }
    return parsed.fromCsv ? CsvToNotes(in, out, parsed.force) : ExportNotes(in, out);
}

}  // namespace

const CliCommand kNotesCommand{
    "notes", "notes NOTEFILE OUT | --csv NOTEFILE OUT.csv | --from-csv IN.csv NOTEFILE [--force]",
    "Reads the address note file NOTEFILE (the format of PBitCh01.MEA: letter, three-digit byte,\n"
    "slot digit 1-8 for bits 0-7, a separator and the note) as Import Note does, and writes its\n"
    "bit notes to OUT as Export Note does (\"%\", \"X0012     note\" lines, \"end\"; CR LF).\n\n"
    "  --csv NOTEFILE OUT.csv     every note of NOTEFILE as a UTF-8 table for a spreadsheet:\n"
    "                             \"address,note\", then rows such as X001.2,Motor ready (a bit)\n"
    "                             and X001,Inputs (the byte note)\n"
    "  --from-csv IN.csv NOTEFILE the other way: a note file (GBK) from such a table. Refused,\n"
    "                             with every problem named by its line, when an address cannot\n"
    "                             carry a note, is given twice, or a note is longer than 120\n"
    "                             GBK bytes, holds a line break, a control character or a\n"
    "                             character GBK lacks, or a row has no comma; a table without\n"
    "                             any note is refused unless --force is given\n\n"
    "Output files are replaced only when completely written; nothing is written on an error.\n"
    "OUT may not be the file read (also through a link); a read-only OUT is refused unless\n"
    "--force is given.\n",
    RunNotes};

}  // namespace rungpad::cli
