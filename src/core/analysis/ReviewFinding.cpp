#include "analysis/ReviewFinding.h"

#include <array>

#include "model/Messages.h"

namespace rungpad {

std::string ReviewFinding::What(const Language language) const {
    switch (kind) {
        case Kind::kMultipleWriters:
            return std::string(Messages::Text("written in more than one place", language));
        case Kind::kReadNeverWritten:
            return std::string(Messages::Text("read but never written", language));
        case Kind::kWrittenNeverRead:
            return std::string(Messages::Text("written but never read", language));
        case Kind::kNumberUsedTwice:
            return std::string(Messages::Text("used more than once", language));
        case Kind::kConstantTooWide:
            return Messages::Fill(Messages::Text("does not fit a %1-byte operand", language),
                                  {std::to_string(operandBytes)});
    }
    return {};
}

std::string ReviewFinding::Subject(const Language language) const {
    // Longest first: "TMRB timer " before "timer ".
    static constexpr std::array<std::string_view, 4> kNamed = {"TMRB timer %1", "timer %1",
                                                               "counter %1", "constant %1"};
    for (const std::string_view named : kNamed) {
        const std::string_view head = named.substr(0, named.size() - 2);
        if (subject.starts_with(head)) {
            return Messages::Fill(Messages::Text(named, language), {subject.substr(head.size())});
        }
    }
    return subject;
}

std::string ReviewFinding::Format(const Language language) const {
    std::string text = Subject(language);
    text += "  ";
    text += What(language);
    text += Messages::Text("  at", language);
    for (const GridPos& place : places) {
        text += ' ';
        text += std::to_string(place.line + 1);
        text += ':';
        text += std::to_string(place.column + 1);
    }
    return text;
}

}  // namespace rungpad
