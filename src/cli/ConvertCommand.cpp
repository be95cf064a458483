#include <iostream>
#include <optional>

#include "CliCommand.h"
#include "LadderConversion.h"
#include "LadderInput.h"

namespace rungpad::cli {

namespace {

struct ConvertArgs {
    std::string input;
    std::optional<std::string> bin;
    std::optional<std::string> list;
};

std::optional<ConvertArgs> ParseArgs(const std::vector<std::string>& args, std::string& problem) {
    ConvertArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--bin" || arg == "--list") {
            if (i + 1 >= args.size()) {
                problem = arg + " needs a file name";
                return std::nullopt;
            }
            (arg == "--bin" ? parsed.bin : parsed.list) = args[++i];
        } else if (arg.rfind("--", 0) == 0 || !parsed.input.empty()) {
            problem = "unexpected argument '" + arg + "'";
            return std::nullopt;
        } else {
            parsed.input = arg;
        }
    }
    if (parsed.input.empty()) {
        problem = "expects a FILE";
        return std::nullopt;
    }
    return parsed;
}

int RunConvert(const std::vector<std::string>& args) {
    std::string problem;
    const std::optional<ConvertArgs> parsed = ParseArgs(args, problem);
    if (!parsed) {
        return UsageError(kConvertCommand, problem);
    }
    LadProgram program;
    CLadConvert convert;
    const int status = ReadAndConvert(parsed->input, program, convert);
    if (status != kExitOk) {
        return status;
    }
    if (parsed->bin) {
        std::vector<std::uint8_t> image;
        if (!convert.BinaryImage(image) || !WriteOutput(*parsed->bin, image)) {
            return kExitBadFile;
        }
    }
    if (parsed->list) {
        const std::string text = convert.WriteListFile();
        const std::span<const std::uint8_t> bytes(
            reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        if (!WriteOutput(*parsed->list, bytes)) {
            return kExitBadFile;
        }
    }
    std::cout << "Convert succeed!\n";
    return kExitOk;
}

}  // namespace

const CliCommand kConvertCommand{
    "convert", "convert FILE [--bin OUT] [--list OUT]",
    "Converts FILE. On success writes the binary image (the controller's step records and COD\n"
    "table words) to --bin and the instruction list text (CR LF lines) to --list, each through a\n"
    "temporary file, and prints \"Convert succeed!\". A conversion error prints its report line\n"
    "on stderr and writes nothing (exit 1); an unwritable output exits 2.\n",
    RunConvert};

}  // namespace rungpad::cli
