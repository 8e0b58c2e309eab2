#pragma once
// TOrvaneRep00: the page frame both reports share. A4 portrait with 10 mm
// margins (190 mm printable width), Arial 10 pt, a page header with the
// project title over a rule, and a page footer with the program's report
// footer under a rule, both on every page.
//
// A report is built afresh for every use and keeps nothing between uses:
// construct it, prepare its pages, paint or export them, let it go.

#include "core/ProjectRecord.h"
#include "reports/Pagination.h"
#include "reports/ReportModel.h"

class QPrinter;

namespace orvane {

namespace frame {
inline constexpr double kPrintableWidthMm = 190;
inline constexpr double kHeadBandMm = 6.1;
inline constexpr double kFootBandMm = 10.3;  // the results report's; the summary sets its own
}  // namespace frame

class TOrvaneRep00 {
public:
    // The page frame alone (FormCreate): title band and TopBand are empty and
    // without height until a report fills them.
    explicit TOrvaneRep00(const ProjectRecord& rec);
    virtual ~TOrvaneRep00();
    TOrvaneRep00(const TOrvaneRep00&) = delete;
    TOrvaneRep00& operator=(const TOrvaneRep00&) = delete;

    // Bands HeadBand (SubjectLabel), TitleBand, TopBand, FootBand (KavroLabel)
    // and whatever a report adds.
    Report QRep;

    // The placed pages, measured with the fonts of this system.
    PreparedReport Prepare() const;

    // The printer the report prints on: the application's, as chosen with
    // "Printer". Called before every printing.
    static QPrinter* QRepBeforePrint();

protected:
    void FormCreate(const ProjectRecord& rec);
};

}  // namespace orvane
