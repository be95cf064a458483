// rungpad-cli: the batch front end of Rungpad over the same core as the editor.

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "model/FileIo.h"
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
        "\nRun 'rungpad-cli COMMAND --help' for a command's details, 'rungpad-cli --version' for\n"
        "the version.\n"
        "Exit status: 0 success, 1 conversion errors, 2 unreadable, refused or unwritable file, 64 "
        "usage error.\n");
}

int Run(const std::vector<std::string>& args) {
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
    const std::vector<std::string> args(argv + 1, argv + argc);
    return CheckStandardOutput(Run(args));
}
