#pragma once
// Names of the project's unit and method codes, shared by the windows, the
// reports and the command-line tool. Every function accepts any code: a code
// outside its table (from an unvalidated file) gives "?" or -1.

#include <string>

namespace orvane {

// By CoordUnits code: 0 "ft", 1 "miles", 2 "m", 3 "km".
std::string CoordUnitName(int coordUnits);
// Depth unit: "ft" for feet and miles, "m" for metres and kilometres.
std::string DepthUnitName(int coordUnits);
// The units list shows "m", "Km", "ft", "Miles": list index 0..3 <-> code 2, 3, 0, 1.
// The mapping is its own inverse. -1 for anything else.
int UnitsComboCode(int indexOrCode);
// Item texts of the unit lists, by CoordUnits / VelocityUnits code.
std::string CoordUnitItem(int coordUnits);        // "ft", "Miles", "m", "Km"
std::string VelocityUnitItem(int velocityUnits);  // "m/sec", "Km/hr", "ft/sec", "m.p.h."

// Plain-word method names by stored code.
std::string DirectionalMethodName(int code);  // "effective fetch", "Saville", "Seymour"
std::string SpectrumTypeName(int code);       // "Pierson-Moskowitz", "JONSWAP"
std::string SignificantMethodName(int code);  // "Bretschneider", "Bretschneider with depth", "Wilson"

}  // namespace orvane
