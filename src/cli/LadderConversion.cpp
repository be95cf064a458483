#include "LadderConversion.h"

#include "CliCommand.h"

namespace rungpad::cli {

int ReadAndConvert(const std::string& path, CliDocument& document) {
    if (!document.Open(path)) {
        return kExitBadFile;
    }
    return document.Convert() ? kExitOk : kExitFailed;
}

}  // namespace rungpad::cli
