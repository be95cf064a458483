#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/SelectionState.h"

namespace rungpad {

// One thing a reviewer of a ladder program would question.
struct ReviewFinding {
    enum class Kind : std::uint8_t {
        kMultipleWriters,   // an address written in more than one place
        kReadNeverWritten,  // an R or K relay read by contacts and written nowhere
        kWrittenNeverRead,  // an R or K relay written and read nowhere
        kNumberUsedTwice,   // a timer or counter number held by more than one box
    };

    Kind kind = Kind::kMultipleWriters;
    std::string subject;          // the address, or "timer 5", "TMRB timer 5", "counter 5"
    std::vector<GridPos> places;  // the uses concerned, in program order (0-based)

    // "written in more than one place", "read but never written", "written but never read",
    // "used more than once".
    std::string_view What() const;
    // "R100.1  written in more than one place  at 3:8 7:8": places as 1-based line:column.
    std::string Format() const;

    friend bool operator==(const ReviewFinding&, const ReviewFinding&) = default;
};

}  // namespace rungpad
