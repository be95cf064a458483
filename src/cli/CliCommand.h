#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rungpad::cli {

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   // the command ran and found errors (conversion errors)
inline constexpr int kExitBadFile = 2;  // a file could not be read, was refused or not written
inline constexpr int kExitUsage = 64;

// One subcommand of rungpad-cli: its name, a one-line usage, its help text and its entry point
// (arguments after the command name).
struct CliCommand {
    std::string_view name;
    std::string_view usage;
    std::string_view help;
    int (*run)(const std::vector<std::string>& args);
};

// Prints the command's usage on stderr and returns kExitUsage.
int UsageError(const CliCommand& command, std::string_view problem);
// True when args ask for help; prints it.
bool HandleHelp(const CliCommand& command, const std::vector<std::string>& args);

// The commands, each defined in its own source file.
extern const CliCommand kDumpCommand;
extern const CliCommand kResaveCommand;
extern const CliCommand kListCommand;
extern const CliCommand kCheckCommand;
extern const CliCommand kConvertCommand;
extern const CliCommand kNotesCommand;
extern const CliCommand kSimCommand;
extern const CliCommand kDiffCommand;
extern const CliCommand kXrefCommand;
extern const CliCommand kTestCommand;

}  // namespace rungpad::cli
