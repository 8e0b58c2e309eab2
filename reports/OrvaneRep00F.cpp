#include "reports/OrvaneRep00F.h"

#include <algorithm>

#include "core/Text1252.h"
#include "reports/QtTextMeasurer.h"
#include "tools/ApplicationPrinter.h"
#include "tools/FixedText.h"

namespace orvane {

TOrvaneRep00::TOrvaneRep00(const ProjectRecord& rec) { FormCreate(rec); }

TOrvaneRep00::~TOrvaneRep00() = default;

void TOrvaneRep00::FormCreate(const ProjectRecord& rec)
{
    QRep = Report {};
    {
        Band& head = QRep.AddBand(BandKind::PageHeader, "HeadBand", frame::kHeadBandMm);
        head.Label("SubjectLabel", Cp1252ToUtf8(TitleBytes(rec)), Font("Arial", 10), 2.1, 1.1);
        head.Rule("HeadRule", 0, frame::kHeadBandMm, frame::kPrintableWidthMm, frame::kHeadBandMm);
    }
    QRep.AddBand(BandKind::Title, "TitleBand", 0);
    QRep.AddBand(BandKind::Child, "TopBand", 0);
    {
        Band& foot = QRep.AddBand(BandKind::PageFooter, "FootBand", frame::kFootBandMm);
        foot.Rule("FootRule", 0, 0, frame::kPrintableWidthMm, 0);
        std::string footer = FixedText(FixedTextId::ReportFooter);
        footer.resize(std::min(footer.size(), FixedTextMaxLength(FixedTextId::ReportFooter)));
        foot.Label("KavroLabel", footer, Font("Arial", 8), 2.1, 2.1);
    }
}

PreparedReport TOrvaneRep00::Prepare() const { return Paginate(QRep, QtTextMeasurer()); }

QPrinter* TOrvaneRep00::QRepBeforePrint() { return ApplicationPrinter(); }

}  // namespace orvane
