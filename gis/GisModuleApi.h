#pragma once
// What the GIS module (the GDAL half of gis/, a shared object loaded on
// first use) hands the programs that load it: one table of the functions of
// ShorelineImport.h, GisExport.h, CrsSupport.h, PointLayer.h, MapRaster.h
// and GisBackground.h that need GDAL. GDAL and the hundred
// libraries it brings take longer to load than the rest of the program
// together, so a program that never imports or exports GIS files never
// loads them. Program and module are built from one tree by one compiler;
// the version only guards against a module left from an older build.

#include <string>
#include <vector>

#include "gis/CrsSupport.h"
#include "gis/GisBackground.h"
#include "gis/GisExport.h"
#include "gis/MapRaster.h"
#include "gis/PointLayer.h"
#include "gis/ShorelineImport.h"

namespace orvane {

inline constexpr int kGisModuleApiVersion = 5;

// File name of the module, looked for beside the running program.
inline constexpr const char* kGisModuleFileName = "liborvane-gis.so";

// An environment variable naming the module's full path overrides the
// search (test programs run from their own folders).
inline constexpr const char* kGisModuleVariable = "ORVANE_GIS_MODULE";

struct GisModuleApi {
    int version;
    Shoreline (*readShoreline)(const std::string&, const ProjectRecord&, const ShorelineOptions&);
    void (*storeShoreline)(Shoreline&, ProjectRecord&);
    ShorelineImportResult (*importShoreline)(ProjectRecord&, const std::string&, const ShorelineOptions&);
    std::vector<std::string> (*layerNames)(const std::string&);
    GisExportResult (*exportGis)(const ProjectRecord&, const std::string&, const GisExportOptions&);
    CrsDescription (*describeCrs)(const std::string&);
    GridConvergence (*gridConvergenceAt)(const std::string&, int, double, double);
    ProjectedPoint (*lonLatToProject)(const std::string&, int, double, double);
    PointLayerRead (*readPointLayer)(const std::string&, const std::string&, const std::string&, int);
    Outcome (*writePointLayer)(const std::string&, const PointTable&, const std::vector<SiteResult>&,
                               const std::string&, int);
    Outcome (*writeMapGeoTiff)(const std::string&, const MapGrid&, const MapRasterInfo&);
    // The drawing pad's background picture and reference layer (GisBackground.h).
    BackgroundRaster (*readBackgroundRaster)(const std::string&, const std::string&, long long);
    BackgroundLayer (*readBackgroundLayer)(const std::string&, const std::string&);
};

}  // namespace orvane

// The module's one exported symbol.
extern "C" const orvane::GisModuleApi* OrvaneGisModuleApi();
inline constexpr const char* kGisModuleEntryName = "OrvaneGisModuleApi";
