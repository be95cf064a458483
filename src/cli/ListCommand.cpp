#include <iostream>

#include "CliCommand.h"
#include "LadderConversion.h"
#include "model/Messages.h"

namespace rungpad::cli {

namespace {

int RunList(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return UsageError(kListCommand, Messages::Text("expects exactly one FILE"));
    }
    CliDocument document;
    const int status = ReadAndConvert(args[0], document);
    if (status != kExitOk) {
        return status;
    }
    const CLadConvert& convert = document.Doc().Converter();
    for (int i = 0; i < convert.TextCount(); ++i) {
        std::cout << convert.TextAt(i) << '\n';
    }
    return kExitOk;
}

}  // namespace

const CliCommand kListCommand{
    "list", "list FILE",
    "Converts FILE and prints its instruction list, one entry per line as the converter keeps it:\n"
    "the instruction text, two spaces and its 1-based ladder line right-aligned in four places.\n"
    "On a conversion error prints nothing on stdout and the error report on stderr (exit 1).\n",
    RunList};

}  // namespace rungpad::cli
