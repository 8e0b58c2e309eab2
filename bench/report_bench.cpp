// Report times: building the Bay results report and painting it into a PDF
// document (in memory), the same as RTF with its 300 dpi pictures, the
// theoretical summary, and the whole `orvane-cli report` command to a file,
// process start included.

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "core/ComputeWaves.h"
#include "core/ProjectFile.h"
#include "core/Random.h"
#include "reports/DocumentExport.h"
#include "reports/OrvaneRep01F.h"
#include "reports/OrvaneRep02F.h"
#include "reports/RtfWriter.h"

namespace {

using namespace orvane;

struct Bay {
    Bay()
    {
        SetProjectDefaults(rec);
        LoadProject(rec, std::string(ORVANE_SAMPLES_DIR) + "/Bay.WDT");
        ClampMethodCodes(rec);
        RandomGenerator random;
        random.Seed(1);
        ComputeWaves(rec, results, random);
    }
    ProjectRecord rec {};
    WaveResults results {};
};

void BM_BayReportToPdf(benchmark::State& state)
{
    auto bay = std::make_unique<Bay>();
    const DocumentProperties properties {"Bay", "PDF report", DocumentCreator()};
    for (auto _ : state) {
        const PreparedReport pages = TOrvaneRep01(bay->rec, bay->results).Prepare();
        const QByteArray pdf = PdfDocument(pages, properties);
        benchmark::DoNotOptimize(pdf.constData());
    }
}
BENCHMARK(BM_BayReportToPdf)->Unit(benchmark::kMillisecond);

void BM_BayReportToRtf(benchmark::State& state)
{
    auto bay = std::make_unique<Bay>();
    const DocumentProperties properties {"Bay", "RTF report", DocumentCreator()};
    for (auto _ : state) {
        const PreparedReport pages = TOrvaneRep01(bay->rec, bay->results).Prepare();
        const std::string rtf = RtfDocument(pages, properties);
        benchmark::DoNotOptimize(rtf.data());
    }
}
BENCHMARK(BM_BayReportToRtf)->Unit(benchmark::kMillisecond);

void BM_SummaryToPdf(benchmark::State& state)
{
    auto bay = std::make_unique<Bay>();
    const DocumentProperties properties {"Bay", "PDF report", DocumentCreator()};
    for (auto _ : state) {
        const QByteArray pdf = PdfDocument(TOrvaneRep02(bay->rec).Prepare(), properties);
        benchmark::DoNotOptimize(pdf.constData());
    }
}
BENCHMARK(BM_SummaryToPdf)->Unit(benchmark::kMillisecond);

void BM_CliReport(benchmark::State& state, const char* extension)
{
    const std::string command = std::string("\"") + ORVANE_CLI_PATH + "\" report \"" + ORVANE_SAMPLES_DIR +
                                "/Bay.WDT\" \"" + ORVANE_BENCH_OUT + "/bench-report" + extension +
                                "\" --seed 1 >/dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("orvane-cli report failed");
            break;
        }
    }
}
BENCHMARK_CAPTURE(BM_CliReport, pdf, ".pdf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CliReport, rtf, ".rtf")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
