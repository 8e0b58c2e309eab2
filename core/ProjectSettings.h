#pragma once
// Project settings given as KEY=VALUE words, for preparing a project without
// the window: the title, the point, the wind, the depth, the units and the
// three methods, and the keys of the companion file ("wind.height_m",
// "growth.law", ...; ProjectCompanion.h). Each key is one row of a table
// (SettingKeys), so new keys are new rows.
//
// The words are applied all or nothing: any unknown key, unreadable value or
// contradiction leaves the record as it was. When every word is good, the
// window's commit rules follow (ClampInputs, ClampMethodCodes) and every
// value they changed is named. Units are codes only: changing one relabels
// the stored numbers and converts nothing, as in the window.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/CrsService.h"
#include "core/ProjectCompanion.h"
#include "core/ProjectRecord.h"

namespace orvane {

// What a setter may change. A struct, so that keys of other project files
// can join it without changing every setter.
struct SettingTarget {
    ProjectRecord& record;
    ProjectCompanion* companion = nullptr;  // keys with a "." need it
    // Coordinate systems (the GIS module): crs checks its value with it,
    // point_lonlat transforms with it, and bearing reads true bearings
    // through it where the project names a coordinate system.
    const CrsService* crs = nullptr;
};

struct SettingKey {
    std::string_view name;    // lower case; words match it in any letter case
    std::string_view field;   // keys that set the same field may not be given together
    std::string_view values;  // what the value may be, for messages and usage
    // Sets the value; "" on success, otherwise why the value cannot be read.
    std::string (*apply)(SettingTarget& target, std::string_view value);
    // The value as the project now stores it.
    std::string (*show)(const SettingTarget& target);
};

std::span<const SettingKey> SettingKeys();

struct SettingsOutcome {
    std::vector<std::string> errors;  // one per bad word; the record is unchanged when any
    std::vector<std::string> notes;   // values the commit rules changed ("sector 200 -> 180"), a cut title
    std::vector<std::string> shown;   // "key = stored value" for each word, in the order applied
    bool Ok() const { return errors.empty(); }
};

// Applies "KEY=VALUE" words to rec and companion (see the top of this
// file). Without a companion its keys are refused. The words that fix the
// place (crs, point, point_lonlat) are applied first, so a bearing given
// with them is read at the new point in the new system.
SettingsOutcome ApplySettings(ProjectRecord& rec, ProjectCompanion* companion, std::span<const std::string> words,
                              const CrsService* crs = nullptr);
SettingsOutcome ApplySettings(ProjectRecord& rec, std::span<const std::string> words);

}  // namespace orvane
