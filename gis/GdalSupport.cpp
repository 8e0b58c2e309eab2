#include "gis/GdalSupport.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include <cpl_conv.h>
#include <cpl_http.h>
#include <cpl_string.h>
#include <cpl_vsi.h>
#include <cpl_vsi_virtual.h>
#include <gdal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/FileIO.h"
#include "core/Format.h"

namespace orvane {

namespace {

// GDAL's file systems that reach the network, each with its "_streaming" form
// where it has one.
constexpr const char* kNetworkFileSystems[] = {"vsicurl", "vsis3",    "vsigs",      "vsiaz",  "vsiadls",
                                               "vsioss",  "vsiswift", "vsiwebhdfs", "vsihdfs"};

constexpr const char* kNoNetwork = "network access is disabled in this program: GIS files are read from this computer";

// Stands in for a network file system: every file is missing and every open
// fails with a reason, before any connection is made.
class NoNetworkFileSystem final : public VSIFilesystemHandler {
public:
    VSIVirtualHandle* Open(const char* name, const char*, bool setError, CSLConstList) override
    {
        if (setError)
            CPLError(CE_Failure, CPLE_NotSupported, "%s (%s)", kNoNetwork, name != nullptr ? name : "");
        errno = EACCES;
        return nullptr;
    }
    int Stat(const char*, VSIStatBufL*, int) override
    {
        errno = EACCES;
        return -1;
    }
    char** ReadDirEx(const char*, int) override { return nullptr; }
    char** SiblingFiles(const char*) override { return nullptr; }
    bool IsLocal(const char*) override { return false; }
    bool SupportsRead(const char*) override { return false; }
    bool SupportsSequentialWrite(const char*, bool) override { return false; }
    bool SupportsRandomWrite(const char*, bool) override { return false; }
};

// Drivers that fetch URLs themselves (GeoJSON from http, WFS, ...) go
// through CPLHTTPFetch: it gets an error instead of a connection.
CPLHTTPResult* RefuseFetch(const char* url, CSLConstList, GDALProgressFunc, void*, CPLHTTPFetchWriteFunc, void*, void*)
{
    auto* result = static_cast<CPLHTTPResult*>(CPLCalloc(1, sizeof(CPLHTTPResult)));
    result->nStatus = 1;
    result->pszErrBuf = CPLStrdup(Format("%s (%s)", kNoNetwork, url != nullptr ? url : "").c_str());
    CPLError(CE_Failure, CPLE_NotSupported, "%s", result->pszErrBuf);
    return result;
}

// The module never reaches the network, whatever a file names: a .vrt whose
// source is /vsicurl/..., a path given as /vsis3/..., a URL.
void ForbidNetworkAccess()
{
    // GDAL's own handlers stay allocated (a handler may serve more than one
    // prefix, so none is deleted) and reachable, as they were before.
    static auto* const replaced = new std::vector<VSIFilesystemHandler*>;
    for (const char* name : kNetworkFileSystems) {
        for (const std::string& prefix : {Format("/%s/", name), Format("/%s_streaming/", name)}) {
            replaced->push_back(VSIFileManager::GetHandler(prefix.c_str()));
            VSIFileManager::InstallHandler(prefix, new NoNetworkFileSystem);
        }
    }
    CPLHTTPSetFetchCallback(RefuseFetch, nullptr);
    // A second line, should a network file system be reached another way: no
    // file name ends in this, so none is taken to exist on a server.
    CPLSetConfigOption("CPL_VSIL_CURL_ALLOWED_EXTENSIONS", ".orvane-no-network");
    CPLSetConfigOption("GDAL_HTTP_MAX_RETRY", "0");
}

}  // namespace

void EnsureGdalRegistered()
{
    static const bool registered = [] {
        GDALAllRegister();
        ForbidNetworkAccess();
        return true;
    }();
    (void)registered;
}

bool IsNetworkPath(const std::string& path)
{
    std::string lower;
    for (char c : path)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* name : kNetworkFileSystems) {
        if (lower.find(std::string("/") + name) != std::string::npos)
            return true;
    }
    // A URL: scheme "://", the scheme a letter followed by letters, digits, + - .
    const std::size_t colon = lower.find("://");
    if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(lower[0])))
        return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const char c = lower[i];
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
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

bool SrsFromText(const std::string& crs, OGRSpatialReference& srs)
{
    if (crs.empty())
        return false;
    const bool epsg = crs.rfind("EPSG:", 0) == 0;
    if (epsg) {
        if (!SrsFromEpsg(std::atoi(crs.c_str() + 5), srs))
            return false;
    } else if (srs.importFromWkt(crs.c_str()) != OGRERR_NONE) {
        return false;
    }
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return true;
}

std::string CrsTextOf(const OGRSpatialReference& srs)
{
    OGRSpatialReference identified(srs);
    if (identified.GetAuthorityCode(nullptr) == nullptr)
        identified.AutoIdentifyEPSG();
    const char* authority = identified.GetAuthorityName(nullptr);
    const char* code = identified.GetAuthorityCode(nullptr);
    if (authority != nullptr && code != nullptr && std::string(authority) == "EPSG")
        return std::string("EPSG:") + code;
    char* wkt = nullptr;
    const char* options[] = {"FORMAT=WKT2_2018", nullptr};
    std::string text;
    if (srs.exportToWkt(&wkt, options) == OGRERR_NONE && wkt != nullptr)
        text = wkt;
    CPLFree(wkt);
    return text;
}

std::string GisSourceProblem(const std::string& source)
{
    if (IsNetworkPath(source))
        return "cannot read GIS file [" + source + "]: network sources are not read, only files on this computer";
    struct stat st { };
    if (source.rfind("/vsi", 0) != 0 && ::stat(source.c_str(), &st) == 0 && !S_ISREG(st.st_mode) &&
        !S_ISDIR(st.st_mode))
        return "cannot read GIS file [" + source +
               "]: " + InputProblemText(source, InputState::NotRegular, 0, "GIS file");
    return {};
}

MemoryFolder::MemoryFolder()
{
    static std::atomic<int> counter {0};
    path_ =
        Format("/vsimem/orvane-export-%d-%d", static_cast<long long>(::getpid()), static_cast<long long>(++counter));
    VSIMkdir(path_.c_str(), 0755);
}

MemoryFolder::~MemoryFolder() { VSIRmdirRecursive(path_.c_str()); }

std::vector<std::pair<std::string, std::string>> MemoryFolder::Files() const
{
    std::vector<std::pair<std::string, std::string>> files;
    const CPLStringList names(VSIReadDir(path_.c_str()));
    for (int i = 0; i < names.size(); ++i) {
        const std::string name = names[i];
        vsi_l_offset length = 0;
        const GByte* bytes = VSIGetMemFileBuffer((path_ + "/" + name).c_str(), &length, FALSE);
        if (bytes != nullptr)
            files.emplace_back(name, std::string(reinterpret_cast<const char*>(bytes), length));
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace orvane
