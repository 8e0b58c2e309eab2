#include "core/ProjectSettings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <utility>

#include "core/BearingReference.h"
#include "core/CommitRules.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Region.h"
#include "core/Text1252.h"
#include "core/Units.h"

namespace orvane {

namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A finite number with "." as decimal separator, within float32 range.
bool ReadNumber(std::string_view text, float& value) { return ParseFloat(Trim(text), value) && std::isfinite(value); }

// Shortest text that reads back as the stored float32.
std::string Shown(float value) { return Format("%.7g", value); }

// The code whose names include value (any letter case); -1 when none does.
struct CodeName {
    std::int32_t code;
    std::string_view name;
};
template <std::size_t N> int CodeOf(const std::array<CodeName, N>& names, std::string_view value)
{
    const std::string key = Lower(Trim(value));
    for (const CodeName& n : names) {
        if (n.name == key)
            return n.code;
    }
    return -1;
}

// The window's list items (VelocityUnitItem, CoordUnitItem) and the short
// forms people write.
constexpr std::array<CodeName, 10> kVelocityNames {{{kVelocityMetresPerSecond, "m/sec"},
                                                    {kVelocityMetresPerSecond, "m/s"},
                                                    {kVelocityKilometresPerHour, "km/hr"},
                                                    {kVelocityKilometresPerHour, "km/h"},
                                                    {kVelocityFeetPerSecond, "ft/sec"},
                                                    {kVelocityFeetPerSecond, "ft/s"},
                                                    {kVelocityMilesPerHour, "m.p.h."},
                                                    {kVelocityMilesPerHour, "m.p.h"},
                                                    {kVelocityMilesPerHour, "mph"},
                                                    {kVelocityMilesPerHour, "mi/h"}}};
constexpr std::array<CodeName, 5> kCoordNames {
    {{kCoordFeet, "ft"}, {kCoordMiles, "miles"}, {kCoordMiles, "mi"}, {kCoordMetres, "m"}, {kCoordKilometres, "km"}}};
constexpr std::array<CodeName, 3> kSignificantNames {
    {{kBretschneider, "bretschneider"}, {kBretschneiderDepth, "bretschneider-depth"}, {kWilson, "wilson"}}};
constexpr std::array<CodeName, 3> kSpectrumNames {
    {{kPiersonMoskowitz, "pm"}, {kPiersonMoskowitz, "pierson-moskowitz"}, {kJonswap, "jonswap"}}};
constexpr std::array<CodeName, 3> kDirectionalNames {
    {{kEffectiveFetch, "effective-fetch"}, {kSaville, "saville"}, {kSeymour, "seymour"}}};

// The first name of a code, as the key's value reads back.
template <std::size_t N> std::string NameOf(const std::array<CodeName, N>& names, std::int32_t code)
{
    for (const CodeName& n : names) {
        if (n.code == code)
            return std::string(n.name);
    }
    return Format("%d (unknown)", code);
}

template <float ProjectRecord::*Member> std::string SetNumber(SettingTarget& t, std::string_view value)
{
    float number = 0;
    if (!ReadNumber(value, number))
        return "not a number";
    t.record.*Member = number;
    return {};
}

template <const auto& Names, std::int32_t ProjectRecord::*Member>
std::string SetCode(SettingTarget& t, std::string_view value)
{
    const int code = CodeOf(Names, value);
    if (code < 0)
        return "not one of the names listed";
    t.record.*Member = code;
    return {};
}

template <const auto& Names, std::int32_t ProjectRecord::*Member> std::string ShowName(const SettingTarget& t)
{
    return NameOf(Names, t.record.*Member);
}

std::string SetTitle(SettingTarget& t, std::string_view value)
{
    // Stored in Windows-1252; a character the code page lacks becomes "?".
    SetTitleBytes(t.record, Utf8ToCp1252(value));
    return {};
}

std::string SetPoint(SettingTarget& t, std::string_view value)
{
    const auto comma = value.find(',');
    float x = 0;
    float y = 0;
    if (comma == std::string_view::npos || !ReadNumber(value.substr(0, comma), x) ||
        !ReadNumber(value.substr(comma + 1), y))
        return "not X,Y";
    t.record.PointX = x;
    t.record.PointY = y;
    return {};
}

constexpr const char* kNeedsCompanion = "a setting of the companion file, which this command does not write";

// Grid bearings, or true ones where the project names a coordinate system.
BearingReference BearingsOf(const SettingTarget& t)
{
    const std::string crs = t.companion ? t.companion->crs : std::string();
    return ProjectBearings(crs, t.record.CoordUnits, t.record.PointX, t.record.PointY, t.crs);
}

std::string SetBearing(SettingTarget& t, std::string_view value)
{
    float bearing = 0;
    if (!ReadNumber(value, bearing))
        return "not a number";
    // 90 - b taken into [0, 360) (after the convergence for a true bearing):
    // the bearing and the stored direction turn into each other by one rule.
    t.record.WindDirection = static_cast<float>(DirectionOfBearing(bearing, BearingsOf(t)));
    return {};
}

std::string SetCrs(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    if (Lower(Trim(value)) == "none") {
        t.companion->crs.clear();
        return {};
    }
    std::string crs = CrsText(value);
    if (crs.empty())
        return "not EPSG:N or WKT text";
    if (t.crs && t.crs->check) {
        if (const std::string why = t.crs->check(crs); !why.empty())
            return "not usable: " + why;
    }
    t.companion->crs = std::move(crs);
    return {};
}

std::string SetPointLonLat(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    const auto comma = value.find(',');
    float lon = 0;
    float lat = 0;
    if (comma == std::string_view::npos || !ReadNumber(value.substr(0, comma), lon) ||
        !ReadNumber(value.substr(comma + 1), lat) || std::fabs(lon) > 180.0f || std::fabs(lat) > 90.0f)
        return "not LON,LAT in degrees";
    if (t.companion->crs.empty())
        return "of no use without the project's coordinate system (set crs=EPSG:N)";
    if (!t.crs || !t.crs->fromLonLat)
        return "of no use without the GIS module, which this program has not loaded";
    double x = 0;
    double y = 0;
    if (const std::string why = t.crs->fromLonLat(t.companion->crs, t.record.CoordUnits, lon, lat, x, y); !why.empty())
        return "not transformable: " + why;
    t.record.PointX = static_cast<float>(x);
    t.record.PointY = static_cast<float>(y);
    return {};
}

// --- keys of the companion file -------------------------------------------

// A number above low (or at least low), or one of the words that clear it.
std::string ReadOptional(std::string_view value, double low, bool openLow, std::string_view clearWord,
                         std::optional<double>& out)
{
    if (Lower(Trim(value)) == clearWord) {
        out.reset();
        return {};
    }
    float number = 0;
    if (!ReadNumber(value, number) || !(openLow ? number > low : number >= low))
        return "not a number in range";
    out = static_cast<double>(number);
    return {};
}

std::string ShowOptional(const std::optional<double>& v, std::string_view clearWord, const char* unit)
{
    return v ? Format("%.7g%s", *v, unit) : std::string(clearWord);
}

template <std::optional<double> WindSettings::*Member>
std::string SetWindOptional(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    return ReadOptional(value, Member == &WindSettings::airMinusWaterC ? -100.0 : 0.0, false,
                        Member == &WindSettings::airMinusWaterC ? "unknown" : "none", t.companion->wind.*Member);
}

template <double WindSettings::*Member> std::string SetWindPositive(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    float number = 0;
    if (!ReadNumber(value, number) || !(number > 0.0f))
        return "not a positive number";
    t.companion->wind.*Member = number;
    return {};
}

std::string SetObservedUnit(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    const std::optional<SpeedUnit> unit = SpeedUnitFromName(Trim(value));
    if (!unit)
        return "not one of the names listed";
    t.companion->wind.observedUnit = *unit;
    return {};
}

std::string SetExposure(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    const std::optional<Exposure> exposure = ExposureFromName(Trim(value));
    if (!exposure)
        return "not one of the names listed";
    t.companion->wind.exposure = *exposure;
    return {};
}

std::string SetGrowthLaw(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    const std::string name = Lower(Trim(value));
    if (name == "project") {
        t.companion->growth.law.reset();
        return {};
    }
    const std::optional<GrowthLaw> law = GrowthLawFromName(name);
    if (!law)
        return "not one of the names listed";
    t.companion->growth.law = law;
    return {};
}

std::string SetDuration(SettingTarget& t, std::string_view value)
{
    if (!t.companion)
        return kNeedsCompanion;
    return ReadOptional(value, 0.0, true, "none", t.companion->growth.durationH);
}

const WindSettings& WindOf(const SettingTarget& t)
{
    static const WindSettings defaults;
    return t.companion ? t.companion->wind : defaults;
}

const GrowthSettings& GrowthOf(const SettingTarget& t)
{
    static const GrowthSettings defaults;
    return t.companion ? t.companion->growth : defaults;
}

const std::array<SettingKey, 22> kKeys {{
    {"title", "title", "any text (the first 80 characters are kept)", SetTitle,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return Cp1252ToUtf8(TitleBytes(r));
     }},
    {"point", "point", "X,Y in the coordinate unit", SetPoint,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return Shown(r.PointX) + "," + Shown(r.PointY);
     }},
    {"direction", "wind direction", "degrees counter-clockwise from +x", SetNumber<&ProjectRecord::WindDirection>,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return Shown(r.WindDirection) + " (" + WindFromAsideText(r.WindDirection, BearingsOf(t)) + ")";
     }},
    {"bearing", "wind direction",
     "compass bearing the wind comes from, degrees clockwise from north (true north with crs, else grid north)",
     SetBearing,
     [](const SettingTarget& t) {
         const BearingReference ref = BearingsOf(t);
         const std::string shown = Format("%.7g", BearingOfDirection(t.record.WindDirection, ref));
         return ref.trueNorth ? shown + " (true)" : shown;
     }},
    {"sector", "sector", "degrees, 4 to 180", SetNumber<&ProjectRecord::SectorAngle>,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return Shown(r.SectorAngle);
     }},
    {"speed", "speed", "wind velocity in the velocity unit, at least 5", SetNumber<&ProjectRecord::WindVelocity>,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return Shown(r.WindVelocity) + " " + VelocityUnitItem(r.VelocityUnits);
     }},
    {"speed_unit", "speed_unit", "m/sec (m/s), Km/hr (km/h), ft/sec (ft/s), m.p.h. (mph)",
     SetCode<kVelocityNames, &ProjectRecord::VelocityUnits>,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return VelocityUnitItem(r.VelocityUnits);
     }},
    {"depth", "depth", "m for a project in m or km, ft otherwise; at least 5", SetNumber<&ProjectRecord::Depth>,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return Shown(r.Depth) + " " + DepthUnitName(r.CoordUnits);
     }},
    {"coord_unit", "coord_unit", "m, Km, ft, Miles (mi)", SetCode<kCoordNames, &ProjectRecord::CoordUnits>,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return CoordUnitItem(r.CoordUnits);
     }},
    {"significant", "significant", "bretschneider, bretschneider-depth, wilson",
     SetCode<kSignificantNames, &ProjectRecord::SignificantMethod>,
     ShowName<kSignificantNames, &ProjectRecord::SignificantMethod>},
    {"spectrum", "spectrum", "pm, jonswap", SetCode<kSpectrumNames, &ProjectRecord::SpectrumType>,
     ShowName<kSpectrumNames, &ProjectRecord::SpectrumType>},
    {"directional", "directional", "effective-fetch, saville, seymour",
     SetCode<kDirectionalNames, &ProjectRecord::DirectionalMethod>,
     ShowName<kDirectionalNames, &ProjectRecord::DirectionalMethod>},
    {"wind.observed_speed", "wind.observed_speed", "the observed wind in wind.observed_unit, or none",
     SetWindOptional<&WindSettings::observedSpeed>,
     [](const SettingTarget& t) { return ShowOptional(WindOf(t).observedSpeed, "none", ""); }},
    {"wind.observed_unit", "wind.observed_unit", "m/s, km/h, mph, knots, ft/s", SetObservedUnit,
     [](const SettingTarget& t) { return SpeedUnitName(WindOf(t).observedUnit); }},
    {"wind.height_m", "wind.height_m", "height of the wind observation, m (the 1/7 law holds up to 20 m)",
     SetWindPositive<&WindSettings::heightM>,
     [](const SettingTarget& t) { return Format("%.7g m", WindOf(t).heightM); }},
    {"wind.averaging_s", "wind.averaging_s", "averaging time of the observation, s (1 to 36000)",
     SetWindPositive<&WindSettings::averagingS>,
     [](const SettingTarget& t) { return Format("%.7g s", WindOf(t).averagingS); }},
    {"wind.exposure", "wind.exposure", "water, shore, land", SetExposure,
     [](const SettingTarget& t) { return ExposureName(WindOf(t).exposure); }},
    {"wind.delta_t_c", "wind.delta_t_c", "air minus water temperature, degrees C, or unknown",
     SetWindOptional<&WindSettings::airMinusWaterC>,
     [](const SettingTarget& t) { return ShowOptional(WindOf(t).airMinusWaterC, "unknown", " C"); }},
    {"growth.law", "growth.law",
     "project (the significant-wave method), bretschneider, bretschneider-depth, wilson, cem, spm84, "
     "spm84-shallow, young-verhagen",
     SetGrowthLaw,
     [](const SettingTarget& t) {
         const GrowthSettings& g = GrowthOf(t);
         return g.law ? GrowthLawName(*g.law) : std::string("project");
     }},
    {"growth.duration_h", "growth.duration_h", "storm duration in hours, or none", SetDuration,
     [](const SettingTarget& t) { return ShowOptional(GrowthOf(t).durationH, "none", " h"); }},
    {"crs", "crs", "the coordinate system of the coordinates: EPSG:N (projected) or WKT text, or none", SetCrs,
     [](const SettingTarget& t) {
         return t.companion && !t.companion->crs.empty() ? t.companion->crs : std::string("none");
     }},
    {"point_lonlat", "point", "LON,LAT in degrees (WGS 84), moved into the project's coordinate system", SetPointLonLat,
     [](const SettingTarget& t) {
         const ProjectRecord& r = t.record;
         return Shown(r.PointX) + "," + Shown(r.PointY);
     }},
}};

const SettingKey* FindKey(std::string_view name)
{
    const std::string key = Lower(name);
    for (const SettingKey& k : kKeys) {
        if (k.name == key)
            return &k;
    }
    return nullptr;
}

// "sector 200 -> 180" for each value the commit rules changed.
void NoteClamps(const ProjectRecord& before, const ProjectRecord& after, std::vector<std::string>& notes)
{
    static constexpr std::array<std::pair<const char*, float ProjectRecord::*>, 3> kClamped {
        {{"sector", &ProjectRecord::SectorAngle},
         {"speed", &ProjectRecord::WindVelocity},
         {"depth", &ProjectRecord::Depth}}};
    for (const auto& [name, member] : kClamped) {
        const float was = before.*member;
        const float now = after.*member;
        if (!(was == now))  // NaN changed to a limit counts too
            notes.push_back(std::string(name) + " " + Shown(was) + " -> " + Shown(now));
    }
}

}  // namespace

std::span<const SettingKey> SettingKeys() { return kKeys; }

SettingsOutcome ApplySettings(ProjectRecord& rec, std::span<const std::string> words)
{
    return ApplySettings(rec, nullptr, words);
}

SettingsOutcome ApplySettings(ProjectRecord& rec, ProjectCompanion* companion, std::span<const std::string> words,
                              const CrsService* crs)
{
    SettingsOutcome out;
    ProjectRecord changed = rec;
    std::optional<ProjectCompanion> changedCompanion;
    if (companion)
        changedCompanion = *companion;
    SettingTarget target {changed, changedCompanion ? &*changedCompanion : nullptr, crs};
    // The place first: the coordinate system, then the point.
    std::vector<std::string> ordered(words.begin(), words.end());
    const auto rank = [](const std::string& word) {
        const std::string key = Lower(word.substr(0, word.find('=')));
        return key == "crs" ? 0 : key == "point" || key == "point_lonlat" ? 1 : 2;
    };
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
    std::vector<const SettingKey*> applied;
    for (const std::string& word : ordered) {
        const auto equals = word.find('=');
        const SettingKey* key = equals == std::string::npos ? nullptr : FindKey(word.substr(0, equals));
        if (equals == std::string::npos) {
            out.errors.push_back("'" + word + "' is not KEY=VALUE");
            continue;
        }
        if (!key) {
            out.errors.push_back("unknown key '" + word.substr(0, equals) + "'");
            continue;
        }
        const auto same =
            std::find_if(applied.begin(), applied.end(), [key](const SettingKey* k) { return k->field == key->field; });
        if (same != applied.end()) {
            out.errors.push_back((*same)->name == key->name
                                     ? std::string(key->name) + " is given twice"
                                     : std::string((*same)->name) + " and " + std::string(key->name) +
                                           " both set the " + std::string(key->field));
            continue;
        }
        const std::string_view value = std::string_view(word).substr(equals + 1);
        if (const std::string why = key->apply(target, value); !why.empty()) {
            out.errors.push_back(std::string(key->name) + ": '" + std::string(value) + "' is " + why + " (" +
                                 std::string(key->values) + ")");
            continue;
        }
        if (key->name == "title" && Utf8ToCp1252(value).size() > static_cast<std::size_t>(kTitleMax))
            out.notes.push_back(Format("title cut to its first %d characters", kTitleMax));
        applied.push_back(key);
    }
    if (!out.Ok()) {
        out.notes.clear();
        return out;
    }
    // The window's commit: limits on the typed values, method codes above
    // the last item stored as the last item (a default spectrum code 2 is
    // JONSWAP either way, so that one is not worth a note).
    const ProjectRecord beforeRules = changed;
    ClampInputs(changed);
    ClampMethodCodes(changed);
    NoteClamps(beforeRules, changed, out.notes);
    for (const SettingKey* key : applied)
        out.shown.push_back(std::string(key->name) + " = " + key->show(target));
    const bool windGiven =
        std::any_of(applied.begin(), applied.end(), [](const SettingKey* k) { return k->field == "wind direction"; });
    if (const BearingReference ref = BearingsOf(target); windGiven && !ref.gridReason.empty())
        out.notes.push_back("bearings are grid bearings: " + ref.gridReason);
    rec = changed;
    if (companion)
        *companion = *changedCompanion;
    return out;
}

}  // namespace orvane
