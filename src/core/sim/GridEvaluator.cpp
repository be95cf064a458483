#include "sim/GridEvaluator.h"

#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"
#include "model/PlcAddress.h"
#include "sim/SignalMemory.h"

namespace rungpad {

namespace {

constexpr int kOutputColumn = 7;

bool BitOf(const LadCell& cell, const SignalMemory& memory) {
    const EncodedAddress address = PlcAddress::EncodeAddress(cell.Text());
    return memory.Bit(address.operand, address.mask);
}

bool Conducts(const LadCell& cell, const SignalMemory& memory) {
    switch (cell.code) {
        case Element::kHLine:
            return true;
        case Element::kNoContact:
            return BitOf(cell, memory);
        case Element::kNcContact:
            return !BitOf(cell, memory);
        default:
            return false;
    }
}

// A line is joined to the next by a vertical link in any of columns 0-6.
bool JoinsNext(const LadLine& line) {
    for (int c = 0; c < kOutputColumn; ++c) {
        if (line.cells[static_cast<std::size_t>(c)].HasLink()) {
            return true;
        }
    }
    return false;
}

bool HoldsBox(const LadLine& line) {
    for (const LadCell& cell : line.cells) {
        if (Element::IsBoxCell(cell.code)) {
            return true;
        }
    }
    return false;
}

// Power flow through lines first..last, left to right, column by column.
void EvaluateNetwork(const LadProgram& program, const SignalMemory& memory, int first, int last,
                     std::vector<LinePower>& power) {
    const int count = last - first + 1;
    std::vector<bool> node(static_cast<std::size_t>(count), true);  // the left rail
    for (int c = 0; c < kOutputColumn; ++c) {
        for (int i = 0; i < count; ++i) {
            const LadCell& cell = program.Line(first + i).cells[static_cast<std::size_t>(c)];
            CellPower& p = power[static_cast<std::size_t>(first + i)][static_cast<std::size_t>(c)];
            p.left = node[static_cast<std::size_t>(i)];
            p.closed = Conducts(cell, memory);
            node[static_cast<std::size_t>(i)] = p.left && p.closed;
        }
        // Links in column c join the right edges of runs of lines.
        for (int i = 0; i < count;) {
            int end = i;
            bool on = node[static_cast<std::size_t>(i)];
            while (end + 1 < count &&
                   program.Line(first + end).cells[static_cast<std::size_t>(c)].HasLink()) {
                ++end;
                on = on || node[static_cast<std::size_t>(end)];
            }
            for (int k = i; k <= end; ++k) {
                node[static_cast<std::size_t>(k)] = on;
                power[static_cast<std::size_t>(first + k)][static_cast<std::size_t>(c)].right = on;
            }
            i = end + 1;
        }
    }
    for (int i = 0; i < count; ++i) {
        CellPower& coil = power[static_cast<std::size_t>(first + i)][kOutputColumn];
        coil.left = coil.right = node[static_cast<std::size_t>(i)];
        const std::uint16_t code = program.Line(first + i).cells[kOutputColumn].code;
        coil.closed = code == Element::kCoil ? coil.left : code == Element::kNegCoil && !coil.left;
    }
}

// Right of a box that drives a coil, power is the box's output as the coil holds it.
void ShowBoxOutput(const LadProgram& program, const SignalMemory& memory, int line,
                   LinePower& power) {
    const LadLine& cells = program.Line(line);
    for (int c = 0; c < kOutputColumn; ++c) {
        const LadCell& cell = cells.cells[static_cast<std::size_t>(c)];
        const FuncInstr* instr = FuncInstrTable::FindFunctionCode(cell.code);
        if (instr == nullptr || cell.code != instr->code) {
            continue;
        }
        for (int k = c; k < c + instr->width && k < kOutputColumn; ++k) {
            power[static_cast<std::size_t>(k)].closed = false;
            power[static_cast<std::size_t>(k)].right = false;
        }
        const LadCell& coil = cells.cells[kOutputColumn];
        if (!Element::IsCoil(coil.code)) {
            return;
        }
        const bool on = BitOf(coil, memory) != (coil.code == Element::kNegCoil);
        for (int k = c + instr->width; k <= kOutputColumn; ++k) {
            power[static_cast<std::size_t>(k)] = {on, on, on};
        }
        return;
    }
}

// The networks of program in order: runs of lines joined by vertical links.
template <typename Visit>
void ForEachNetwork(const LadProgram& program, Visit visit) {
    for (int first = 0; first < program.LineCount();) {
        int last = first;
        bool box = HoldsBox(program.Line(first));
        while (last + 1 < program.LineCount() && JoinsNext(program.Line(last))) {
            ++last;
            box = box || HoldsBox(program.Line(last));
        }
        visit(first, last, box);
        first = last + 1;
    }
}

}  // namespace

std::vector<LinePower> GridEvaluator::Evaluate(const LadProgram& program,
                                               const SignalMemory& memory) {
    std::vector<LinePower> power(static_cast<std::size_t>(program.LineCount()));
    ForEachNetwork(program, [&](int first, int last, bool box) {
        EvaluateNetwork(program, memory, first, last, power);
        if (!box) {
            return;
        }
        for (int line = first; line <= last; ++line) {
            ShowBoxOutput(program, memory, line, power[static_cast<std::size_t>(line)]);
        }
    });
    return power;
}

void GridEvaluator::RunCoilNetworks(const LadProgram& program, SignalMemory& memory) {
    std::vector<LinePower> power(static_cast<std::size_t>(program.LineCount()));
    ForEachNetwork(program, [&](int first, int last, bool box) {
        if (box) {
            return;
        }
        EvaluateNetwork(program, memory, first, last, power);
        for (int line = first; line <= last; ++line) {
            const LadCell& coil = program.Line(line).cells[kOutputColumn];
            if (!Element::IsCoil(coil.code)) {
                continue;
            }
            const EncodedAddress address = PlcAddress::EncodeAddress(coil.Text());
            const bool on = power[static_cast<std::size_t>(line)][kOutputColumn].left;
            memory.WriteBit(address.operand, address.mask, coil.code == Element::kCoil ? on : !on);
        }
    });
}

}  // namespace rungpad
