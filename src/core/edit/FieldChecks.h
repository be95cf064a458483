#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rungpad {

// The field checks of the small dialogs (go to line, insert line, select lines, ladder
// information) with the program's standard messages. Each check gives the value, or the message
// to show while the dialog stays open with the failing field focused.
class FieldChecks {
  public:
    static constexpr std::string_view kNotInteger = "请键入一个整数。";
    static constexpr std::string_view kNotUnsigned = "“请填入一个正整数。”";

    struct Result {
        bool ok = false;
        long long value = 0;
        std::string message;  // empty when ok
    };

    // A whole decimal number, optionally signed, blanks around it allowed; empty fails.
    static Result Integer(std::string_view text);
    // A whole decimal number without sign.
    static Result Unsigned(std::string_view text);
    // Either of the above, then the range lo to hi.
    static Result IntegerInRange(std::string_view text, long long lo, long long hi);
    static Result UnsignedInRange(std::string_view text, long long lo, long long hi);
    // A text of at most maxChars characters (UTF-8 text, counted in characters).
    static Result TextLength(std::string_view text, std::size_t maxChars);

    static std::string RangeMessage(long long lo, long long hi);
    static std::string LengthMessage(std::size_t maxChars);

    // The dialogs' OK checks; on failure field gives the index of the failing field in the
    // dialog's order of fields.
    static Result GoLine(std::string_view lineText);
    static Result InsertLineCount(std::string_view countText);
    // Start and end line; field 0 start, 1 end.
    static Result SelectedLines(std::string_view startText, std::string_view endText, int& field,
                                long long& start, long long& end);
    // The ladder information texts, checked person first, then version and machine tool; field
    // 0 version, 1 machine tool, 2 person.
    static Result LadInfo(std::string_view version, std::string_view machine,
                          std::string_view person, int& field);
};

}  // namespace rungpad
