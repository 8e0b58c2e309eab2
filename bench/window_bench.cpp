// What the user feels in the desktop program, offscreen:
// - start-up: the program's own start (application object, main window,
//   shown and painted), as a fresh process and within one process;
// - opening the sample Bay with its first results on screen;
// - a commit ("Compute Waves") of the largest region the program allows
//   (bench/WorstCase.h) to the redrawn picture and charts.
// Every figure ends when the parts the operation changed have painted.
// Goals: start-up under 150 ms, opening under 30 ms, a commit within one
// frame (16 ms).

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include "WorstCase.h"
#include "core/AppState.h"
#include "core/ProjectFile.h"
#include "tools/FontSubstitutes.h"
#include "tools/settings/FormatDefaults.h"
#include "ui/ChartView.h"
#include "ui/ComputationPascalF.h"
#include "ui/GridFrameF.h"
#include "ui/OrvaneMainF.h"
#include "ui/RegionPicture.h"
#include "ui/StringGridExtF.h"

namespace {

using namespace orvane;
using Clock = std::chrono::steady_clock;

void Configure(benchmark::internal::Benchmark* b)
{
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseManualTime();
}

// Notes which of the region picture and the two chart views have painted.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(TOrvaneMain& w) : targets_ {w.Plot, w.Computation->PlotSpec, w.Computation->PlotTime}
    {
        for (QObject* target : targets_)
            target->installEventFilter(this);
    }
    void Reset() { painted_ = {}; }
    bool AllPainted() const { return painted_[0] && painted_[1] && painted_[2]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            for (std::size_t i = 0; i < targets_.size(); ++i)
                painted_[i] = painted_[i] || watched == targets_[i];
        }
        return false;
    }

private:
    std::array<QObject*, 3> targets_;
    std::array<bool, 3> painted_ {};
};

// Runs the event loop until the picture and both charts have painted since
// the watch was reset (or half a second has passed).
void UntilPainted(const PaintWatch& watch)
{
    const auto giveUp = Clock::now() + std::chrono::milliseconds(500);
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    while (!watch.AllPainted() && Clock::now() < giveUp);
    // Whatever else the operation left to lay out or paint.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// A fresh process of the program's start, from fork to its first paint.
void BM_StartupProcess(benchmark::State& state)
{
    for (auto _ : state) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) {
            state.SkipWithError("pipe");
            return;
        }
        const auto start = Clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(pipeFds[1], 1);
            ::close(pipeFds[0]);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::execl(ORVANE_STARTUP_PROBE, ORVANE_STARTUP_PROBE, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        char line[16] = {};
        const ssize_t n = ::read(pipeFds[0], line, sizeof line - 1);
        state.SetIterationTime(Seconds(start));
        ::close(pipeFds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (n <= 0 || std::string(line, static_cast<std::size_t>(n)) != "shown\n") {
            state.SkipWithError("the probe did not show its window");
            return;
        }
    }
}
BENCHMARK(BM_StartupProcess)->Apply(Configure);

// Within this process (the application object exists): the main window
// created, shown and painted.
void BM_MainWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        AppState app;
        const auto start = Clock::now();
        auto window = std::make_unique<TOrvaneMain>(app);
        PaintWatch watch(*window);
        window->show();
        UntilPainted(watch);
        state.SetIterationTime(Seconds(start));
        state.PauseTiming();
        window.reset();  // saves the scratch project: not part of starting
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowShown)->Apply(Configure);

// A shown main window with its own copies of the projects.
struct Session {
    QTemporaryDir folder;
    AppState app;
    std::unique_ptr<TOrvaneMain> window;
    std::unique_ptr<PaintWatch> watch;

    Session()
    {
        app.random.Seed(1);
        window = std::make_unique<TOrvaneMain>(app);
        watch = std::make_unique<PaintWatch>(*window);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            std::fputs("main window not exposed\n", stderr);
        UntilPainted(*watch);
    }
    QString File(const char* name) const { return folder.filePath(QLatin1String(name)); }
};

void BM_OpenBay(benchmark::State& state)
{
    Session s;
    QFile::copy(QStringLiteral(ORVANE_SAMPLES_DIR "/Bay.WDT"), s.File("Bay.WDT"));
    for (auto _ : state) {
        s.watch->Reset();
        const auto start = Clock::now();
        s.window->OpenProjectFile(s.File("Bay.WDT"));
        UntilPainted(*s.watch);
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(BM_OpenBay)->Apply(Configure);

void BM_CommitWorstCase(benchmark::State& state)
{
    Session s;
    SaveProject(bench::WorstCase(), s.File("Worst.WDT").toStdString());
    s.window->OpenProjectFile(s.File("Worst.WDT"));
    s.watch->Reset();
    UntilPainted(*s.watch);
    for (auto _ : state) {
        s.watch->Reset();
        const auto start = Clock::now();
        s.window->ComputeBtnClick();
        UntilPainted(*s.watch);
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(BM_CommitWorstCase)->Apply(Configure);

// A wind-direction spin click on the worst case: a value commit, grids untouched.
void BM_SpinWorstCase(benchmark::State& state)
{
    Session s;
    SaveProject(bench::WorstCase(), s.File("Worst.WDT").toStdString());
    s.window->OpenProjectFile(s.File("Worst.WDT"));
    s.watch->Reset();
    UntilPainted(*s.watch);
    bool up = true;
    for (auto _ : state) {
        s.watch->Reset();
        const auto start = Clock::now();
        up ? s.window->SpinButton3UpClick() : s.window->SpinButton3DownClick();
        UntilPainted(*s.watch);
        state.SetIterationTime(Seconds(start));
        up = !up;
    }
}
BENCHMARK(BM_SpinWorstCase)->Apply(Configure);

// One node of the outer boundary moved in its grid, then Enter: the grid
// is read and shown back, the region redrawn, the waves computed.
void BM_EditWorstCase(benchmark::State& state)
{
    Session s;
    SaveProject(bench::WorstCase(), s.File("Worst.WDT").toStdString());
    s.window->OpenProjectFile(s.File("Worst.WDT"));
    s.watch->Reset();
    UntilPainted(*s.watch);
    TStringGridExt* grid = s.window->GFrame1->StringGrid();
    const QString original = grid->Cell(1, 500);
    bool moved = false;
    for (auto _ : state) {
        grid->SetCell(1, 500, moved ? original : QStringLiteral("11.5"));
        moved = !moved;
        s.watch->Reset();
        const auto start = Clock::now();
        s.window->EditsChange();
        UntilPainted(*s.watch);
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(BM_EditWorstCase)->Apply(Configure);

}  // namespace

int main(int argc, char** argv)
{
    // The start-up benchmark's child process and the windows here draw offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetFormatDefaults();
    SetFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
