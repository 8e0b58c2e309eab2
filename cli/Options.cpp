#include "cli/Options.h"

#include <cctype>

namespace orvane::cli {

namespace {

bool LooksLikeOption(const std::string& word)
{
    if (word.size() < 2 || word[0] != '-')
        return false;
    const unsigned char next = static_cast<unsigned char>(word[1]);
    return !(std::isdigit(next) || next == '.');  // "-5", "-0.5" are numbers
}

}  // namespace

bool ParsedOptions::Has(std::string_view name) const { return Value(name) != nullptr; }

const std::string* ParsedOptions::Value(std::string_view name) const
{
    const std::string* found = nullptr;
    for (const auto& [given_name, value] : given)
        if (given_name == name)
            found = &value;
    return found;
}

ParsedOptions ParseOptions(const Args& args, std::initializer_list<OptionRule> rules)
{
    ParsedOptions parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || !LooksLikeOption(word)) {
            parsed.words.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string_view name = std::string_view(word).substr(0, equals);
        const OptionRule* rule = nullptr;
        for (const OptionRule& s : rules)
            if (s.name == name)
                rule = &s;
        if (rule == nullptr || word.rfind("--", 0) != 0) {
            parsed.error = "unknown option " + word;
            return parsed;
        }
        std::string value;
        if (equals != std::string::npos) {
            if (!rule->takesValue) {
                parsed.error = std::string(rule->name) + " takes no value";
                return parsed;
            }
            value = word.substr(equals + 1);
        } else if (rule->takesValue) {
            if (i + 1 >= args.size()) {
                parsed.error = std::string(rule->name) + " needs a value";
                return parsed;
            }
            value = args[++i];
        }
        parsed.given.emplace_back(rule->name, std::move(value));
    }
    return parsed;
}

}  // namespace orvane::cli
