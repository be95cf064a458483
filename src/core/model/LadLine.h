#pragma once

#include <array>

#include "model/LadCell.h"

namespace rungpad {

// One line of the ladder grid: eight cells, column 7 being the output column. The line note is
// held by the program's note slot of the same index, so it moves with the line.
struct LadLine {
    static constexpr int kColumns = 8;
    static constexpr int kOutputColumn = 7;

    std::array<LadCell, kColumns> cells{};

    LadCell& Cell(int column) { return cells.at(static_cast<std::size_t>(column)); }
    const LadCell& Cell(int column) const { return cells.at(static_cast<std::size_t>(column)); }

    friend bool operator==(const LadLine&, const LadLine&) = default;
};

}  // namespace rungpad
