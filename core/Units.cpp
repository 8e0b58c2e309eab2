#include "core/Units.h"

namespace orvane {

namespace {
template <std::size_t N> std::string Pick(const char* const (&names)[N], int code)
{
    return code >= 0 && static_cast<std::size_t>(code) < N ? names[code] : "?";
}
}  // namespace

std::string CoordUnitName(int coordUnits)
{
    static const char* const names[] = {"ft", "miles", "m", "km"};
    return Pick(names, coordUnits);
}

std::string DepthUnitName(int coordUnits)
{
    static const char* const names[] = {"ft", "ft", "m", "m"};
    return Pick(names, coordUnits);
}

int UnitsComboCode(int indexOrCode)
{
    static const int map[] = {2, 3, 0, 1};
    return indexOrCode >= 0 && indexOrCode < 4 ? map[indexOrCode] : -1;
}

std::string CoordUnitItem(int coordUnits)
{
    static const char* const names[] = {"ft", "Miles", "m", "Km"};
    return Pick(names, coordUnits);
}

std::string VelocityUnitItem(int velocityUnits)
{
    static const char* const names[] = {"m/sec", "Km/hr", "ft/sec", "m.p.h."};
    return Pick(names, velocityUnits);
}

std::string DirectionalMethodName(int code)
{
    static const char* const names[] = {"effective fetch", "Saville", "Seymour"};
    return Pick(names, code);
}

std::string SpectrumTypeName(int code)
{
    static const char* const names[] = {"Pierson-Moskowitz", "JONSWAP"};
    return Pick(names, code);
}

std::string SignificantMethodName(int code)
{
    static const char* const names[] = {"Bretschneider", "Bretschneider with depth", "Wilson"};
    return Pick(names, code);
}

}  // namespace orvane
