#include <iostream>

#include "CliCommand.h"
#include "LadderConversion.h"
#include "model/Messages.h"

namespace rungpad::cli {

namespace {

int RunCheck(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return UsageError(kCheckCommand, Messages::Text("expects exactly one FILE"));
    }
    CliDocument document;
    const int status = ReadAndConvert(args[0], document);
    // A file with lines its count hid must not pass a build gate, whatever those lines hold.
    if (document.HasUnreadPart() && status != kExitBadFile) {
        return kExitBadFile;
    }
    if (status == kExitOk) {
        std::cout << Messages::Text(CRungpadDoc::kConvertSucceededText) << '\n';
    }
    return status;
}

}  // namespace

const CliCommand kCheckCommand{
    "check", "check FILE",
    "Converts FILE and prints \"Convert succeed!\" (exit 0), or the report line of the first\n"
    "conversion error on stderr (exit 1), e.g. \"梯图第0003行  错误代号 1009 网络水平线未连上\".\n"
    "A file holding more than its header's line count admits is warned about and exits 2.\n",
    RunCheck};

}  // namespace rungpad::cli
