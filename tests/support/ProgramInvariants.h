#pragma once

// The structural invariants every editing operation keeps: the line count within its limits,
// every line slot owned by its own line, every function box complete (each box cell belongs to a
// box whose cells are all in place), every CODT table whole with consistent line numbers and
// counts, and every box number in use marked in the converter.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <utility>

#include "convert/LadConvert.h"
#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"
#include "undo/NumberParameters.h"

namespace rungpad::test {

class ProgramInvariants {
  public:
    static ::testing::AssertionResult Check(const LadProgram& program, const CLadConvert& convert) {
        std::ostringstream why;
        if (!CheckLines(program, why) || !CheckBoxes(program, why) || !CheckTables(program, why) ||
            !CheckNumbers(program, convert, why)) {
            return ::testing::AssertionFailure() << why.str();
        }
        return ::testing::AssertionSuccess();
    }

  private:
    static bool CheckLines(const LadProgram& program, std::ostringstream& why) {
        if (program.LineCount() < 1 || program.LineCount() > LadProgram::kMaxLines) {
            why << "line count " << program.LineCount();
            return false;
        }
        std::set<const LadLine*> seen;
        for (int i = 0; i < program.LineCount(); ++i) {
            if (!seen.insert(&program.Line(i)).second) {
                why << "line " << i << " shares its line with another slot";
                return false;
            }
        }
        return true;
    }

    static bool CheckBoxes(const LadProgram& program, std::ostringstream& why) {
        for (int line = 0; line < program.LineCount(); ++line) {
            for (int column = 0; column < LadLine::kColumns; ++column) {
                const std::uint16_t code = program.Cell(column, line).code;
                if (!Element::IsBoxCell(code) || Element::IsCodt(code)) {
                    continue;
                }
                const FuncInstr* f = FuncInstrTable::FindFunctionCode(code);
                const int r = Element::BoxRow(code);
                const int j = Element::BoxColumn(code);
                if (f == nullptr || r >= f->height || j >= f->width || line - r < 0 ||
                    column - j < 0 || program.Cell(column - j, line - r).code != f->code) {
                    why << "box cell 0x" << std::hex << code << std::dec << " at (" << column
                        << ", " << line << ") belongs to no box";
                    return false;
                }
                if (r == 0 && j == 0 && !BoxComplete(program, *f, column, line, why)) {
                    return false;
                }
            }
        }
        return true;
    }

    static bool BoxComplete(const LadProgram& program, const FuncInstr& f, int column, int line,
                            std::ostringstream& why) {
        for (int r = 0; r < f.height; ++r) {
            for (int j = 0; j < f.width; ++j) {
                if (!program.IsValidLine(line + r) || column + j >= LadLine::kColumns ||
                    program.Cell(column + j, line + r).code != f.code + 16 * r + j) {
                    why << f.name << " box at (" << column << ", " << line << ") misses row " << r
                        << " column " << j;
                    return false;
                }
            }
        }
        return true;
    }

    // Tables are whole: each starts with its line 0 and has as many lines as its cells say.
    // (Copied table lines may be pasted anywhere, so a table need not follow a COD box.)
    static bool CheckTables(const LadProgram& program, std::ostringstream& why) {
        int line = 0;
        while (line < program.LineCount()) {
            if (!Element::IsCodt(program.Cell(0, line).code)) {
                ++line;
                continue;
            }
            const int count = program.Cell(0, line).codtCount;
            if (count < 1) {
                why << "CODT table at line " << line << " has no line count";
                return false;
            }
            for (int r = 0; r < count; ++r) {
                for (int c = 0; c < LadLine::kColumns; ++c) {
                    if (!program.IsValidLine(line + r) ||
                        program.Cell(c, line + r).code != Element::kCodt + 16 * r + c ||
                        program.Cell(c, line + r).codtCount != count) {
                        why << "CODT table at line " << line << " broken at row " << r;
                        return false;
                    }
                }
            }
            line += count;
        }
        return true;
    }

    // The registry a number parameter claims in (TMR and TMRC share one, DIFU and DIFD too).
    static int RegistryOf(std::uint16_t code) {
        switch (code) {
            case 0x4202:
                return 0x1901;
            case 0x2801:
                return 0x2701;
            default:
                return code;
        }
    }

    // Every number a box holds is claimed. A number held twice (lines copied and pasted) is left
    // to the conversion to report: deleting one of the two may free it.
    static bool CheckNumbers(const LadProgram& program, const CLadConvert& convert,
                             std::ostringstream& why) {
        std::map<std::pair<int, int>, int> holders;
        for (int line = 0; line < program.LineCount(); ++line) {
            for (const LadCell& cell : program.Line(line).cells) {
                if (IsNumberParameter(cell.code) && cell.number >= 0) {
                    ++holders[{RegistryOf(cell.code), cell.number}];
                }
            }
        }
        for (int line = 0; line < program.LineCount(); ++line) {
            for (const LadCell& cell : program.Line(line).cells) {
                if (IsNumberParameter(cell.code) && cell.number >= 0 &&
                    holders[{RegistryOf(cell.code), cell.number}] == 1 &&
                    !convert.IsNumberInUse(cell.code, cell.number)) {
                    why << "number " << cell.number << " of 0x" << std::hex << cell.code << std::dec
                        << " on line " << line << " is not claimed";
                    return false;
                }
            }
        }
        return true;
    }
};

}  // namespace rungpad::test
