#pragma once
// TOrvaneRepClimate: the "Wave climate" report. Page 1: the site (project
// title, point, region picture), the inputs (wind record, rows kept and
// skipped, station, growth law and climate settings) and the occurrence
// rose. Page 2: the return values per sector with their intervals and Tp,
// and the return-period chart of every direction together.
//
// Built from the project and a climate result; the callbacks keep copies,
// so the report outlives its sources. On the page frame of TOrvaneRep00.

#include <memory>
#include <string>

#include "core/ClimateAnalysis.h"
#include "core/ProjectRecord.h"
#include "reports/OrvaneRep00F.h"

namespace orvane {

// What the report says of where the winds came from.
struct ClimateReportInputs {
    std::string windFile;     // as the user named it
    std::string readSummary;  // "438000 rows kept, 1970-01-01 00:00 to ..."
    std::string skipped;      // "12 rows skipped: ..." or empty
    std::string station;      // "anemometer 10 m, 1-hour mean, over water"
};

class TOrvaneRepClimate : public TOrvaneRep00 {
public:
    TOrvaneRepClimate(const ProjectRecord& rec, const ClimateResult& result, const ClimateReportInputs& inputs);

    // The return-value table as it is printed: one line per sector, Hs and its
    // 90 % interval at 1, 10, 50 and 100 years, and Tp at 100 years.
    static std::string ReturnTableText(const ClimateResult& result);

private:
    std::shared_ptr<const ProjectRecord> rec_;
    std::shared_ptr<const ClimateResult> result_;
};

}  // namespace orvane
