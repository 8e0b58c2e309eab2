#include "cli/GrowthArgs.h"

#include <cmath>

#include "core/Format.h"
#include "core/NumberText.h"
#include "core/ProjectCompanion.h"

namespace orvane::cli {

namespace {

bool IsOption(const std::string& word, std::string_view name)
{
    return word == name || (word.size() > name.size() && word.compare(0, name.size(), name) == 0 &&
                            word[name.size()] == '=');
}

}  // namespace

std::string GrowthLawNames(bool withProject)
{
    std::string names = withProject ? "project" : "";
    for (GrowthLaw law : AllGrowthLaws())
        names += (names.empty() ? "" : ", ") + GrowthLawName(law);
    return names;
}

bool ReadGrowthOption(const Args& args, std::size_t& i, GrowthArgs& growth, std::string& error)
{
    std::string value;
    if (IsOption(args[i], "--growth")) {
        growth.lawGiven = true;
        if (!OptionValue(args, i, "--growth", value)) {
            error = "--growth needs a law (" + GrowthLawNames() + ")";
        } else if (value != "project") {
            growth.law = GrowthLawFromName(value);
            if (!growth.law)
                error = "--growth takes " + GrowthLawNames() + ", not '" + value + "'";
        }
        return true;
    }
    if (IsOption(args[i], "--duration-h")) {
        growth.durationGiven = true;
        double hours = 0.0;
        if (!OptionValue(args, i, "--duration-h", value))
            error = "--duration-h needs a number of hours";
        else if (value == "none")
            growth.durationH.reset();
        else if (ParseReal(value, hours) && std::isfinite(hours) && hours > 0.0)
            growth.durationH = hours;
        else
            error = "--duration-h takes a positive number of hours or none, not '" + value + "'";
        return true;
    }
    return false;
}

GrowthOptions ResolveGrowth(const std::string& projectPath, const GrowthArgs& growth)
{
    ProjectCompanion companion;
    companion.Load(projectPath);  // its message goes to stderr through the sink
    GrowthOptions options = companion.growth;
    if (growth.lawGiven)
        options.law = growth.law;
    if (growth.durationGiven)
        options.durationH = growth.durationH;
    return options;
}

std::string GrowthOptionsText(const GrowthOptions& options)
{
    std::string text = options.law ? GrowthLawName(*options.law) : std::string("project method");
    if (options.durationH)
        text += Format(", %g h", *options.durationH);
    return text;
}

}  // namespace orvane::cli
