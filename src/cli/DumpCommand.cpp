#include <iostream>

#include "CliCommand.h"
#include "CliDocument.h"
#include "GridText.h"
#include "model/Messages.h"

namespace rungpad::cli {

namespace {

int RunDump(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        return UsageError(kDumpCommand, Messages::Text("expects exactly one FILE"));
    }
    CliDocument document;
    if (!document.Open(args[0])) {
        return kExitBadFile;
    }
    const LadProgram& program = document.Doc().Program();
    const LadHeaderTexts& header = document.Doc().Header();
    std::cout << GridText::Header(program, header) << '\n';
    for (int i = 0; i < program.LineCount(); ++i) {
        std::cout << GridText::Line(program, i) << '\n';
    }
    return kExitOk;
}

}  // namespace

const CliCommand kDumpCommand{
    "dump", "dump FILE",
    "Reads FILE as the editor opens it and prints its header and its grid, one ladder line per\n"
    "output line: the line number, the eight cells and the line note.\n\n"
    "  -[X000.0]-  normally open contact     -[/X000.0]  normally closed contact\n"
    "  -(Y000.0)-  coil                      -(/Y000.0)  negated coil\n"
    "  ----------  horizontal line           [TMR     ]  function box cell\n"
    "  <0001    >  COD table cell            |           vertical link after a cell\n",
    RunDump};

}  // namespace rungpad::cli
