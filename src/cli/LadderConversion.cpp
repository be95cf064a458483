#include "LadderConversion.h"

#include <iostream>

#include "CliCommand.h"
#include "LadderInput.h"

namespace rungpad::cli {

int ReadAndConvert(const std::string& path, LadProgram& program, CLadConvert& convert) {
    ConsoleHost host;
    LadHeaderTexts header;
    if (!ReadLadder(path, program, header, host)) {
        return kExitBadFile;
    }
    convert.SetProgram(&program);
    convert.ClearErrors();
    if (convert.Convert() != CLadConvert::kConvertSucceeded) {
        std::cerr << convert.FormatLastError() << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace rungpad::cli
