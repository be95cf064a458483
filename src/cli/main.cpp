// rungpad-cli: the batch front end of Rungpad over the same core as the editor.

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CliCommand.h"
#include "model/FileIo.h"
#include "model/Language.h"
#include "model/Messages.h"

namespace rungpad::cli {

namespace {

// Every subcommand; add new ones here.
const std::array kCommands = {
    &kDumpCommand,  &kResaveCommand, &kListCommand, &kCheckCommand, &kConvertCommand,
    &kNotesCommand, &kDiffCommand,   &kSimCommand,  &kXrefCommand,  &kTestCommand,
};

void PrintOverview(std::ostream& out) {
    out << Messages::Text(
        "Usage: rungpad-cli COMMAND [ARGS...]\n\n"
        "Reads, checks, converts and rewrites Rungpad ladder files (.plf, .grp, .bak, *CON).\n\n"
        "Commands:\n");
    for (const CliCommand* command : kCommands) {
        out << "  " << command->usage << '\n';
    }
    out << Messages::Text(
        "\nOptions (before or after the command):\n"
        "  --lang original|zh|en  language of the messages (default original); files written are\n"
        "                         the same in every language\n"
        "\nRun 'rungpad-cli COMMAND --help' for a command's details, 'rungpad-cli --version' for\n"
        "the version.\n"
        "Exit status: 0 success, 1 conversion errors, 2 unreadable, refused or unwritable file, 64 "
        "usage error.\n");
}

// Takes "--lang NAME" or "--lang=NAME" out of args and sets the message language; false (after
// saying why) for a missing or unknown name.
bool TakeLanguage(std::vector<std::string>& args) {
    for (auto at = args.begin(); at != args.end(); ++at) {
        const bool separate = *at == "--lang";
        if (!separate && at->rfind("--lang=", 0) != 0) {
            continue;
        }
        if (separate && at + 1 == args.end()) {
            std::cerr << "rungpad-cli: --lang needs a language: original, zh or en\n";
            return false;
        }
        const std::string name = separate ? *(at + 1) : at->substr(7);
        const std::optional<Language> language = LanguageNamed(name);
        if (!language) {
            std::cerr << "rungpad-cli: unknown language '" << name
                      << "' for --lang (choose original, zh or en)\n";
            return false;
        }
        Messages::SetLanguage(*language);
        args.erase(at, separate ? at + 2 : at + 1);
        return TakeLanguage(args);
    }
    return true;
}

int Run(std::vector<std::string> args) {
    if (!TakeLanguage(args)) {
        return kExitUsage;
    }
    if (args.empty()) {
        PrintOverview(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--version") {
        std::cout << "rungpad-cli " << RUNGPAD_VERSION << '\n';
        return kExitOk;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintOverview(std::cout);
        return kExitOk;
    }
    for (const CliCommand* command : kCommands) {
        if (command->name == args[0]) {
            const std::vector<std::string> rest(args.begin() + 1, args.end());
            return HandleHelp(*command, rest) ? kExitOk : command->run(rest);
        }
    }
    std::cerr << "rungpad-cli: " << Messages::Format("unknown command '%1'", {args[0]}) << '\n';
    PrintOverview(std::cerr);
    return kExitUsage;
}

// Output cut short by a full disk or a closed pipe is a failure, not a success.
int CheckStandardOutput(int status) {
    errno = 0;
    std::cout.flush();
    const bool failed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!failed) {
        return status;
    }
    std::cerr << "rungpad-cli: " << Messages::Text("write error");
    if (errno != 0) {
        std::cerr << ": " << std::strerror(errno);
    }
    std::cerr << '\n';
    return kExitBadFile;
}

}  // namespace

int UsageError(const CliCommand& command, std::string_view problem) {
    std::cerr << "rungpad-cli " << command.name << ": " << problem << '\n'
              << Messages::Format("Usage: rungpad-cli %1", {command.usage}) << '\n';
    return kExitUsage;
}

bool HandleHelp(const CliCommand& command, const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::cout << Messages::Format("Usage: rungpad-cli %1", {command.usage}) << "\n\n"
                      << Messages::Text(command.help);
            return true;
        }
    }
    return false;
}

}  // namespace rungpad::cli

int main(int argc, char** argv) {
    using namespace rungpad::cli;
    rungpad::FileIo::IgnoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    return CheckStandardOutput(Run(std::move(args)));
}
