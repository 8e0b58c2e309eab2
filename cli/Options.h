#pragma once
// The words of a command, split into options and the rest by one rule for
// every command:
//   - a word that starts with "-" is an option, unless it is "-" alone or a
//     number ("-12.5"); options are written "--name", "--name VALUE" or
//     "--name=VALUE", anywhere among the other words;
//   - "--" ends the options: every word after it is a plain word (a file
//     whose name starts with "-");
//   - an option the command does not know, one written with a single dash,
//     a value missing, or a value given to an option that takes none, is a
//     usage error.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/Cli.h"

namespace orvane::cli {

struct OptionRule {
    std::string_view name;  // with its dashes: "--seed"
    bool takesValue = false;
};

struct ParsedOptions {
    Args words;                                                   // every word that is no option, in order
    std::vector<std::pair<std::string_view, std::string>> given;  // option names and values, in order
    std::string error;  // why the words are no valid use of the command; empty when they are

    bool Has(std::string_view name) const;
    // The value the option was given last; nullptr when it was not given.
    const std::string* Value(std::string_view name) const;
};

ParsedOptions ParseOptions(const Args& args, std::initializer_list<OptionRule> rules);

}  // namespace orvane::cli
