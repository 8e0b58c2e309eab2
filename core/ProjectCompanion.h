#pragma once
// The project companion file NAME.WDT.json: the settings the fixed 72,300-byte
// project record cannot hold, beside the project file.
//
// UTF-8 JSON, one object of sections. Keys (every one optional; an absent
// key, section or file means the default):
//   "wind":   "observed_speed"  number, the last observation typed, in observed_unit
//             "observed_unit"   "m/s", "km/h", "mph", "knots", "ft/s" (default "m/s")
//             "height_m"        anemometer height, m (default 10)
//             "averaging_s"     averaging time of the observation, s (default 3600)
//             "exposure"        "water", "shore", "land" (default "water")
//             "delta_t_c"       air minus water temperature, degrees C (default: unknown)
//   "growth": "law"             a GrowthLawName (default: the project's significant-wave method)
//             "duration_h"      storm duration, hours (default: unlimited)
//   "climate": "law"            growth law of the wave climate (default: the project's method)
//             "sectors"         direction sectors: 8, 12, 16 or 36 (default 16)
//             "threshold_m"     storm-peak threshold, m (default: about 3 peaks a year)
//             "shift_deg"       a wind shift above this restarts the sea, degrees (default 45)
//             "calm_ms"         U10 below this is a calm, m/s (default 1)
//             "class_m"         Hs class width of the occurrence table, m (default 0.25)
//   "crs":    the coordinate system of the project's coordinates, "EPSG:N" or
//             WKT text (default: none; bearings are then grid bearings)
//   "pad":    "background"      what the drawing pad shows under the drawing (default: nothing):
//               "file"          the picture or GIS file, UTF-8; a relative name lies beside the project
//               "kind"          "raster" (placed by its own georeferencing), "image" (placed by
//                               "placement") or "layer" (a GIS vector layer) (default "raster")
//               "placement"     kind "image": [column1, row1, x1, y1, column2, row2, x2, y2], two
//                               picture positions (pixels from its top-left corner) and the world
//                               points in the project's unit they lie on
//               "opacity"       0 to 1 (default 0.5)
// Keys and sections this program does not know are kept, in their places,
// when the file is written back. A file that is not such JSON is reported
// once (through the message sink) and ignored; a known key with a value
// that makes no sense is named in the same message and its default used.
//
// A section is a struct with Read and Write below and one line in each of
// ProjectCompanion's reader and writer, so later settings join cheaply.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/ClimateHindcast.h"
#include "core/GrowthLaws.h"
#include "core/Json.h"
#include "core/Outcome.h"
#include "core/WindAdjust.h"

namespace orvane {

struct WindSettings {
    std::optional<double> observedSpeed;  // in observedUnit
    SpeedUnit observedUnit = SpeedUnit::MetresPerSecond;
    double heightM = kReferenceHeightM;
    double averagingS = kOneHourS;
    Exposure exposure = Exposure::OverWater;
    std::optional<double> airMinusWaterC;

    bool operator==(const WindSettings&) const = default;
};

// law and duration_h of the "growth" section.
using GrowthSettings = GrowthOptions;

// The "pad" section: the drawing pad's background.
enum class PadBackgroundKind { Raster, Image, Layer };
const char* PadBackgroundKindName(PadBackgroundKind kind);
std::optional<PadBackgroundKind> PadBackgroundKindFromName(const std::string& name);

struct PadBackgroundSetting {
    std::string file;
    PadBackgroundKind kind = PadBackgroundKind::Raster;
    std::array<double, 8> placement {};  // kind Image only
    double opacity = 0.5;
    bool operator==(const PadBackgroundSetting&) const = default;
};

struct PadSettings {
    std::optional<PadBackgroundSetting> background;
    bool operator==(const PadSettings&) const = default;
};

class ProjectCompanion {
public:
    // "Bay.WDT" -> "Bay.WDT.json".
    static std::string PathFor(const std::string& projectPath);

    enum class LoadState { Absent, Loaded, Damaged };

    // Reads the companion of projectPath; absent means defaults. A damaged
    // file, or known keys with values that make no sense, are said in one
    // warning through the message sink; the file is never changed here.
    LoadState Load(const std::string& projectPath);

    // The same from text: "" when it was read; else why not (the settings
    // are then the defaults), or the values that were ignored.
    std::string ReadText(std::string_view text);
    // The file as it would be written: sections in their order, unknown
    // keys where they were, known keys only when they differ from the default.
    std::string Text() const;
    // Anything to write: settings that differ from the defaults, or keys
    // this program does not know.
    bool HoldsSomething() const;

    // Writes the companion of projectPath atomically (a temporary file
    // beside it, then a rename: a failed save keeps the old file) when it
    // holds something or a companion is already there; a damaged file that
    // was read and whose settings were not changed since is left as it is.
    // A success when done (or nothing was to be done), else why not.
    Outcome Save(const std::string& projectPath) const;

    WindSettings wind;
    GrowthSettings growth;
    ClimateSettings climate;
    std::string crs;  // "EPSG:N" or WKT; "" when the project has no coordinate system (CrsText)
    PadSettings pad;

private:
    JsonValue root_ = JsonValue::Object();  // as read: unknown keys live here
    bool damaged_ = false;
    WindSettings loadedWind_;
    GrowthSettings loadedGrowth_;
    ClimateSettings loadedClimate_;
    std::string loadedCrs_;
    PadSettings loadedPad_;
};

// A coordinate system as the companion file keeps it: "EPSG:N" (any case,
// blanks around it, N a whole number up to 8 digits) as "EPSG:N", or WKT
// text (a WKT 1 or 2 keyword, then "[" or "(") as given, trimmed. Empty when
// the text is neither. Whether the system is known and projected is for the
// GIS module to say.
std::string CrsText(std::string_view text);

// Saves a project and its companion (the companion after the project, so a
// project that could not be written leaves both files as they were). A
// failure carries the first reason.
struct ProjectRecord;
Outcome WriteProjectAndCompanion(const ProjectRecord& rec, const ProjectCompanion& companion,
                                 const std::string& projectPath);

}  // namespace orvane
