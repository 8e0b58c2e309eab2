#include "gis/ShorelineImport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include <gdal_priv.h>
#include <ogr_geometry.h>
#include <ogrsf_frmts.h>
#include <sys/stat.h>

#include "core/FileIO.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Region.h"
#include "core/Units.h"
#include "gis/GdalSupport.h"
#include "gis/RingSimplify.h"
#include "gis/ShorelineSteps.h"

namespace orvane {

namespace {

constexpr std::size_t kMaxRingNodes = kMaxGridNode;  // closing copy included
constexpr std::size_t kMaxIslands = kMaxBoundaries - 1;
constexpr const char* kSquared = "\xC2\xB2";  // UTF-8 superscript two

std::vector<XY> Nodes(const OGRLinearRing& ring)
{
    std::vector<XY> nodes(static_cast<std::size_t>(ring.getNumPoints()));
    for (int i = 0; i < ring.getNumPoints(); ++i)
        nodes[static_cast<std::size_t>(i)] = {ring.getX(i), ring.getY(i)};
    return nodes;
}

std::string RingName(std::size_t index)
{
    return index == 0 ? std::string("outer boundary") : Format("island %d", static_cast<long long>(index));
}

struct OuterChoice {
    std::size_t index = 0;     // into the polygons
    bool aroundPoint = false;  // it contains the point; else it is the largest
};

// The outer boundary: the largest polygon around the point (the given one,
// else the record's converted to the new units), else the largest of all.
OuterChoice ChooseOuter(const PolygonList& polygons, const std::optional<XY>& point, const ProjectRecord& rec,
                        int coordUnits)
{
    std::optional<XY> chooser = point;
    const double toNew = MetresPerCoordUnit(rec.CoordUnits) / MetresPerCoordUnit(coordUnits);
    if (!chooser && std::isfinite(toNew) && std::isfinite(rec.PointX) && std::isfinite(rec.PointY))
        chooser = XY {rec.PointX * toNew, rec.PointY * toNew};
    OuterChoice choice {polygons.size(), false};
    if (chooser) {
        const OGRPoint at(chooser->x, chooser->y);
        double best = -1.0;
        for (std::size_t i = 0; i < polygons.size(); ++i) {
            const OGRLinearRing* shell = polygons[i]->getExteriorRing();
            if (shell != nullptr && shell->isPointInRing(&at, TRUE) && std::fabs(shell->get_Area()) > best) {
                best = std::fabs(shell->get_Area());
                choice.index = i;
            }
        }
    }
    choice.aroundPoint = choice.index < polygons.size();
    if (!choice.aroundPoint) {
        // The first polygon when no area compares (a damaged file's
        // coordinates may make every area NaN).
        choice.index = 0;
        double best = -1.0;
        for (std::size_t i = 0; i < polygons.size(); ++i) {
            if (polygons[i]->get_Area() > best) {
                best = polygons[i]->get_Area();
                choice.index = i;
            }
        }
    }
    return choice;
}

struct Island {
    Ring ring;
    double area;        // square coordinate units
    std::size_t order;  // position in the source: holes first, then polygons
};

// The candidates for islands and what was passed over on the way.
struct IslandsFound {
    std::vector<Island> islands;     // largest first; equal areas in the source's order
    std::size_t degenerate = 0;      // rings of fewer than three distinct nodes
    std::size_t outside = 0;         // polygons not within the outer one
    std::size_t lakesOnIslands = 0;  // holes of the polygons taken as islands
};

// Islands: the holes of the outer polygon and the polygons inside it.
IslandsFound FindIslands(const PolygonList& polygons, std::size_t outer)
{
    const OGRPolygon& shore = *polygons[outer];
    IslandsFound found;
    auto addIsland = [&found](const OGRLinearRing& ring) {
        Ring island = CleanRing(Nodes(ring));
        if (island.empty())
            ++found.degenerate;
        else
            found.islands.push_back({island, std::fabs(SignedArea(island)), found.islands.size()});
    };
    for (int h = 0; h < shore.getNumInteriorRings(); ++h)
        addIsland(*shore.getInteriorRing(h));
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        if (i == outer)
            continue;
        if (polygons[i]->getExteriorRing() != nullptr && polygons[i]->Within(&shore)) {
            addIsland(*polygons[i]->getExteriorRing());
            found.lakesOnIslands += static_cast<std::size_t>(polygons[i]->getNumInteriorRings());
        } else {
            ++found.outside;
        }
    }
    std::stable_sort(found.islands.begin(), found.islands.end(),
                     [](const Island& a, const Island& b) { return a.area > b.area; });
    return found;
}

// The outer boundary, then the islands the project keeps (the four largest,
// in the source's order so that an export imported again numbers them as
// before). Nothing when the outer boundary has fewer than three distinct
// nodes.
std::optional<std::vector<Ring>> ChooseRings(const PolygonList& polygons, const ProjectRecord& rec,
                                             const std::string& source, Shoreline& sh)
{
    const OuterChoice outer = ChooseOuter(polygons, sh.point, rec, sh.coordUnits);
    const OGRPolygon& shore = *polygons[outer.index];
    Ring outerRing = shore.getExteriorRing() ? CleanRing(Nodes(*shore.getExteriorRing())) : Ring();
    if (outerRing.empty()) {
        sh.Fail("the outer boundary chosen in [" + source + "] has fewer than three distinct nodes");
        return std::nullopt;
    }
    IslandsFound found = FindIslands(polygons, outer.index);
    std::vector<Island>& islands = found.islands;

    const std::string unit = CoordUnitName(sh.coordUnits);
    sh.notes.push_back(std::string("outer boundary: ") +
                       (outer.aroundPoint ? "the polygon containing the point"
                                          : Format("the largest of %d polygons (none contains the point)",
                                                   static_cast<long long>(polygons.size()))));
    if (found.outside > 0)
        sh.notes.push_back(Plural(found.outside, "polygon", "polygons") + " outside the outer boundary left out");
    if (found.lakesOnIslands > 0)
        sh.notes.push_back(Plural(found.lakesOnIslands, "hole", "holes") +
                           " inside islands left out (not part of the water)");
    if (found.degenerate > 0)
        sh.warnings.push_back(Plural(found.degenerate, "island", "islands") +
                              " of fewer than three distinct nodes left out");
    if (islands.size() > kMaxIslands) {
        std::string areas;
        for (std::size_t i = kMaxIslands; i < islands.size(); ++i)
            areas += Format("%s%.1f %s%s", areas.empty() ? "" : ", ", islands[i].area, unit, kSquared);
        sh.warnings.push_back(Plural(islands.size() - kMaxIslands, "island", "islands") +
                              " left out (the project holds the four largest); their areas: " + areas);
        islands.resize(kMaxIslands);
    }
    std::sort(islands.begin(), islands.end(), [](const Island& a, const Island& b) { return a.order < b.order; });

    std::vector<Ring> rings;
    rings.push_back(std::move(outerRing));
    for (const Island& island : islands)
        rings.push_back(island.ring);
    return rings;
}

// Rings over the node limit simplified to fit (progress from 0.3 to 1), what
// changed said in the warnings; the shoreline takes the fitted rings.
bool Simplify(const std::vector<Ring>& rings, const ShorelineOptions& options, const GdalErrorCapture& capture,
              Shoreline& sh)
{
    FittedRings fitted = FitRingsToNodeLimit(rings, kMaxRingNodes, [&options](double done) {
        return !options.progress || options.progress(0.3 + 0.7 * done);
    });
    if (fitted.cancelled) {
        sh.Fail("the import was cancelled");
        sh.cancelled = true;
        return false;
    }
    if (!fitted.ok) {
        sh.Fail(Format("cannot simplify the shoreline to %d nodes", static_cast<long long>(kMaxRingNodes)) +
                capture.Reason());
        return false;
    }
    const std::string unit = CoordUnitName(sh.coordUnits);
    for (const RingChange& change : fitted.changes) {
        sh.warnings.push_back(Format("%s simplified from %d to %d nodes: tolerance %.3f %s, largest deviation %.3f %s",
                                     RingName(change.ring), static_cast<long long>(change.nodesBefore),
                                     static_cast<long long>(change.nodesAfter), change.tolerance, unit,
                                     change.deviation, unit));
    }
    if (fitted.jointly)
        sh.warnings.push_back("an island came too close to the shore once simplified, so all rings were "
                              "simplified together with one tolerance");
    for (std::size_t island : fitted.strayIslands)
        sh.warnings.push_back(RingName(island) + " is no longer inside the simplified outer boundary: it lies "
                                                 "within the tolerance of the shore");
    sh.rings = std::move(fitted.rings);
    return true;
}

// The node count of every ring, and how finely the record stores these
// coordinates: it holds float32, which far from the origin of a map grid is
// coarse (half a metre at a UTM northing of 5,000 km).
void NoteNodesAndPrecision(Shoreline& sh)
{
    std::string counts = Format("outer boundary %d nodes", static_cast<long long>(sh.rings.front().size()));
    for (std::size_t i = 1; i < sh.rings.size(); ++i)
        counts += Format(", island %d %d nodes", static_cast<long long>(i), static_cast<long long>(sh.rings[i].size()));
    sh.notes.push_back(counts);

    double largest = 0.0;
    for (const XY& p : sh.rings.front())
        largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
    const double step = std::nextafter(static_cast<float>(largest), INFINITY) - static_cast<float>(largest);
    if (step > 0.01)
        sh.notes.push_back(Format("coordinates are stored to %.3g %s at these values (single precision)", step,
                                  CoordUnitName(sh.coordUnits)));
}

}  // namespace

Shoreline ReadShoreline(const std::string& source, const ProjectRecord& rec, const ShorelineOptions& options)
{
    Shoreline sh;
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    const std::optional<ShorelineSource> opened = OpenSource(source, options, capture, sh);
    if (!opened || Cancelled(options, 0.02, sh))
        return sh;
    std::optional<SourcePolygons> read = ReadPolygons(*opened, source, options, capture, sh);
    if (!read)
        return sh;
    SettleCoordinateSystem(*read, sh);
    if (!ConvertToProjectUnit(*read, source, options, capture, sh))
        return sh;
    const std::optional<std::vector<Ring>> rings = ChooseRings(read->polygons, rec, source, sh);
    if (!rings || Cancelled(options, 0.3, sh))
        return sh;
    if (!Simplify(*rings, options, capture, sh))
        return sh;
    NoteNodesAndPrecision(sh);
    // A cancel at the very end still fails the import: nothing is stored.
    Cancelled(options, 1.0, sh);
    return sh;
}

std::vector<std::string> LayerNames(const std::string& source)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    std::vector<std::string> names;
    if (!GisSourceProblem(source).empty())
        return names;
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(source.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (dataset) {
        for (OGRLayer* layer : dataset->GetLayers())
            names.emplace_back(layer->GetName());
    }
    return names;
}

}  // namespace orvane
