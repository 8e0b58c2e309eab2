#pragma once
// GDAL plumbing shared by the import and the export; included by gis/*.cpp
// only, so GDAL's headers never reach the layers above.

#include <string>
#include <utility>
#include <vector>

#include <cpl_error.h>
#include <ogr_spatialref.h>

namespace orvane {

// Registers GDAL's drivers once per process, and cuts GDAL off from the
// network: its network file systems (/vsicurl/, /vsis3/, ... and their
// _streaming forms) are replaced by ones that refuse every file, and its HTTP
// requests fail, so no file, not even a .vrt naming a remote source, makes
// the program connect anywhere.
void EnsureGdalRegistered();

// True for a path that names a network source: a GDAL network file system
// anywhere in it (/vsizip//vsicurl/... too), or a URL ("https://...").
bool IsNetworkPath(const std::string& path);

// While alive, GDAL's errors and warnings are kept here instead of being
// printed, so they can become part of our own message. Nests: the previous
// handler is back when this leaves scope.
class GdalErrorCapture {
public:
    GdalErrorCapture();
    ~GdalErrorCapture();
    GdalErrorCapture(const GdalErrorCapture&) = delete;
    GdalErrorCapture& operator=(const GdalErrorCapture&) = delete;

    // The last error (not warning) GDAL reported, or "" when none.
    const std::string& LastError() const { return lastError_; }
    // Forgets what was reported so far (errors of checks that are not failures).
    void Reset() { lastError_.clear(); }
    // ": <last error>" or "", to end a message with GDAL's reason.
    std::string Reason() const { return lastError_.empty() ? std::string() : ": " + lastError_; }

private:
    static void CPL_STDCALL Handler(CPLErr level, CPLErrorNum number, const char* message);
    std::string lastError_;
};

// Metres in one unit of the project's CoordUnits code (0 ft, 1 Miles, 2 m,
// 3 Km), by the international definitions a GIS uses (1 ft = 0.3048 m);
// NaN for any other code.
double MetresPerCoordUnit(int coordUnits);

// The CoordUnits code of a unit name as the export writes it ("ft", "miles",
// "m", "km", any case), -1 for anything else.
int CoordUnitsFromName(const std::string& name);

// The CoordUnits code of a linear unit given in metres per unit: 2 for the
// metre, 0 for the international or US survey foot (they differ by 2 ppm),
// -1 otherwise.
int CoordUnitsOfLinearUnit(double metresPerUnit);

// A coordinate system from its EPSG code with longitude (easting) first.
// false when PROJ does not know the code.
bool SrsFromEpsg(int epsg, OGRSpatialReference& srs);

// "EPSG:32633 (WGS 84 / UTM zone 33N)", or the name alone when the system
// has no EPSG code.
std::string SrsLabel(const OGRSpatialReference& srs);

// A coordinate system from the text a project keeps ("EPSG:N" or WKT), with
// longitude (easting) first; false when PROJ cannot read it.
bool SrsFromText(const std::string& crs, OGRSpatialReference& srs);

// The text a project keeps for a system: "EPSG:N" when it has (or is
// identified with) an EPSG code, else its WKT 2.
std::string CrsTextOf(const OGRSpatialReference& srs);

// A folder in GDAL's memory file system: GDAL writes there, where no write
// fails for want of space, and the finished files go to disk through the
// program's own checked writes (WriteFileAtomically). Gone with this object.
class MemoryFolder {
public:
    MemoryFolder();
    ~MemoryFolder();
    MemoryFolder(const MemoryFolder&) = delete;
    MemoryFolder& operator=(const MemoryFolder&) = delete;
    const std::string& Path() const { return path_; }

    // The files in the folder, in name order, with their bytes.
    std::vector<std::pair<std::string, std::string>> Files() const;

private:
    std::string path_;
};

// Why a source is not handed to GDAL at all: a network source (the module
// reads files of this computer only), or a path that is no file or folder (a
// FIFO would wait for a writer, a device never end). "" when it may be read.
std::string GisSourceProblem(const std::string& source);

}  // namespace orvane
