#include "cli/GrowthArgs.h"

#include <cmath>

#include "core/Format.h"
#include "core/NumberText.h"
#include "core/ProjectCompanion.h"

namespace orvane::cli {

std::string GrowthLawNames(bool withProject)
{
    std::string names = withProject ? "project" : "";
    for (GrowthLaw law : AllGrowthLaws())
        names += (names.empty() ? "" : ", ") + GrowthLawName(law);
    return names;
}

bool ReadGrowthOptions(const ParsedOptions& options, GrowthArgs& growth, std::string& error)
{
    if (const std::string* value = options.Value(kGrowthOption.name)) {
        growth.lawGiven = true;
        if (*value != "project") {
            growth.law = GrowthLawFromName(*value);
            if (!growth.law) {
                error = "--growth takes " + GrowthLawNames() + ", not '" + *value + "'";
                return false;
            }
        }
    }
    if (const std::string* value = options.Value(kDurationOption.name)) {
        growth.durationGiven = true;
        double hours = 0.0;
        if (*value == "none") {
            growth.durationH.reset();
        } else if (ParseReal(*value, hours) && std::isfinite(hours) && hours > 0.0) {
            growth.durationH = hours;
        } else {
            error = "--duration-h takes a positive number of hours or none, not '" + *value + "'";
            return false;
        }
    }
    return true;
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
