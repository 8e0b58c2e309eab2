#pragma once
// What the program does with a loaded record, with the properties it must
// keep, for the fuzz targets that load one (project file, coordinates file,
// report). A broken property ends the run with abort().

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "core/CommitRules.h"
#include "core/ComputeWaves.h"
#include "core/ProjectRecord.h"
#include "core/Random.h"
#include "graphics/QtRaster.h"
#include "graphics/RegionPlot.h"

namespace orvane::fuzz {

inline void Require(bool property)
{
    if (!property)
        std::abort();
}

// Fonts need an application object; the offscreen platform needs no display.
inline void StartGui()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

inline bool Sane(float v, float limit) { return std::isfinite(v) && std::fabs(v) <= limit; }

// A record a user could have typed: codes of existing list items, finite
// values of engineering size, every used node finite.
inline bool Typable(const ProjectRecord& rec)
{
    if (rec.CoordUnits < 0 || rec.CoordUnits > 3 || rec.VelocityUnits < 0 || rec.VelocityUnits > 3 ||
        rec.DirectionalMethod < 0 || rec.DirectionalMethod > 2 || rec.SpectrumType < 0 || rec.SpectrumType > 1 ||
        rec.SignificantMethod < 0 || rec.SignificantMethod > 2)
        return false;
    if (!Sane(rec.PointX, 1e5f) || !Sane(rec.PointY, 1e5f) || !Sane(rec.WindDirection, 1e4f) ||
        !Sane(rec.WindVelocity, 200.0f) || !Sane(rec.Depth, 1e4f))
        return false;
    for (int b = 1; b <= UsedBoundaryCount(rec); ++b)
        for (int k = 0; k <= UsedNodeCount(rec, b); ++k)
            if (!Sane(rec.NodeX[b][k], 1e5f) || !Sane(rec.NodeY[b][k], 1e5f))
                return false;
    return true;
}

// The engine on the record as stored (what orvane-cli compute does), then
// on the record as a commit leaves it (what the main window computes): the
// second must give finite, non-negative waves whenever the record could
// have been typed.
inline void CheckEngine(const ProjectRecord& rec)
{
    auto results = std::make_unique<WaveResults>();
    RandomGenerator random(1);
    ComputeWaves(rec, *results, random);
    Require(results->FreqCount >= 0 && results->FreqCount <= kFreqCount);
    Require(results->SampleCount >= 0 && results->SampleCount <= kSampleCount);

    // The surface record of a committed record that could not have been
    // typed proves nothing more, and it is the engine's costliest part.
    auto committed = std::make_unique<ProjectRecord>(rec);
    ClampInputs(*committed);
    ClampMethodCodes(*committed);
    if (!Typable(*committed))
        return;
    ComputeWaves(*committed, *results, random);
    Require(results->FreqCount == kFreqCount && results->SampleCount == kSampleCount);
    Require(std::isfinite(results->HeightM) && results->HeightM >= 0);
    Require(std::isfinite(results->HeightFt) && results->HeightFt >= 0);
    Require(std::isfinite(results->Period) && results->Period >= 0);
    for (int i = 1; i <= kFreqCount; ++i)
        Require(std::isfinite(results->Freq[i]) && std::isfinite(results->Density[i]) && results->Density[i] >= 0);
    for (int j = 1; j <= kSampleCount; ++j)
        Require(std::isfinite(results->Elevation[j]));
}

// The main window's picture and the report's, painted for real (a small
// surface keeps the runs fast): the extents they return hold every entry of
// the outer boundary and are reached by one, when the entries are finite.
inline void CheckDrawing(const ProjectRecord& rec)
{
    StartGui();
    QtRaster raster(120, 100);
    const PlotScale scale = DrawRegionPlot(rec, raster, true);
    DrawRegionPicture(rec, raster);
    const BoundaryEntries outer = BoundaryOf(rec, 1);
    bool finite = true;
    for (int i = 0; i <= outer.N(); ++i)
        finite = finite && std::isfinite(outer.x[i]) && std::isfinite(outer.y[i]);
    if (!finite || outer.N() < 0)
        return;
    bool minX = false, maxX = false, minY = false, maxY = false;
    for (int i = 0; i <= outer.N(); ++i) {
        Require(outer.x[i] >= scale.MinX && outer.x[i] <= scale.MaxX);
        Require(outer.y[i] >= scale.MinY && outer.y[i] <= scale.MaxY);
        minX = minX || outer.x[i] == scale.MinX;
        maxX = maxX || outer.x[i] == scale.MaxX;
        minY = minY || outer.y[i] == scale.MinY;
        maxY = maxY || outer.y[i] == scale.MaxY;
    }
    Require(minX && maxX && minY && maxY);
}

}  // namespace orvane::fuzz
