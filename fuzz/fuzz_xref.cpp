// The cross-reference and its review findings over any ladder file: every use and every place of
// a finding lies on the program's grid, uses are in address order, and building twice gives the
// same table.

#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzChecks.h"
#include "FuzzLadder.h"
#include "analysis/CrossReference.h"

using namespace rungpad;

namespace {

bool OnGrid(const LadProgram& program, int line, int column) {
    return line >= 0 && line < program.LineCount() && column >= 0 && column < LadLine::kColumns;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    LadProgram program;
    LadHeaderTexts header;
    fuzz::LoadProgram(std::span(data, size), program, header);
    const CrossReference xref = CrossReference::Build(program);
    for (const XrefUse& use : xref.Uses()) {
        fuzz::Require(OnGrid(program, use.line, use.column), "uses on the grid");
    }
    for (const ReviewFinding& finding : xref.Findings()) {
        for (const GridPos& place : finding.places) {
            fuzz::Require(OnGrid(program, place.line, place.column), "findings on the grid");
        }
    }
    const CrossReference again = CrossReference::Build(program);
    fuzz::Require(again.Uses().size() == xref.Uses().size() &&
                      again.Findings().size() == xref.Findings().size(),
                  "the same table each time");
    return 0;
}
