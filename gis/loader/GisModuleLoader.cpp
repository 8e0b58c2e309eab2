// The programs' side of the GIS functions that need GDAL: each call loads
// the GIS module once (dlopen, kept for the life of the process) and goes
// through its table. When the module cannot be loaded the call fails with a
// message that names the file and the reason, as a failed import or export
// does; the project is left as it was.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <dlfcn.h>

#include "gis/GisModuleApi.h"

namespace orvane {

namespace {

struct LoadedModule {
    const GisModuleApi* api = nullptr;
    std::string error;  // why api is null
};

// Beside the running program (the build's program folder or /opt/orvane);
// links such as /usr/bin/orvane are resolved by /proc/self/exe.
std::string ModulePath()
{
    if (const char* named = std::getenv(kGisModuleVariable); named != nullptr && *named != '\0')
        return named;
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return kGisModuleFileName;  // the loader's own search, as a last resort
    return (program.parent_path() / kGisModuleFileName).string();
}

LoadedModule Load()
{
    LoadedModule loaded;
    const std::string path = ModulePath();
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        // The loader's reason names the file.
        loaded.error = "GIS files cannot be read or written: cannot load the GIS module (" +
                       (reason != nullptr ? std::string(reason) : path) + ")";
        return loaded;
    }
    using Entry = const GisModuleApi* (*)();
    const auto entry = reinterpret_cast<Entry>(::dlsym(handle, kGisModuleEntryName));
    const GisModuleApi* api = entry != nullptr ? entry() : nullptr;
    if (api == nullptr || api->version != kGisModuleApiVersion) {
        loaded.error = "GIS files cannot be read or written: [" + path + "] is not the GIS module of this program";
        ::dlclose(handle);
        return loaded;
    }
    loaded.api = api;  // the handle stays open: the module's code is in use from now on
    return loaded;
}

const LoadedModule& Module()
{
    static const LoadedModule module = Load();
    return module;
}

// A result of the GIS functions that says why the module is not there.
template <class Result> Result Failed(const LoadedModule& module)
{
    Result result;
    result.Fail(module.error);
    return result;
}

}  // namespace

Shoreline ReadShoreline(const std::string& source, const ProjectRecord& rec, const ShorelineOptions& options)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->readShoreline(source, rec, options) : Failed<Shoreline>(module);
}

void StoreShoreline(Shoreline& shoreline, ProjectRecord& rec)
{
    // Only a shoreline the module read can be stored: the module is loaded.
    if (const LoadedModule& module = Module(); module.api != nullptr)
        module.api->storeShoreline(shoreline, rec);
}

ShorelineImportResult ImportShoreline(ProjectRecord& rec, const std::string& source, const ShorelineOptions& options)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->importShoreline(rec, source, options)
                                 : Failed<ShorelineImportResult>(module);
}

std::vector<std::string> LayerNames(const std::string& source)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->layerNames(source) : std::vector<std::string> {};
}

GisExportResult ExportGis(const ProjectRecord& rec, const std::string& path, const GisExportOptions& options)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->exportGis(rec, path, options) : Failed<GisExportResult>(module);
}

CrsDescription DescribeCrs(const std::string& crs)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->describeCrs(crs) : Failed<CrsDescription>(module);
}

GridConvergence GridConvergenceAt(const std::string& crs, int coordUnits, double x, double y)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->gridConvergenceAt(crs, coordUnits, x, y)
                                 : Failed<GridConvergence>(module);
}

ProjectedPoint LonLatToProject(const std::string& crs, int coordUnits, double lonDeg, double latDeg)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->lonLatToProject(crs, coordUnits, lonDeg, latDeg)
                                 : Failed<ProjectedPoint>(module);
}

PointLayerRead ReadPointLayer(const std::string& source, const std::string& layer, const std::string& crs,
                              int coordUnits)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->readPointLayer(source, layer, crs, coordUnits)
                                 : Failed<PointLayerRead>(module);
}

Outcome WritePointLayer(const std::string& path, const PointTable& table, const std::vector<SiteResult>& results,
                        const std::string& crs, int coordUnits)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->writePointLayer(path, table, results, crs, coordUnits)
                                 : Failed<Outcome>(module);
}

Outcome WriteMapGeoTiff(const std::string& path, const MapGrid& grid, const MapRasterInfo& info)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->writeMapGeoTiff(path, grid, info) : Failed<Outcome>(module);
}

BackgroundRaster ReadBackgroundRaster(const std::string& path, const std::string& targetCrs, long long maxPixels)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->readBackgroundRaster(path, targetCrs, maxPixels)
                                 : Failed<BackgroundRaster>(module);
}

BackgroundLayer ReadBackgroundLayer(const std::string& path, const std::string& targetCrs)
{
    const LoadedModule& module = Module();
    return module.api != nullptr ? module.api->readBackgroundLayer(path, targetCrs) : Failed<BackgroundLayer>(module);
}

}  // namespace orvane
