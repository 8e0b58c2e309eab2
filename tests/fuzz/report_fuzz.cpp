// Any bytes as a project file, made into the results report and the
// theoretical summary and exported as PDF and RTF in memory, as the report
// commands do with a damaged project: the reports have their pages, the
// documents are whole (a PDF with its end-of-file mark, an RTF group that
// closes where the document ends).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzChecks.h"
#include "core/ProjectFile.h"
#include "reports/DocumentExport.h"
#include "reports/OrvaneRep01F.h"
#include "reports/OrvaneRep02F.h"
#include "reports/RtfWriter.h"

namespace {

using orvane::fuzz::Require;

// The outer group of an RTF document closes at its last byte, and only there.
bool WholeRtf(const std::string& rtf)
{
    if (rtf.rfind("{\\rtf1", 0) != 0)
        return false;
    long depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;  // an escaped brace or backslash is text
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        if (depth == 0 && rtf.find_first_not_of("\r\n", i + 1) != std::string::npos)
            return false;
    }
    return depth == 0;
}

void Export(const orvane::PreparedReport& report)
{
    Require(!report.pages.empty());
    const orvane::DocumentProperties properties{"fuzz", "PDF report", orvane::DocumentCreator()};
    const QByteArray pdf = orvane::PdfDocument(report, properties);
    Require(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"));
    Require(WholeRtf(orvane::RtfDocument(report, properties)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orvane::fuzz::StartGui();
    auto rec = std::make_unique<orvane::ProjectRecord>();
    orvane::ReadProjectBytes(*rec, data, size);
    // As the report command: the method groups' clamp, one computation run.
    orvane::ClampMethodCodes(*rec);
    auto results = std::make_unique<orvane::WaveResults>();
    orvane::RandomGenerator random(1);
    orvane::ComputeWaves(*rec, *results, random);

    const orvane::TOrvaneRep01 report(*rec, *results, 1.0);
    const orvane::PreparedReport pages = report.Prepare();
    Require(pages.pages.size() == 2);
    Export(pages);
    Export(orvane::TOrvaneRep02(*rec).Prepare());
    return 0;
}
