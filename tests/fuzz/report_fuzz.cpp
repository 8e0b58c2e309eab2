// Any bytes as a project file, made into the results report or the
// theoretical summary and exported as PDF or RTF in memory, as the report
// commands do with a damaged project: the reports have their pages, the
// documents are whole (a PDF with its end-of-file mark, an RTF group that
// closes where the document ends). The RTF's pictures are made at a low
// resolution: the layout and the writers are under test, not the pixels.
// Under the fuzzer each input makes one document, chosen by the input's
// length (an input costs a fraction of what four would), PDF for one input
// in four; a replay makes all four, so every kept input meets again the
// writer it once broke.

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

// Pictures of the RTF at 24 dpi instead of 300.
constexpr double kRtfDpi = 24;

void Export(const orvane::PreparedReport& report, bool pdf)
{
    Require(!report.pages.empty());
    const orvane::DocumentProperties properties {"fuzz", pdf ? "PDF report" : "RTF report", orvane::DocumentCreator()};
    if (pdf) {
        const QByteArray bytes = orvane::PdfDocument(report, properties);
        Require(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
    } else {
        Require(WholeRtf(orvane::RtfDocument(report, properties, kRtfDpi)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    orvane::fuzz::StartGui();
    auto rec = std::make_unique<orvane::ProjectRecord>();
    orvane::ReadProjectBytes(*rec, data, size);
#ifdef ORVANE_LIBFUZZER
    // The PDF export is mostly the toolkit's font embedding and costs three
    // RTF exports: one input in four makes a PDF (of either report).
    constexpr std::size_t kKindOf[8] = {0, 1, 1, 1, 2, 3, 3, 1};
    const std::size_t only = kKindOf[size % 8];
#else
    const std::size_t only = 4;  // all
#endif
    const auto wanted = [only](std::size_t kind) { return only == 4 || only == kind; };
    // 0, 1: the results report as PDF, RTF; 2, 3: the summary, which needs no computation.
    for (std::size_t kind : {2u, 3u}) {
        if (wanted(kind))
            Export(orvane::TOrvaneRep02(*rec).Prepare(), kind == 2);
    }
    if (!wanted(0) && !wanted(1))
        return 0;
    // As the report command: the method groups' clamp, one computation run.
    orvane::ClampMethodCodes(*rec);
    auto results = std::make_unique<orvane::WaveResults>();
    orvane::RandomGenerator random(1);
    orvane::ComputeWaves(*rec, *results, random);
    const orvane::TOrvaneRep01 report(*rec, *results, 1.0);
    const orvane::PreparedReport pages = report.Prepare();
    Require(pages.pages.size() == 2);
    for (std::size_t kind : {0u, 1u}) {
        if (wanted(kind))
            Export(pages, kind == 0);
    }
    return 0;
}
