#include <array>
#include <iostream>
#include <optional>
#include <utility>

#include "ArgParser.h"
#include "CliCommand.h"
#include "LadderConversion.h"
#include "LadderInput.h"
#include "model/FileIo.h"
#include "model/Messages.h"

namespace rungpad::cli {

namespace {

struct ConvertArgs {
    std::string input;
    std::optional<std::string> bin;
    std::optional<std::string> list;
    std::optional<std::string> grp;
    std::optional<std::string> old;
    std::optional<std::string> notes;
    bool force = false;
};

std::optional<ConvertArgs> ParseArgs(const std::vector<std::string>& args, std::string& problem) {
    ConvertArgs parsed;
    ArgParser parser;
    for (const auto& [name, file] : {std::pair{"--bin", &parsed.bin},
                                     {"--list", &parsed.list},
                                     {"--grp", &parsed.grp},
                                     {"--old", &parsed.old},
                                     {"--notes", &parsed.notes}}) {
        parser.AddValue(name, "a file name", *file, ArgParser::EmptyValue::kMissing);
    }
    parser.AddSwitch("--force", parsed.force);
    if (!parser.ParseFile(args, parsed.input, problem)) {
        return std::nullopt;
    }
    return parsed;
}

using OutputList =
    std::array<std::pair<const std::optional<std::string>*, CliDocument::Command>, 4>;

// The output commands of the requested files, in the order of the File menu.
OutputList Outputs(const ConvertArgs& parsed) {
    return {{
        {&parsed.bin, &CRungpadDoc::OnGenerateBinaryFile},
        {&parsed.grp, &CRungpadDoc::OnLadderGeneratedFile},
        {&parsed.old, &CRungpadDoc::OnGenerateOldLadderFile},
        {&parsed.list, &CRungpadDoc::OnGenerateInstructionList},
    }};
}

// Refuses outputs that would destroy an input or another output, or land on something that
// is not a writable regular file; prints why.
bool CheckOutputPaths(const ConvertArgs& parsed) {
    OutputGuard guard;
    guard.AddInput(parsed.input);
    guard.AddInput(DefaultNoteFile());
    guard.AddInput(parsed.notes.value_or(""));
    for (const auto& [path, command] : Outputs(parsed)) {
        guard.AddOutput(path->value_or(""));
    }
    guard.AllowReadOnly(parsed.force);
    return OutputsAccepted(guard);
}

// Runs every requested output command with the writes held back, and writes the files only
// when no command refused its output: a refusal leaves every file as it was.
bool WriteOutputs(const ConvertArgs& parsed, CliDocument& document) {
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> held;
    document.Doc().SetFileWriter(
        [&held](const std::string& path, std::span<const std::uint8_t> bytes, std::string&) {
            held.emplace_back(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
            return true;
        });
    for (const auto& [path, command] : Outputs(parsed)) {
        if (*path && !document.WriteWith(command, **path)) {
            return false;
        }
    }
    for (const auto& [path, bytes] : held) {
        if (!WriteOutput(path, bytes)) {
            return false;
        }
    }
    return true;
}

int RunConvert(const std::vector<std::string>& args) {
    std::string problem;
    const std::optional<ConvertArgs> parsed = ParseArgs(args, problem);
    if (!parsed) {
        return UsageError(kConvertCommand, problem);
    }
    if (!CheckOutputPaths(*parsed)) {
        return kExitBadFile;
    }
    CliDocument document;
    if (!document.Open(parsed->input)) {
        return kExitBadFile;
    }
    if (parsed->notes && !document.ReplaceNotes(*parsed->notes)) {
        return kExitBadFile;
    }
    if (!document.Convert()) {
        return kExitFailed;
    }
    if (!WriteOutputs(*parsed, document)) {
        return kExitBadFile;
    }
    std::cout << Messages::Text(CRungpadDoc::kConvertSucceededText) << '\n';
    return kExitOk;
}

}  // namespace

const CliCommand kConvertCommand{
    "convert",
    "convert FILE [--bin OUT] [--list OUT] [--grp OUT] [--old OUT] [--notes NOTEFILE] [--force]",
    "Opens FILE as the editor does and converts it. On success runs the output commands:\n"
    "--bin writes the binary image (the controller's step records and COD table words), --grp\n"
    "the ladder generated file, --old the old ladder diagram file (one-line boxes; refused for\n"
    "TMRB, TMRC, CALLU, MOVB and MOVW), --list the instruction list text (CR LF lines); each is\n"
    "replaced only when completely written, and none is written when one of them is refused.\n"
    "Then prints \"Convert succeed!\". An output may not name the input, a note file or\n"
    "another output (also through a link); a read-only output is refused unless --force is given.\n"
    "--notes reads the address notes from NOTEFILE instead of PBitCh01.MEA beside rungpad-cli.\n"
    "A conversion error prints its report line on stderr and writes nothing (exit 1); an\n"
    "unreadable input or note file, a refused or unwritable output exits 2.\n",
    RunConvert};

}  // namespace rungpad::cli
