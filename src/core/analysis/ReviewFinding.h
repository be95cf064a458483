#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/Language.h"
#include "model/SelectionState.h"

namespace rungpad {

// One thing a reviewer of a ladder program would question.
struct ReviewFinding {
    enum class Kind : std::uint8_t {
        kMultipleWriters,   // an address written in more than one place
        kReadNeverWritten,  // an R or K relay read by contacts and written nowhere
        kWrittenNeverRead,  // an R or K relay written and read nowhere
        kNumberUsedTwice,   // a timer or counter number held by more than one box
        kConstantTooWide,   // a constant above what its box's data length holds (cut when run)
    };

    Kind kind = Kind::kMultipleWriters;
    std::string subject;  // the address, "timer 5", "TMRB timer 5", "counter 5", "constant 300"
    std::vector<GridPos> places;  // the uses concerned, in program order (0-based)
    int operandBytes = 0;         // the data length a constant too wide does not fit

    // "written in more than one place", "read but never written", "written but never read",
    // "used more than once", "does not fit a 1-byte operand".
    // Without a language they are the original texts, as reports, files and scripts read them;
    // with one, what a person reads in the language chosen.
    std::string What() const { return What(Language::Original); }
    std::string What(Language language) const;
    // "R100.1  written in more than one place  at 3:8 7:8": places as 1-based line:column.
    std::string Format() const { return Format(Language::Original); }
    std::string Format(Language language) const;
    // The subject in a language ("timer 5" reads "定时器 5" in Chinese); an address stays.
    std::string Subject(Language language) const;

    friend bool operator==(const ReviewFinding&, const ReviewFinding&) = default;
};

}  // namespace rungpad
