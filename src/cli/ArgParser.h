#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rungpad::cli {

// The arguments of a command: its own options, each a switch or taking the next argument as its
// value, between the file names. Parsing stops at the first problem and says what it was.
class ArgParser {
  public:
    // Takes an option's value; false with problem set refuses it.
    using Take = std::function<bool(const std::string& value, std::string& problem)>;
    // Whether an empty value counts as given (an empty file name rarely does).
    enum class EmptyValue { kAllowed, kMissing };

    void AddSwitch(std::string_view name, bool& on);
    // Without a value (or with an empty one that counts as missing) the problem is
    // "NAME needs NEEDS".
    void AddValue(std::string_view name, std::string_view needs, Take take,
                  EmptyValue empty = EmptyValue::kAllowed);
    // Stores the value as it is.
    template <typename Target>
    void AddValue(std::string_view name, std::string_view needs, Target& target,
                  EmptyValue empty = EmptyValue::kAllowed) {
        AddValue(
            name, needs,
            [&target](const std::string& value, std::string&) {
                target = value;
                return true;
            },
            empty);
    }

    // FILE among the options: any other "--" argument or a second file is "unexpected
    // argument 'ARG'", none is "expects a FILE".
    bool ParseFile(const std::vector<std::string>& args, std::string& file,
                   std::string& problem) const;
    // Any number of operands among the options; any other "--" argument is "unknown option ARG".
    bool ParseOperands(const std::vector<std::string>& args, std::vector<std::string>& operands,
                       std::string& problem) const;

  private:
    struct Option {
        std::string name;
        bool* on = nullptr;  // a switch
        std::string needs;
        Take take;
        EmptyValue empty = EmptyValue::kAllowed;
    };
    enum class Outcome { kNotAnOption, kTaken, kRefused };
    using Operand = std::function<bool(const std::string& arg, std::string& problem)>;

    // Handles args[at] when it is one of the options, stepping at over a value.
    Outcome TakeOption(const std::vector<std::string>& args, std::size_t& at,
                       std::string& problem) const;
    // Takes every option; hands each other argument to operand.
    bool Walk(const std::vector<std::string>& args, const Operand& operand,
              std::string& problem) const;

    std::vector<Option> m_options;
};

}  // namespace rungpad::cli
