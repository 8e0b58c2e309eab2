#pragma once
// Pictures for the drawing pad's background, made at test time through
// GDAL: a lake in UTM metres, drawn on a raster, and any small picture.

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include "gis/Ring.h"

namespace orvane::test {

// 300 x 200 pixels of 10 m in EPSG:32633, top-left corner at (542000,
// 4396000): green land with a blue pentagonal lake.
struct LakeRaster {
    static constexpr double kLeft = 542000;
    static constexpr double kTop = 4396000;
    static constexpr double kCell = 10;  // m
    static constexpr int kWidth = 300;
    static constexpr int kHeight = 200;
    static constexpr std::array<std::uint8_t, 3> kLake {30, 60, 220};
    static constexpr std::array<std::uint8_t, 3> kLand {60, 170, 60};
    static constexpr std::array<XY, 5> kCorners {
        {{542600, 4395400}, {543900, 4395300}, {544400, 4394700}, {543500, 4394300}, {542500, 4394600}}};

    static bool InLake(double x, double y)
    {
        bool inside = false;
        for (std::size_t i = 0, j = kCorners.size() - 1; i < kCorners.size(); j = i++) {
            const XY& a = kCorners[i];
            const XY& b = kCorners[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                inside = !inside;
        }
        return inside;
    }
    static XY Centre() { return {543400, 4394850}; }
};

// Writes a picture of width x height pixels, band after band (bytes, or
// float32 when floats), with driver; geoTransform and epsg when given.
inline bool WritePicture(const std::string& path, const char* driverName, int width, int height,
                         const std::vector<std::vector<float>>& bands, GDALDataType type,
                         const double* geoTransform = nullptr, int epsg = 0, const GDALColorTable* palette = nullptr,
                         const double* noData = nullptr)
{
    GDALAllRegister();
    std::filesystem::remove(path);
    GDALDriver* memory = GetGDALDriverManager()->GetDriverByName("MEM");
    GDALDatasetUniquePtr ds(memory->Create("", width, height, static_cast<int>(bands.size()), type, nullptr));
    if (!ds)
        return false;
    for (std::size_t b = 0; b < bands.size(); ++b) {
        GDALRasterBand* band = ds->GetRasterBand(static_cast<int>(b) + 1);
        std::vector<float> values = bands[b];
        if (band->RasterIO(GF_Write, 0, 0, width, height, values.data(), width, height, GDT_Float32, 0, 0, nullptr) !=
            CE_None)
            return false;
        if (palette != nullptr)
            band->SetColorTable(const_cast<GDALColorTable*>(palette));
        if (noData != nullptr)
            band->SetNoDataValue(*noData);
    }
    if (geoTransform != nullptr)
        ds->SetGeoTransform(const_cast<double*>(geoTransform));
    if (epsg != 0) {
        OGRSpatialReference srs;
        srs.importFromEPSG(epsg);
        ds->SetSpatialRef(&srs);
    }
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(driverName);
    GDALDatasetUniquePtr out(driver->CreateCopy(path.c_str(), ds.get(), FALSE, nullptr, nullptr, nullptr));
    return out != nullptr;
}

// The lake as a GeoTIFF in RGB.
inline bool WriteLakeRaster(const std::string& path)
{
    using L = LakeRaster;
    std::vector<std::vector<float>> bands(3, std::vector<float>(L::kWidth * L::kHeight));
    for (int r = 0; r < L::kHeight; ++r)
        for (int c = 0; c < L::kWidth; ++c) {
            const bool lake = L::InLake(L::kLeft + (c + 0.5) * L::kCell, L::kTop - (r + 0.5) * L::kCell);
            for (std::size_t b = 0; b < 3; ++b)
                bands[b][static_cast<std::size_t>(r * L::kWidth + c)] = lake ? L::kLake[b] : L::kLand[b];
        }
    const double gt[6] = {L::kLeft, L::kCell, 0, L::kTop, 0, -L::kCell};
    return WritePicture(path, "GTiff", L::kWidth, L::kHeight, bands, GDT_Byte, gt, 32633);
}

}  // namespace orvane::test
