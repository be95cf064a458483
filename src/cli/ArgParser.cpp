#include "ArgParser.h"
#include "model/Messages.h"

#include <utility>

namespace rungpad::cli {

namespace {

bool LooksLikeOption(const std::string& arg) {
    return arg.starts_with("--");
}

}  // namespace

void ArgParser::AddSwitch(std::string_view name, bool& on) {
    m_options.push_back({std::string(name), &on, {}, {}, EmptyValue::kAllowed});
}

void ArgParser::AddValue(std::string_view name, std::string_view needs, Take take,
                         EmptyValue empty) {
    m_options.push_back({std::string(name), nullptr, std::string(needs), std::move(take), empty});
}

ArgParser::Outcome ArgParser::TakeOption(const std::vector<std::string>& args, std::size_t& at,
                                         std::string& problem) const {
    const std::string& arg = args[at];
    for (const Option& option : m_options) {
        if (option.name != arg) {
            continue;
        }
        if (option.on) {
            *option.on = true;
            return Outcome::kTaken;
        }
        if (at + 1 >= args.size() ||
            (option.empty == EmptyValue::kMissing && args[at + 1].empty())) {
            problem = Messages::Format("%1 needs %2", {arg, Messages::Text(option.needs)});
            return Outcome::kRefused;
        }
        return option.take(args[++at], problem) ? Outcome::kTaken : Outcome::kRefused;
    }
    return Outcome::kNotAnOption;
}

bool ArgParser::Walk(const std::vector<std::string>& args, const Operand& operand,
                     std::string& problem) const {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Outcome outcome = TakeOption(args, i, problem);
        if (outcome == Outcome::kRefused ||
            (outcome == Outcome::kNotAnOption && !operand(args[i], problem))) {
            return false;
        }
    }
    return true;
}

bool ArgParser::ParseFile(const std::vector<std::string>& args, std::string& file,
                          std::string& problem) const {
    const auto takeFile = [&file](const std::string& arg, std::string& why) {
        // An empty FILE counts as none given, so a later one still takes its place.
        if (LooksLikeOption(arg) || !file.empty()) {
            why = Messages::Format("unexpected argument '%1'", {arg});
            return false;
        }
        file = arg;
        return true;
    };
    if (!Walk(args, takeFile, problem)) {
        return false;
    }
    if (file.empty()) {
        problem = Messages::Text("expects a FILE");
        return false;
    }
    return true;
}

bool ArgParser::ParseOperands(const std::vector<std::string>& args,
                              std::vector<std::string>& operands, std::string& problem) const {
    const auto takeOperand = [&operands](const std::string& arg, std::string& why) {
        if (LooksLikeOption(arg)) {
            why = Messages::Format("unknown option %1", {arg});
            return false;
        }
        operands.push_back(arg);
        return true;
    };
    return Walk(args, takeOperand, problem);
}

}  // namespace rungpad::cli
