// Pictures and reference layers for the drawing pad, through GDAL.

#include "gis/GisBackground.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include <cpl_string.h>
#include <gdal_priv.h>
#include <gdal_utils.h>
#include <gdalwarper.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>
#include <sys/stat.h>

#include "core/Format.h"
#include "gis/GdalSupport.h"

namespace orvane {

namespace {

// Whatever a caller asks for, a picture stops at 64 Mpx (256 MB of RGBA).
constexpr long long kMostPixels = 64LL << 20;

// Why a source is not handed to GDAL: a network source, a missing file, or
// something that is no file (a FIFO would wait for a writer for ever).
std::string SourceProblem(const std::string& path, const char* what)
{
    if (IsNetworkPath(path))
        return Format("cannot read %s [%s]: network sources are not read, only files on this computer", what, path);
    struct stat st { };
    if (path.rfind("/vsi", 0) == 0)
        return {};
    if (::stat(path.c_str(), &st) != 0)
        return Format("cannot read %s [%s]: there is no such file", what, path);
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        return Format("cannot read %s [%s]: it is not a file", what, path);
    return {};
}

// The target system from an EPSG code or WKT; never from a file or a URL.
bool TargetSrs(const std::string& text, OGRSpatialReference& srs)
{
    const char* const options[] = {"ALLOW_NETWORK_ACCESS=NO", "ALLOW_FILE_ACCESS=NO", nullptr};
    if (srs.SetFromUserInput(text.c_str(), options) != OGRERR_NONE)
        return false;
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return true;
}

double MetresPerUnit(const OGRSpatialReference* srs)
{
    if (srs == nullptr || !(srs->IsProjected() || srs->IsLocal()))
        return 0;
    const double m = srs->GetLinearUnits();
    return std::isfinite(m) && m > 0 ? m : 0;
}

std::string Label(const OGRSpatialReference* srs) { return srs != nullptr ? SrsLabel(*srs) : std::string(); }

// --- pictures -----------------------------------------------------------------------

// Band numbers (from 1; 0 for none) of the colours.
struct Bands {
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;
    int grey = 0;  // a grey band, or palette indices
    bool palette = false;
};

Bands BandsOf(GDALDataset& ds)
{
    Bands b;
    const int n = ds.GetRasterCount();
    for (int i = 1; i <= n; ++i) {
        GDALRasterBand* band = ds.GetRasterBand(i);
        switch (band->GetColorInterpretation()) {
        case GCI_RedBand: b.red = b.red != 0 ? b.red : i; break;
        case GCI_GreenBand: b.green = b.green != 0 ? b.green : i; break;
        case GCI_BlueBand: b.blue = b.blue != 0 ? b.blue : i; break;
        case GCI_AlphaBand: b.alpha = b.alpha != 0 ? b.alpha : i; break;
        case GCI_PaletteIndex:
            if (b.grey == 0 && band->GetColorTable() != nullptr) {
                b.grey = i;
                b.palette = true;
            }
            break;
        default: break;
        }
    }
    if (b.red != 0 && b.green != 0 && b.blue != 0) {
        b.grey = 0;
        b.palette = false;
        return b;
    }
    if (b.grey != 0)
        return b;
    // Bands that name no colour: three or more are red, green and blue, fewer a grey picture.
    const Bands unnamed {n >= 3 ? 1 : 0, n >= 3 ? 2 : 0, n >= 3 ? 3 : 0, b.alpha, n >= 3 ? 0 : 1, false};
    b = unnamed;
    if (b.alpha == b.grey || b.alpha == b.red || b.alpha == b.green || b.alpha == b.blue)
        b.alpha = 0;
    return b;
}

// One band of ds at w x h pixels (reduced by averaging, or by taking the
// nearest pixel for palette indices and alpha).
bool ReadBand(GDALDataset& ds, int number, int w, int h, bool nearest, std::vector<float>& values)
{
    GDALRasterBand* band = ds.GetRasterBand(number);
    values.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0.0f);
    GDALRasterIOExtraArg extra;
    INIT_RASTERIO_EXTRA_ARG(extra);
    extra.eResampleAlg = nearest ? GRIORA_NearestNeighbour : GRIORA_Average;
    return band->RasterIO(GF_Read, 0, 0, band->GetXSize(), band->GetYSize(), values.data(), w, h, GDT_Float32, 0, 0,
                          &extra) == CE_None;
}

// The band's values as bytes into channel (0 red, 1 green, 2 blue, 3 alpha;
// -1 for all three colours) of rgba: bytes as they are, any other type
// stretched from the smallest to the largest value read. Pixels that hold
// the band's nodata value, or no number, become transparent.
void ToChannel(GDALRasterBand& band, const std::vector<float>& values, int channel, std::vector<std::uint8_t>& rgba)
{
    int hasNoData = 0;
    const double noData = band.GetNoDataValue(&hasNoData);
    const auto missing = [&](float v) { return std::isnan(v) || (hasNoData != 0 && v == static_cast<float>(noData)); };
    double low = 0;
    double scale = 1;
    if (band.GetRasterDataType() != GDT_Byte) {
        double lo = std::numeric_limits<double>::infinity();
        double hi = -lo;
        for (const float v : values)
            if (!missing(v) && std::isfinite(v)) {
                lo = std::min(lo, static_cast<double>(v));
                hi = std::max(hi, static_cast<double>(v));
            }
        low = std::isfinite(lo) ? lo : 0;
        scale = hi > lo ? 255.0 / (hi - lo) : 0;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float v = values[i];
        std::uint8_t* pixel = &rgba[4 * i];
        if (missing(v) && channel != 3) {
            pixel[3] = 0;
            continue;
        }
        const auto byte = static_cast<std::uint8_t>(std::clamp(std::lround((v - low) * scale), 0L, 255L));
        if (channel < 0)
            pixel[0] = pixel[1] = pixel[2] = byte;
        else
            pixel[channel] = byte;
    }
}

bool ToRgba(GDALDataset& ds, int w, int h, std::vector<std::uint8_t>& rgba)
{
    const Bands b = BandsOf(ds);
    rgba.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4, 255);
    std::vector<float> values;
    if (b.palette) {
        if (!ReadBand(ds, b.grey, w, h, true, values))
            return false;
        const GDALColorTable* table = ds.GetRasterBand(b.grey)->GetColorTable();
        for (std::size_t i = 0; i < values.size(); ++i) {
            const GDALColorEntry* entry =
                std::isfinite(values[i]) ? table->GetColorEntry(static_cast<int>(values[i])) : nullptr;
            std::uint8_t* pixel = &rgba[4 * i];
            if (entry == nullptr) {
                pixel[3] = 0;
                continue;
            }
            for (const auto& [c, value] : {std::pair {0, entry->c1}, {1, entry->c2}, {2, entry->c3}, {3, entry->c4}})
                pixel[c] = static_cast<std::uint8_t>(std::clamp<short>(value, 0, 255));
        }
    } else if (b.grey != 0) {
        if (!ReadBand(ds, b.grey, w, h, false, values))
            return false;
        ToChannel(*ds.GetRasterBand(b.grey), values, -1, rgba);
    } else {
        for (const auto& [number, channel] : {std::pair {b.red, 0}, {b.green, 1}, {b.blue, 2}}) {
            if (!ReadBand(ds, number, w, h, false, values))
                return false;
            ToChannel(*ds.GetRasterBand(number), values, channel, rgba);
        }
    }
    if (b.alpha != 0) {
        // Alpha last: a pixel transparent by its nodata stays transparent.
        std::vector<std::uint8_t> alpha(rgba.size(), 255);
        if (!ReadBand(ds, b.alpha, w, h, true, values))
            return false;
        ToChannel(*ds.GetRasterBand(b.alpha), values, 3, alpha);
        for (std::size_t i = 3; i < rgba.size(); i += 4)
            rgba[i] = std::min(rgba[i], alpha[i]);
    }
    return true;
}

// The whole source warped north up (into target when given) at most
// maxPixels large, transparent outside the source; null when GDAL cannot.
GDALDatasetUniquePtr Warped(GDALDataset& source, const OGRSpatialReference* target, long long maxPixels, bool nearest)
{
    std::string wkt;
    if (target != nullptr) {
        char* text = nullptr;
        if (target->exportToWkt(&text) != OGRERR_NONE) {
            CPLFree(text);
            return nullptr;
        }
        wkt = text;
        CPLFree(text);
    }
    CPLStringList transformerOptions;
    if (!wkt.empty())
        transformerOptions.SetNameValue("DST_SRS", wkt.c_str());
    void* transformer =
        GDALCreateGenImgProjTransformer2(GDALDataset::ToHandle(&source), nullptr, transformerOptions.List());
    if (transformer == nullptr)
        return nullptr;
    double gt[6] = {};
    int pixels = 0;
    int lines = 0;
    const CPLErr suggested = GDALSuggestedWarpOutput(GDALDataset::ToHandle(&source), GDALGenImgProjTransform,
                                                     transformer, gt, &pixels, &lines);
    GDALDestroyGenImgProjTransformer(transformer);
    if (suggested != CE_None || pixels < 1 || lines < 1)
        return nullptr;
    const double f = std::min(1.0, std::sqrt(static_cast<double>(maxPixels) / (static_cast<double>(pixels) * lines)));
    const int w = std::max(1, static_cast<int>(std::floor(pixels * f)));
    const int h = std::max(1, static_cast<int>(std::floor(lines * f)));

    CPLStringList args;
    for (const char* arg : {"-of", "MEM", "-dstalpha", "-r", nearest ? "near" : "bilinear", "-te"})
        args.AddString(arg);
    for (const double v : {gt[0], gt[3] + lines * gt[5], gt[0] + pixels * gt[1], gt[3]})
        args.AddString(Format("%.17g", v).c_str());
    args.AddString("-ts");
    args.AddString(std::to_string(w).c_str());
    args.AddString(std::to_string(h).c_str());
    if (!wkt.empty()) {
        args.AddString("-t_srs");
        args.AddString(wkt.c_str());
    }
    GDALWarpAppOptions* options = GDALWarpAppOptionsNew(args.List(), nullptr);
    if (options == nullptr)
        return nullptr;
    GDALDatasetH sourceHandle = GDALDataset::ToHandle(&source);
    int usageError = 0;
    GDALDatasetH out = GDALWarp("", nullptr, 1, &sourceHandle, options, &usageError);
    GDALWarpAppOptionsFree(options);
    return GDALDatasetUniquePtr(GDALDataset::FromHandle(out));
}

bool IsIdentity(const double gt[6])
{
    return gt[0] == 0 && gt[1] == 1 && gt[2] == 0 && gt[3] == 0 && gt[4] == 0 && gt[5] == 1;
}

// --- layers ---------------------------------------------------------------------------

// Every line of a geometry: line strings, polygon rings, the parts of
// collections; curves as their linear form. Points have no line.
// A polygon's rings are closed (a file may leave the repeat of the first node out).
void CollectLines(const OGRGeometry* geometry, std::vector<std::vector<XY>>& out, std::size_t& nodes, bool ring = false)
{
    if (geometry == nullptr || geometry->IsEmpty())
        return;
    if (geometry->hasCurveGeometry()) {
        const std::unique_ptr<OGRGeometry> linear(geometry->getLinearGeometry());
        if (linear && !linear->hasCurveGeometry())
            CollectLines(linear.get(), out, nodes);
        return;
    }
    switch (wkbFlatten(geometry->getGeometryType())) {
    case wkbLineString:
    case wkbLinearRing:
        if (const auto* line = dynamic_cast<const OGRSimpleCurve*>(geometry);
            line != nullptr && line->getNumPoints() > 1) {
            std::vector<XY>& points = out.emplace_back();
            for (int i = 0; i < line->getNumPoints(); ++i)
                points.push_back({line->getX(i), line->getY(i)});
            if (ring && (points.front().x != points.back().x || points.front().y != points.back().y))
                points.push_back(points.front());
            nodes += points.size();
        }
        break;
    case wkbPolygon:
        for (const OGRLinearRing* r : *geometry->toPolygon())
            CollectLines(r, out, nodes, true);
        break;
    case wkbMultiLineString:
    case wkbMultiPolygon:
    case wkbGeometryCollection:
        for (const OGRGeometry* part : *geometry->toGeometryCollection())
            CollectLines(part, out, nodes);
        break;
    default: break;
    }
}

std::unique_ptr<OGRSpatialReference> LayerSrs(OGRLayer& layer)
{
    const OGRSpatialReference* srs = layer.GetSpatialRef();
    if (srs == nullptr)
        return nullptr;
    auto copy = std::make_unique<OGRSpatialReference>(*srs);
    copy->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return copy;
}

}  // namespace

BackgroundRaster ReadBackgroundRaster(const std::string& path, const std::string& targetCrs, long long maxPixels)
{
    BackgroundRaster r;
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    if (std::string problem = SourceProblem(path, "picture"); !problem.empty()) {
        r.Fail(std::move(problem));
        return r;
    }
    OGRSpatialReference target;
    if (!targetCrs.empty() && !TargetSrs(targetCrs, target)) {
        r.Fail("the coordinate system [" + targetCrs + "] is not known" + capture.Reason());
        return r;
    }
    const GDALDatasetUniquePtr source(GDALDataset::Open(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    if (!source || source->GetRasterCount() < 1) {
        r.Fail("cannot read picture [" + path + "]" +
               (capture.LastError().empty() ? std::string(": not a picture GDAL reads") : capture.Reason()));
        return r;
    }
    capture.Reset();
    r.sourceWidth = source->GetRasterXSize();
    r.sourceHeight = source->GetRasterYSize();
    const long long most = std::clamp(maxPixels, 1LL, kMostPixels);

    double gt[6] = {0, 1, 0, 0, 0, 1};
    r.georeferenced = source->GetGeoTransform(gt) == CE_None && !IsIdentity(gt) &&
                      std::all_of(gt, gt + 6, [](double v) { return std::isfinite(v); });
    const OGRSpatialReference* own = source->GetSpatialRef();
    std::unique_ptr<OGRSpatialReference> system;
    if (own != nullptr) {
        system = std::make_unique<OGRSpatialReference>(*own);
        system->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    }
    const bool reproject = r.georeferenced && !targetCrs.empty() && system && !system->IsSame(&target);
    if (r.georeferenced && !targetCrs.empty() && !system)
        r.notes.push_back("the picture names no coordinate system: its coordinates are taken as the project's");

    GDALDataset* read = source.get();
    GDALDatasetUniquePtr warped;
    if (r.georeferenced && (reproject || gt[2] != 0 || gt[4] != 0)) {
        warped = Warped(*source, reproject ? &target : nullptr, most, BandsOf(*source).palette);
        if (!warped || warped->GetGeoTransform(gt) != CE_None) {
            r.Fail("cannot place picture [" + path + "]" +
                   (reproject ? " in " + SrsLabel(target) : std::string(" north up")) + capture.Reason());
            return r;
        }
        read = warped.get();
        if (reproject) {
            r.notes.push_back("reprojected from " + SrsLabel(*system) + " to " + SrsLabel(target));
            *system = target;
        }
    }
    const double w0 = read->GetRasterXSize();
    const double h0 = read->GetRasterYSize();
    const double f = std::min(1.0, std::sqrt(static_cast<double>(most) / (w0 * h0)));
    // A hair over the exact share, so that a ninth of 300 is 100 and not 99.
    r.width = std::clamp(static_cast<int>(std::floor(w0 * f + 1e-6)), 1, static_cast<int>(w0));
    r.height = std::clamp(static_cast<int>(std::floor(h0 * f + 1e-6)), 1, static_cast<int>(h0));
    while (static_cast<long long>(r.width) * r.height > most && (r.width > 1 || r.height > 1))
        (r.width >= r.height ? r.width : r.height) -= 1;
    if (!ToRgba(*read, r.width, r.height, r.rgba)) {
        r.Fail("cannot read picture [" + path + "]" + capture.Reason());
        r.rgba.clear();
        return r;
    }
    if (r.georeferenced) {
        const double sx = w0 / r.width;
        const double sy = h0 / r.height;
        r.geoTransform = {gt[0], gt[1] * sx, gt[2] * sy, gt[3], gt[4] * sx, gt[5] * sy};
        r.metresPerUnit = MetresPerUnit(system.get());
        r.crs = Label(system.get());
    }
    r.notes.push_back(
        Format("read [%s]: %d x %d pixels, shown at %d x %d", path, r.sourceWidth, r.sourceHeight, r.width, r.height));
    return r;
}

BackgroundLayer ReadBackgroundLayer(const std::string& path, const std::string& targetCrs)
{
    BackgroundLayer r;
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    if (std::string problem = SourceProblem(path, "GIS file"); !problem.empty()) {
        r.Fail(std::move(problem));
        return r;
    }
    std::unique_ptr<OGRSpatialReference> system;
    if (!targetCrs.empty()) {
        system = std::make_unique<OGRSpatialReference>();
        if (!TargetSrs(targetCrs, *system)) {
            r.Fail("the coordinate system [" + targetCrs + "] is not known" + capture.Reason());
            return r;
        }
    }
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(path.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!dataset) {
        r.Fail("cannot read GIS file [" + path + "]" +
               (capture.LastError().empty() ? std::string(": not a vector format GDAL reads") : capture.Reason()));
        return r;
    }
    std::size_t nodes = 0;
    // Every layer in one system: the target's, else the first layer's that names one.
    for (OGRLayer* layer : dataset->GetLayers()) {
        const std::unique_ptr<OGRSpatialReference> own = LayerSrs(*layer);
        std::unique_ptr<OGRCoordinateTransformation> ct;
        if (own && system && !own->IsSame(system.get())) {
            ct.reset(OGRCreateCoordinateTransformation(own.get(), system.get()));
            if (!ct) {
                r.Fail("cannot transform layer [" + std::string(layer->GetName()) + "] to " + SrsLabel(*system) +
                       capture.Reason());
                return r;
            }
        }
        const std::size_t before = r.lines.size();
        layer->ResetReading();
        for (OGRFeatureUniquePtr feature(layer->GetNextFeature()); feature; feature.reset(layer->GetNextFeature())) {
            OGRGeometry* geometry = feature->GetGeometryRef();
            if (geometry != nullptr && ct && geometry->transform(ct.get()) != OGRERR_NONE) {
                r.Fail("cannot transform layer [" + std::string(layer->GetName()) + "] to " + SrsLabel(*system) +
                       capture.Reason());
                r.lines.clear();
                return r;
            }
            CollectLines(geometry, r.lines, nodes);
            if (nodes > kMaxBackgroundLayerNodes) {
                r.Fail(Format("[%s] holds more than %d nodes: too many to draw as a reference", path,
                              static_cast<long long>(kMaxBackgroundLayerNodes)));
                r.lines.clear();
                return r;
            }
        }
        if (r.lines.size() > before && !system && own)
            system = std::make_unique<OGRSpatialReference>(*own);
    }
    if (r.lines.empty()) {
        r.Fail("no line or polygon in [" + path + "]");
        return r;
    }
    r.metresPerUnit = MetresPerUnit(system.get());
    r.crs = Label(system.get());
    r.notes.push_back(Format("read [%s]: %d lines, %d nodes", path, static_cast<long long>(r.lines.size()),
                             static_cast<long long>(nodes)));
    return r;
}

}  // namespace orvane
