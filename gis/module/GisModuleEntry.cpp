// The GIS module's entry: the table of its GDAL functions (see
// gis/GisModuleApi.h). Built only into the module, never into a program.

#include "gis/GisModuleApi.h"

extern "C" __attribute__((visibility("default"))) const orvane::GisModuleApi* OrvaneGisModuleApi()
{
    static const orvane::GisModuleApi api {
        orvane::kGisModuleApiVersion,  &orvane::ReadShoreline,       &orvane::StoreShoreline,
        &orvane::ImportShoreline,      &orvane::LayerNames,          &orvane::ExportGis,
        &orvane::DescribeCrs,          &orvane::GridConvergenceAt,   &orvane::LonLatToProject,
        &orvane::ReadPointLayer,       &orvane::WritePointLayer,     &orvane::WriteMapGeoTiff,
        &orvane::ReadBackgroundRaster, &orvane::ReadBackgroundLayer,
    };
    return &api;
}
