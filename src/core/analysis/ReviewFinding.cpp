#include "analysis/ReviewFinding.h"

namespace rungpad {

std::string ReviewFinding::What() const {
    switch (kind) {
        case Kind::kMultipleWriters:
            return "written in more than one place";
        case Kind::kReadNeverWritten:
            return "read but never written";
        case Kind::kWrittenNeverRead:
            return "written but never read";
        case Kind::kNumberUsedTwice:
            return "used more than once";
        case Kind::kConstantTooWide:
            return "does not fit a " + std::to_string(operandBytes) + "-byte operand";
    }
    return {};
}

std::string ReviewFinding::Format() const {
    std::string text = subject;
    text += "  ";
    text += What();
    text += "  at";
    for (const GridPos& place : places) {
        text += ' ';
        text += std::to_string(place.line + 1);
        text += ':';
        text += std::to_string(place.column + 1);
    }
    return text;
}

}  // namespace rungpad
