#include "core/ProjectCompanion.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/FileIO.h"
#include "core/Messages.h"
#include "core/ProjectFile.h"

namespace orvane {

namespace {

// Reads the known keys of one section, collecting the values that make no
// sense as "section.key: why".
class SectionReader {
public:
    SectionReader(const JsonValue* section, std::string name, std::vector<std::string>& problems)
        : section_(section), name_(std::move(name)), problems_(problems)
    {
        if (section_ && !section_->IsObject()) {
            problems_.push_back(name_ + ": not an object");
            section_ = nullptr;
        }
    }

    // A finite number within [low, high] (exclusive of low when openLow).
    std::optional<double> Number(std::string_view key, double low, double high, bool openLow)
    {
        const JsonValue* v = Get(key);
        if (!v)
            return std::nullopt;
        const double n = v->AsNumber();
        if (v->GetKind() != JsonValue::Kind::Number || !(openLow ? n > low : n >= low) || !(n <= high)) {
            Problem(key, "not a number in its range");
            return std::nullopt;
        }
        return n;
    }

    // A string that read turns into a value.
    template <class T, class Read> std::optional<T> Name(std::string_view key, Read read)
    {
        const JsonValue* v = Get(key);
        if (!v)
            return std::nullopt;
        std::optional<T> value;
        if (v->GetKind() == JsonValue::Kind::String)
            value = read(v->AsString());
        if (!value)
            Problem(key, "not one of the names listed");
        return value;
    }

private:
    const JsonValue* Get(std::string_view key) const
    {
        const JsonValue* v = section_ ? section_->Find(key) : nullptr;
        return v && !v->IsNull() ? v : nullptr;
    }
    void Problem(std::string_view key, const char* why)
    {
        problems_.push_back(name_ + "." + std::string(key) + ": " + why);
    }

    const JsonValue* section_;
    std::string name_;
    std::vector<std::string>& problems_;
};

// Sets or removes one key of a section object: a default value is not written.
void Put(JsonValue& section, std::string_view key, std::optional<JsonValue> value)
{
    if (value)
        section.Set(key, std::move(*value));
    else
        section.Remove(key);
}

template <class T> std::optional<JsonValue> NumberUnless(T value, T fallback)
{
    return value == fallback ? std::nullopt : std::optional<JsonValue>(JsonValue::Number(value));
}

constexpr double kLargest = 1e9;  // beyond any sensible setting; keeps NaN-free arithmetic later

void ReadWind(SectionReader in, WindSettings& w)
{
    w.observedSpeed = in.Number("observed_speed", 0.0, kLargest, false);
    w.observedUnit = in.Name<SpeedUnit>("observed_unit", SpeedUnitFromName).value_or(w.observedUnit);
    w.heightM = in.Number("height_m", 0.0, kLargest, true).value_or(w.heightM);
    w.averagingS = in.Number("averaging_s", 0.0, kLargest, true).value_or(w.averagingS);
    w.exposure = in.Name<Exposure>("exposure", ExposureFromName).value_or(w.exposure);
    w.airMinusWaterC = in.Number("delta_t_c", -100.0, 100.0, false);
}

void WriteWind(JsonValue& s, const WindSettings& w)
{
    const WindSettings d;
    Put(s, "observed_speed", w.observedSpeed ? std::optional(JsonValue::Number(*w.observedSpeed)) : std::nullopt);
    Put(s, "observed_unit",
        w.observedUnit == d.observedUnit ? std::nullopt
                                         : std::optional(JsonValue::String(SpeedUnitName(w.observedUnit))));
    Put(s, "height_m", NumberUnless(w.heightM, d.heightM));
    Put(s, "averaging_s", NumberUnless(w.averagingS, d.averagingS));
    Put(s, "exposure",
        w.exposure == d.exposure ? std::nullopt : std::optional(JsonValue::String(ExposureName(w.exposure))));
    Put(s, "delta_t_c", w.airMinusWaterC ? std::optional(JsonValue::Number(*w.airMinusWaterC)) : std::nullopt);
}

void ReadGrowth(SectionReader in, GrowthSettings& g)
{
    g.law = in.Name<GrowthLaw>("law", GrowthLawFromName);
    g.durationH = in.Number("duration_h", 0.0, kLargest, true);
}

void WriteGrowth(JsonValue& s, const GrowthSettings& g)
{
    Put(s, "law", g.law ? std::optional(JsonValue::String(GrowthLawName(*g.law))) : std::nullopt);
    Put(s, "duration_h", g.durationH ? std::optional(JsonValue::Number(*g.durationH)) : std::nullopt);
}

// The "climate" section: the wave climate's settings.
void ReadClimate(SectionReader in, ClimateSettings& c)
{
    c.law = in.Name<GrowthLaw>("law", GrowthLawFromName);
    if (const std::optional<double> sectors = in.Number("sectors", 0.0, kLargest, true)) {
        if (ValidSectorCount(static_cast<int>(*sectors)) && *sectors == std::floor(*sectors))
            c.sectors = static_cast<int>(*sectors);
    }
    c.thresholdM = in.Number("threshold_m", 0.0, kLargest, true);
    c.shiftDeg = in.Number("shift_deg", 0.0, 180.0, true).value_or(c.shiftDeg);
    c.calmMs = in.Number("calm_ms", 0.0, kLargest, false).value_or(c.calmMs);
    c.classWidthM = in.Number("class_m", 0.0, kLargest, true).value_or(c.classWidthM);
}

void WriteClimate(JsonValue& s, const ClimateSettings& c)
{
    const ClimateSettings d;
    Put(s, "law", c.law ? std::optional(JsonValue::String(GrowthLawName(*c.law))) : std::nullopt);
    Put(s, "sectors", NumberUnless(c.sectors, d.sectors));
    Put(s, "threshold_m", c.thresholdM ? std::optional(JsonValue::Number(*c.thresholdM)) : std::nullopt);
    Put(s, "shift_deg", NumberUnless(c.shiftDeg, d.shiftDeg));
    Put(s, "calm_ms", NumberUnless(c.calmMs, d.calmMs));
    Put(s, "class_m", NumberUnless(c.classWidthM, d.classWidthM));
}

// --- "crs": one string at the top level -----------------------------------

void ReadCrs(const JsonValue& root, std::string& crs, std::vector<std::string>& problems)
{
    const JsonValue* v = root.Find("crs");
    if (!v || v->IsNull())
        return;
    crs = v->GetKind() == JsonValue::Kind::String ? CrsText(v->AsString()) : std::string();
    if (crs.empty())
        problems.push_back("crs: not EPSG:N or WKT text");
}

void WriteCrs(JsonValue& root, const std::string& crs)
{
    Put(root, "crs", crs.empty() ? std::nullopt : std::optional(JsonValue::String(crs)));
}

// --- "pad" ---

constexpr double kDefaultPadOpacity = 0.5;

void ReadPad(const JsonValue* section, std::vector<std::string>& problems, PadSettings& pad)
{
    // A "pad" that is no object is no settings of this program's: it is kept as
    // found (WritePadInto), so it is not named either.
    const JsonValue* found = section && section->IsObject() ? section->Find("background") : nullptr;
    if (!found || found->IsNull())
        return;
    SectionReader in(found, "pad.background", problems);
    if (!found->IsObject())
        return;
    PadBackgroundSetting b;
    const auto file = in.Name<std::string>(
        "file", [](const std::string& s) { return s.empty() ? std::nullopt : std::optional<std::string>(s); });
    b.kind = in.Name<PadBackgroundKind>("kind", PadBackgroundKindFromName).value_or(b.kind);
    b.opacity = in.Number("opacity", 0.0, 1.0, false).value_or(b.opacity);
    if (!file) {
        problems.push_back("pad.background.file: no file named");
        return;
    }
    b.file = *file;
    if (b.kind == PadBackgroundKind::Image) {
        const JsonValue* placement = found->Find("placement");
        bool good = placement && placement->GetKind() == JsonValue::Kind::Array &&
                    placement->Elements().size() == b.placement.size();
        for (std::size_t i = 0; good && i < b.placement.size(); ++i) {
            const JsonValue& v = placement->Elements()[i];
            good = v.GetKind() == JsonValue::Kind::Number && std::isfinite(v.AsNumber());
            b.placement[i] = v.AsNumber();
        }
        if (!good) {
            problems.push_back("pad.background.placement: not eight numbers");
            return;
        }
    }
    pad.background = b;
}

void WritePad(JsonValue& s, const PadSettings& pad)
{
    if (!pad.background) {
        s.Remove("background");
        return;
    }
    const PadBackgroundSetting& b = *pad.background;
    const JsonValue* present = s.Find("background");
    JsonValue out = present && present->IsObject() ? *present : JsonValue::Object();
    out.Set("file", JsonValue::String(b.file));
    out.Set("kind", JsonValue::String(PadBackgroundKindName(b.kind)));
    if (b.kind == PadBackgroundKind::Image) {
        JsonValue placement = JsonValue::Array();
        for (const double v : b.placement)
            placement.Elements().push_back(JsonValue::Number(v));
        out.Set("placement", std::move(placement));
    } else {
        out.Remove("placement");
    }
    Put(out, "opacity", NumberUnless(b.opacity, kDefaultPadOpacity));
    s.Set("background", std::move(out));
}

// Writes a section into the object read (keeping its unknown keys) or a new
// one; a section left empty is not written.
template <class Settings>
void WriteSectionInto(JsonValue& root, std::string_view name, void (*write)(JsonValue&, const Settings&),
                      const Settings& settings)
{
    const JsonValue* present = root.Find(name);
    JsonValue section = present && present->IsObject() ? *present : JsonValue::Object();
    write(section, settings);
    if (section.Members().empty())
        root.Remove(name);
    else
        root.Set(name, std::move(section));
}

}  // namespace

const char* PadBackgroundKindName(PadBackgroundKind kind)
{
    switch (kind) {
    case PadBackgroundKind::Image: return "image";
    case PadBackgroundKind::Layer: return "layer";
    case PadBackgroundKind::Raster: break;
    }
    return "raster";
}

std::optional<PadBackgroundKind> PadBackgroundKindFromName(const std::string& name)
{
    for (const PadBackgroundKind kind : {PadBackgroundKind::Raster, PadBackgroundKind::Image, PadBackgroundKind::Layer})
        if (name == PadBackgroundKindName(kind))
            return kind;
    return std::nullopt;
}

namespace {

// A "pad" that is not an object is left as found unless a background replaces it.
void WritePadInto(JsonValue& root, const PadSettings& pad)
{
    const JsonValue* present = root.Find("pad");
    if (present && !present->IsObject() && !pad.background)
        return;
    WriteSectionInto(root, "pad", WritePad, pad);
}

}  // namespace

std::string ProjectCompanion::PathFor(const std::string& projectPath) { return projectPath + ".json"; }

std::string ProjectCompanion::ReadText(std::string_view text)
{
    *this = ProjectCompanion();
    const JsonParseResult parsed = ParseJson(text);
    if (!parsed.Ok() || !parsed.value.IsObject()) {
        damaged_ = true;
        return parsed.Ok() ? "the file holds no JSON object" : parsed.error;
    }
    root_ = parsed.value;
    std::vector<std::string> problems;
    ReadWind(SectionReader(root_.Find("wind"), "wind", problems), wind);
    ReadGrowth(SectionReader(root_.Find("growth"), "growth", problems), growth);
    ReadClimate(SectionReader(root_.Find("climate"), "climate", problems), climate);
    loadedClimate_ = climate;
    ReadCrs(root_, crs, problems);
    loadedWind_ = wind;
    loadedGrowth_ = growth;
    loadedCrs_ = crs;
    ReadPad(root_.Find("pad"), problems, pad);
    loadedPad_ = pad;
    std::string out;
    for (const std::string& p : problems)
        out += (out.empty() ? "" : "; ") + p;
    return out;
}

std::string ProjectCompanion::Text() const
{
    JsonValue root = root_;
    WriteSectionInto(root, "wind", WriteWind, wind);
    WriteSectionInto(root, "growth", WriteGrowth, growth);
    WriteSectionInto(root, "climate", WriteClimate, climate);
    WriteCrs(root, crs);
    WritePadInto(root, pad);
    return WriteJson(root);
}

bool ProjectCompanion::HoldsSomething() const
{
    JsonValue root = root_;
    WriteSectionInto(root, "wind", WriteWind, wind);
    WriteSectionInto(root, "growth", WriteGrowth, growth);
    WriteSectionInto(root, "climate", WriteClimate, climate);
    WriteCrs(root, crs);
    WritePadInto(root, pad);
    return !root.Members().empty();
}

ProjectCompanion::LoadState ProjectCompanion::Load(const std::string& projectPath)
{
    *this = ProjectCompanion();
    const std::string path = PathFor(projectPath);
    if (!FileExists(path))
        return LoadState::Absent;
    std::string text;
    std::string why;
    if (!ReadWholeFile(path, text)) {
        damaged_ = true;
        why = "it cannot be read";
    } else {
        why = ReadText(text);
    }
    if (why.empty())
        return LoadState::Loaded;
    if (damaged_) {
        ShowMessage(MessageKind::Warning, "The settings file [" + path + "] is damaged (" + why +
                                              "); it is ignored and the defaults are used.");
        return LoadState::Damaged;
    }
    ShowMessage(MessageKind::Warning,
                "The settings file [" + path + "] has values that are ignored (" + why + "); their defaults are used.");
    return LoadState::Loaded;
}

Outcome ProjectCompanion::Save(const std::string& projectPath) const
{
    const std::string path = PathFor(projectPath);
    const bool changed = !(wind == loadedWind_) || !(growth == loadedGrowth_) || !(climate == loadedClimate_) ||
                         crs != loadedCrs_ || !(pad == loadedPad_);
    if (damaged_ && !changed)
        return Outcome::Success();  // the user may still mend it by hand
    if (!HoldsSomething() && !FileExists(path))
        return Outcome::Success();  // a plain project stays one file
    const std::string text = Text();
    return WriteFileAtomically(path, text.data(), text.size());
}

std::string CrsText(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    std::string upper;
    for (char c : text.substr(0, std::min<std::size_t>(text.size(), 16)))
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.rfind("EPSG:", 0) == 0) {
        const std::string_view digits = text.substr(5);
        if (digits.empty() || digits.size() > 8 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return {};
        const long code = std::stol(std::string(digits));
        return code > 0 ? "EPSG:" + std::to_string(code) : std::string();
    }
    // WKT 2 (ISO 19162) and WKT 1 keywords of a whole coordinate system.
    static constexpr const char* kKeywords[] = {"PROJCRS", "PROJECTEDCRS", "PROJCS",      "GEOGCRS", "GEOGRAPHICCRS",
                                                "GEOGCS",  "BOUNDCRS",     "COMPOUNDCRS", "COMPD_CS"};
    for (const char* keyword : kKeywords) {
        const std::size_t n = std::strlen(keyword);
        if (upper.size() > n && upper.compare(0, n, keyword) == 0 && (upper[n] == '[' || upper[n] == '('))
            return std::string(text);
    }
    return {};
}

Outcome WriteProjectAndCompanion(const ProjectRecord& rec, const ProjectCompanion& companion,
                                 const std::string& projectPath)
{
    if (Outcome written = WriteProject(rec, projectPath); !written)
        return written;
    return companion.Save(projectPath);
}

}  // namespace orvane
