#include "gis/GdalSupport.h"

#include <cctype>
#include <cmath>
#include <limits>

#include <gdal.h>

#include "core/Format.h"

namespace orvane {

void EnsureGdalRegistered()
{
    static const bool registered = [] {
        GDALAllRegister();
        return true;
    }();
    (void)registered;
}

GdalErrorCapture::GdalErrorCapture()
{
    CPLPushErrorHandlerEx(&GdalErrorCapture::Handler, this);
    CPLErrorReset();
}

GdalErrorCapture::~GdalErrorCapture() { CPLPopErrorHandler(); }

void CPL_STDCALL GdalErrorCapture::Handler(CPLErr level, CPLErrorNum, const char* message)
{
    auto* self = static_cast<GdalErrorCapture*>(CPLGetErrorHandlerUserData());
    if (self != nullptr && level >= CE_Failure && message != nullptr)
        self->lastError_ = message;
}

double MetresPerCoordUnit(int coordUnits)
{
    switch (coordUnits) {
    case 0: return 0.3048;
    case 1: return 1609.344;
    case 2: return 1.0;
    case 3: return 1000.0;
    default: return std::numeric_limits<double>::quiet_NaN();
    }
}

int CoordUnitsFromName(const std::string& name)
{
    std::string lower;
    for (char c : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "ft")
        return 0;
    if (lower == "miles")
        return 1;
    if (lower == "m")
        return 2;
    if (lower == "km")
        return 3;
    return -1;
}

int CoordUnitsOfLinearUnit(double metresPerUnit)
{
    if (std::fabs(metresPerUnit - 1.0) < 1e-9)
        return 2;
    if (std::fabs(metresPerUnit / 0.3048 - 1.0) < 1e-5)
        return 0;
    return -1;
}

bool SrsFromEpsg(int epsg, OGRSpatialReference& srs)
{
    if (epsg <= 0 || srs.importFromEPSG(epsg) != OGRERR_NONE)
        return false;
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return true;
}

std::string SrsLabel(const OGRSpatialReference& srs)
{
    const char* name = srs.GetName();
    const std::string label = name != nullptr ? name : "unnamed coordinate system";
    const char* authority = srs.GetAuthorityName(nullptr);
    const char* code = srs.GetAuthorityCode(nullptr);
    if (authority != nullptr && code != nullptr && std::string(authority) == "EPSG")
        return Format("EPSG:%s (%s)", code, label);
    return label;
}

}  // namespace orvane
