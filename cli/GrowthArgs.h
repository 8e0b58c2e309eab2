#pragma once
// The growth options the computing commands share: "--growth LAW" and
// "--duration-h H", over the growth section of the project's companion file.

#include <optional>
#include <string>

#include "cli/Cli.h"
#include "cli/Options.h"
#include "core/GrowthLaws.h"

namespace orvane::cli {

struct GrowthArgs {
    bool lawGiven = false;
    std::optional<GrowthLaw> law;  // empty with lawGiven: "project", the significant-wave method
    bool durationGiven = false;
    std::optional<double> durationH;  // empty with durationGiven: "none"
};

// The two options, for ParseOptions (cli/Options.h).
inline constexpr OptionRule kGrowthOption {"--growth", true};
inline constexpr OptionRule kDurationOption {"--duration-h", true};

// The growth options among the parsed ones. A value that cannot be read
// gives false, with error saying why.
bool ReadGrowthOptions(const ParsedOptions& options, GrowthArgs& growth, std::string& error);

// The run's options: the project's companion file (a damaged one is said on
// stderr and ignored), with what the options give in its place.
GrowthOptions ResolveGrowth(const std::string& projectPath, const GrowthArgs& growth);

// The usage words of the two options and the names of the laws.
inline constexpr const char* kGrowthUsage = "[--growth LAW] [--duration-h H]";
// "project, bretschneider, ..."; without "project" when withProject is false.
std::string GrowthLawNames(bool withProject = true);

// A law and duration as the commands print them: "cem, 2 h" or "project method".
std::string GrowthOptionsText(const GrowthOptions& options);

}  // namespace orvane::cli
