// The GIS commands' small texts: a point given as "x,y", an "EPSG:n"
// option and the formats of file names. No GDAL here, so the commands can
// check their arguments before the GIS module is loaded.

#include <cctype>
#include <filesystem>
#include <string>

#include "core/NumberText.h"
#include "gis/GisExport.h"
#include "gis/PointLayer.h"
#include "gis/ShorelineImport.h"

namespace orvane {

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool ParsePoint(const std::string& text, XY& point)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    std::string x = text.substr(0, comma);
    std::string y = text.substr(comma + 1);
    RemoveChar(x, ' ');
    RemoveChar(y, ' ');
    XY parsed;
    if (!ParseReal(x, parsed.x) || !ParseReal(y, parsed.y))
        return false;
    point = parsed;
    return true;
}

int ParseEpsg(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string::npos)
        return 0;
    const std::string word = Lower(text.substr(first, last - first + 1));
    if (word.size() < 6 || word.size() > 14 || word.compare(0, 5, "epsg:") != 0)
        return 0;
    int code = 0;
    for (std::size_t i = 5; i < word.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(word[i])))
            return 0;
        code = code * 10 + (word[i] - '0');
        if (code > 99999999)
            return 0;
    }
    return code;
}

std::string GisFormatOf(const std::string& path)
{
    const std::string ext = Lower(std::filesystem::path(path).extension().string());
    if (ext == ".geojson" || ext == ".json")
        return "GeoJSON";
    if (ext == ".gpkg")
        return "GPKG";
    if (ext == ".kml")
        return "KML";
    if (ext == ".shp")
        return "ESRI Shapefile";
    return {};
}

std::string PointLayerFormatOf(const std::string& path)
{
    const std::string ext = Lower(std::filesystem::path(path).extension().string());
    if (ext == ".geojson" || ext == ".json")
        return "GeoJSON";
    if (ext == ".gpkg")
        return "GPKG";
    return {};
}

}  // namespace orvane
