#include "gis/MapRaster.h"

#include <cmath>
#include <vector>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include "core/FileIO.h"
#include "core/Format.h"
#include "gis/GdalSupport.h"

namespace orvane {

Outcome WriteMapGeoTiff(const std::string& path, const MapGrid& grid, const MapRasterInfo& info)
{
    EnsureGdalRegistered();
    GdalErrorCapture capture;
    if (grid.columns < 1 || grid.rows < 1 ||
        grid.values.size() != static_cast<std::size_t>(grid.columns) * static_cast<std::size_t>(grid.rows))
        return Outcome::Failure("cannot write [" + path + "]: the map holds no cells");
    double scale = 1.0;  // project unit -> the system's unit
    OGRSpatialReference srs;
    if (!info.crs.empty()) {
        if (!SrsFromText(info.crs, srs) || !srs.IsProjected())
            return Outcome::Failure("cannot write [" + path + "]: the project's coordinate system " + info.crs +
                                    " is not a projected system PROJ knows");
        scale = MetresPerCoordUnit(info.coordUnits) / srs.GetLinearUnits(nullptr);
    }
    if (!std::isfinite(scale) || !(scale > 0.0))
        return Outcome::Failure(Format("cannot write [%s]: unknown coordinate unit %d", path, info.coordUnits));

    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GTiff");
    const MemoryFolder memory;
    const std::string memoryPath = memory.Path() + "/map.tif";
    {
        const char* options[] = {"COMPRESS=DEFLATE", "PREDICTOR=3", "TILED=NO", nullptr};
        GDALDatasetUniquePtr dataset(driver != nullptr ? driver->Create(memoryPath.c_str(), grid.columns, grid.rows, 1,
                                                                        GDT_Float32, const_cast<char**>(options))
                                                       : nullptr);
        if (!dataset)
            return Outcome::Failure("cannot write [" + path + "]" + capture.Reason());
        double transform[6] = {grid.originX * scale, grid.cell * scale, 0.0, grid.originY * scale, 0.0,
                               -grid.cell * scale};
        dataset->SetGeoTransform(transform);
        if (!info.crs.empty())
            dataset->SetSpatialRef(&srs);
        dataset->SetMetadataItem("ORVANE_QUANTITY", info.quantity.c_str());
        dataset->SetMetadataItem("ORVANE_UNIT", info.unit.c_str());
        GDALRasterBand* band = dataset->GetRasterBand(1);
        band->SetNoDataValue(kMapNoData);
        band->SetUnitType(info.unit.c_str());
        band->SetDescription(info.quantity.c_str());
        std::vector<float> row(static_cast<std::size_t>(grid.columns));
        for (int r = 0; r < grid.rows; ++r) {
            for (int c = 0; c < grid.columns; ++c) {
                const float v = grid.At(r, c);
                row[static_cast<std::size_t>(c)] = std::isnan(v) ? static_cast<float>(kMapNoData) : v;
            }
            if (band->RasterIO(GF_Write, 0, r, grid.columns, 1, row.data(), grid.columns, 1, GDT_Float32, 0, 0,
                               nullptr) != CE_None)
                return Outcome::Failure("cannot write [" + path + "]" + capture.Reason());
        }
        dataset.reset();  // closing writes the compressed strips and the directory
        if (!capture.LastError().empty())
            return Outcome::Failure("cannot write [" + path + "]" + capture.Reason());
    }
    const auto files = memory.Files();
    if (files.size() != 1)
        return Outcome::Failure("cannot write [" + path + "]: GDAL wrote no single file");
    const std::string& bytes = files.front().second;
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace orvane
