#pragma once
// The project record and the results of the last computation run.
//
// ProjectRecord's memory image *is* the project file (.WDT): 72,300 bytes,
// little-endian, float32 reals, int32 integers, no header. Field offsets are
// part of the file format and are pinned by static_asserts below.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

namespace orvane {

static_assert(std::endian::native == std::endian::little,
              "the project file is the little-endian memory image of ProjectRecord");
static_assert(sizeof(float) == 4 && sizeof(std::int32_t) == 4);

inline constexpr int kMaxBoundaries = 5;       // boundary 1 outer, 2..5 islands
inline constexpr int kMaxNodePosition = 1000;  // storage positions 0..1000
inline constexpr int kMaxGridNode = 999;       // highest node number a user can enter
inline constexpr int kTitleMax = 80;

// The codes the record stores for its units and method choices. Unscoped, so
// they compare and assign with the int32 fields as the file holds them; a
// loaded file may hold any other value.
enum CoordUnitCode : std::int32_t { kCoordFeet = 0, kCoordMiles = 1, kCoordMetres = 2, kCoordKilometres = 3 };
enum VelocityUnitCode : std::int32_t {
    kVelocityMetresPerSecond = 0,
    kVelocityKilometresPerHour = 1,
    kVelocityFeetPerSecond = 2,
    kVelocityMilesPerHour = 3,
};
enum DirectionalMethodCode : std::int32_t { kEffectiveFetch = 0, kSaville = 1, kSeymour = 2 };
enum SpectrumTypeCode : std::int32_t { kPiersonMoskowitz = 0, kJonswap = 1 };
enum SignificantMethodCode : std::int32_t { kBretschneider = 0, kBretschneiderDepth = 1, kWilson = 2 };
inline constexpr int kCoordUnitCount = 4;     // codes 0..3
inline constexpr int kVelocityUnitCount = 4;  // codes 0..3

// Every computation run fills this many spectral frequencies and surface samples.
inline constexpr int kFreqCount = 64;
inline constexpr int kSampleCount = 1000;

struct ProjectRecord {
    // Length-prefixed 8-bit (Windows-1252) title: Title[0] = length 0..80,
    // Title[1..80] the characters. Use TitleBytes()/SetTitleBytes().
    std::uint8_t Title[81];
    std::uint8_t Padding[3];  // not meaningful, kept as found

    std::int32_t BoundaryCount;      // 1..5 (0: region input stored none)
    std::int32_t CoordUnits;         // CoordUnitCode: 0 ft, 1 Miles, 2 m, 3 Km
    std::int32_t VelocityUnits;      // VelocityUnitCode: 0 m/sec, 1 Km/hr, 2 ft/sec, 3 m.p.h.
    std::int32_t DirectionalMethod;  // DirectionalMethodCode: 0 effective fetch, 1 Saville, 2 Seymour
    std::int32_t SpectrumType;       // SpectrumTypeCode: 0 Pierson-Moskowitz, 1 JONSWAP (default 2 shows as 1)
    std::int32_t SignificantMethod;  // SignificantMethodCode: 0 Bretschneider, 1 with depth, 2 Wilson
    std::int32_t RegionScaleIndex;
    std::int32_t RegionGridIndex;
    std::int32_t RegionSnapIndex;
    std::int32_t RegionWindowWidth;   // pixels, 0 = maximised
    std::int32_t RegionWindowHeight;  // pixels, 0 = maximised

    // Extents of the outer boundary in the last region drawing, coordinate units.
    float PlotMaxX;
    float PlotMaxY;
    float PlotMinX;
    float PlotMinY;
    float PlotSpanX;  // max(x range, y range)
    float PlotSpanY;  // same value as PlotSpanX

    float PointX;  // computation point, coordinate units
    float PointY;
    float WindDirection;      // degrees, counter-clockwise from +x
    float SectorAngle;        // full sector width, degrees, 4..180
    float WindVelocity;       // in VelocityUnits, >= 5
    float Depth;              // m for a metric project (CoordUnits > 1), ft otherwise, >= 5
    float ReservedParams[7];  // written with defaults, read by nothing

    std::int32_t NodeCount[6];         // [b], index 0 unused; see UsedNodeCount()
    std::int32_t NodeNumber[6][1001];  // 0 marks a gap node
    float NodeX[6][1001];              // [b][0] holds a copy of the last node
    float NodeY[6][1001];
};

static_assert(std::is_standard_layout_v<ProjectRecord>);
static_assert(offsetof(ProjectRecord, Title) == 0);
static_assert(offsetof(ProjectRecord, Padding) == 81);
static_assert(offsetof(ProjectRecord, BoundaryCount) == 84);
static_assert(offsetof(ProjectRecord, CoordUnits) == 88);
static_assert(offsetof(ProjectRecord, VelocityUnits) == 92);
static_assert(offsetof(ProjectRecord, DirectionalMethod) == 96);
static_assert(offsetof(ProjectRecord, SpectrumType) == 100);
static_assert(offsetof(ProjectRecord, SignificantMethod) == 104);
static_assert(offsetof(ProjectRecord, RegionScaleIndex) == 108);
static_assert(offsetof(ProjectRecord, RegionGridIndex) == 112);
static_assert(offsetof(ProjectRecord, RegionSnapIndex) == 116);
static_assert(offsetof(ProjectRecord, RegionWindowWidth) == 120);
static_assert(offsetof(ProjectRecord, RegionWindowHeight) == 124);
static_assert(offsetof(ProjectRecord, PlotMaxX) == 128);
static_assert(offsetof(ProjectRecord, PlotMaxY) == 132);
static_assert(offsetof(ProjectRecord, PlotMinX) == 136);
static_assert(offsetof(ProjectRecord, PlotMinY) == 140);
static_assert(offsetof(ProjectRecord, PlotSpanX) == 144);
static_assert(offsetof(ProjectRecord, PlotSpanY) == 148);
static_assert(offsetof(ProjectRecord, PointX) == 152);
static_assert(offsetof(ProjectRecord, PointY) == 156);
static_assert(offsetof(ProjectRecord, WindDirection) == 160);
static_assert(offsetof(ProjectRecord, SectorAngle) == 164);
static_assert(offsetof(ProjectRecord, WindVelocity) == 168);
static_assert(offsetof(ProjectRecord, Depth) == 172);
static_assert(offsetof(ProjectRecord, ReservedParams) == 176);
static_assert(offsetof(ProjectRecord, NodeCount) == 204);
static_assert(offsetof(ProjectRecord, NodeNumber) == 228);
static_assert(offsetof(ProjectRecord, NodeX) == 24252);
static_assert(offsetof(ProjectRecord, NodeY) == 48276);
static_assert(sizeof(ProjectRecord) == 72300);

inline constexpr std::size_t kProjectFileSize = sizeof(ProjectRecord);

// Results of the last computation run. Indices start at 1; index 0 unused.
struct WaveResults {
    float HeightM;                      // significant height, m
    float HeightFt;                     // significant height, ft
    float Period;                       // s: significant period (effective fetch, Saville) or peak period (Seymour)
    float TimeStep;                     // s, always 0.25
    std::int32_t FreqCount;             // kFreqCount after every run
    std::int32_t SampleCount;           // kSampleCount after every run
    float Freq[kFreqCount + 1];         // Hz
    float Density[kFreqCount + 1];      // (height unit)^2 / Hz
    float Elevation[kSampleCount + 1];  // height unit of the project, sample j at (j-1)*TimeStep
};

void SetProjectDefaults(ProjectRecord& rec);
void ClearBoundaries(ProjectRecord& rec);

// A loaded file is never validated, so counts used as loop bounds go through
// these: boundaries are clamped to 0..5 and node counts to 0..1000, which keeps
// every loop inside the arrays whatever the file held.
int UsedBoundaryCount(const ProjectRecord& rec);
int UsedNodeCount(const ProjectRecord& rec, int boundary);

// Metric project: coordinates in m or Km, depths and heights in metres.
inline bool IsMetric(const ProjectRecord& rec) { return rec.CoordUnits > kCoordMiles; }

// Title as its 8-bit bytes (length clamped to 80) and back (cut to 80 bytes).
std::string TitleBytes(const ProjectRecord& rec);
void SetTitleBytes(ProjectRecord& rec, const std::string& bytes);

}  // namespace orvane
