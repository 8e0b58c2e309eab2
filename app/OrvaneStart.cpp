#include "app/OrvaneStart.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/MessageBoxSink.h"
#include "core/AppState.h"
#include "tools/FontSubstitutes.h"
#include "tools/ProgramFile.h"
#include "tools/help/HelpSystem.h"
#include "tools/settings/FormatDefaults.h"
#include "tools/units/GenUniConvesionF.h"
#include "ui/OrvaneMainF.h"

namespace orvane {

namespace {

constexpr const char* kUsage = "Usage: Orvane [FILE.WDT]\n"
                               "Starts Orvane; with a project file, opens that project.\n"
                               "  --help     this text\n"
                               "  --version  the program version\n";

// Runs whenShown after the window's first paint has been delivered, once.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> whenShown)
        : QObject(window), whenShown_(std::move(whenShown))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && whenShown_) {
            watched->removeEventFilter(this);
            // After this paint has reached the screen, not before it.
            QTimer::singleShot(0, this, [call = std::move(whenShown_)] { call(); });
        }
        return false;
    }

private:
    std::function<void()> whenShown_;
};

}  // namespace

StartRequest ParseStartArguments(const std::vector<std::string>& arguments)
{
    StartRequest request;
    bool optionsEnded = false;
    for (const std::string& arg : arguments) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            return {StartRequest::Kind::Help, {}, {}};
        } else if (!optionsEnded && arg == "--version") {
            return {StartRequest::Kind::Version, {}, {}};
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return {StartRequest::Kind::Usage, {}, "unknown option " + arg};
        } else if (request.projectFile.empty()) {
            request.projectFile = arg;
        } else {
            return {StartRequest::Kind::Usage, {}, "one project file at a time"};
        }
    }
    return request;
}

int RunOrvane(int argc, char* argv[], const std::function<void()>& whenShown)
{
    const StartRequest request =
        ParseStartArguments(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0)));
    switch (request.kind) {
    case StartRequest::Kind::Help: std::fputs(kUsage, stdout); return 0;
    case StartRequest::Kind::Version: std::printf("Orvane %s\n", ORVANE_VERSION_TEXT); return 0;
    case StartRequest::Kind::Usage: std::fprintf(stderr, "Orvane: %s\n%s", request.problem.c_str(), kUsage); return 2;
    case StartRequest::Kind::Run: break;
    }

    // Only the program's own name reaches the toolkit: its options are not
    // the program's (QT_QPA_PLATFORM and the like still choose the display).
    int toolkitArgc = argc > 0 ? 1 : 0;
    char* toolkitArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    // "." for decimals whatever the regional settings, before any window exists.
    SetFormatDefaults();
    SetFontSubstitutes();
    InstallMessageBoxSink();
    // An installed program writes its settings and projects in the user's
    // folders, which a first start makes (with the default settings and
    // copies of the sample projects).
    PrepareUserFolders(ProgramUserFolders(), ProgramFolder());
    // The one project, its results and the generator of the time-series phases.
    AppState state;
    state.random.SeedFromClock();
    // The help viewer is ready for the whole run and closes with it.
    LoadHtmlHelp();
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    // Ties the windows to orvane.desktop (its icon and name in the desktop's task list).
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane"));

    // Declared before the main window so that it is destroyed after it: its
    // destructor writes the unit tool's state once the main window has saved.
    std::unique_ptr<TGenUniConvesion> unitConversion;
    TOrvaneMain window(state);
    unitConversion.reset(CreateForm<TGenUniConvesion>(&window));  // hidden until its command
    if (whenShown)
        new FirstPaintWatch(&window, whenShown);
    window.show();
    // Named on the command line: opened as "Last file" would open it, over
    // the shown window, so that a message about it has its window.
    if (!request.projectFile.empty())
        window.OpenStartupFile(QFileInfo(QString::fromLocal8Bit(request.projectFile.c_str())).absoluteFilePath());
    return QApplication::exec();
}

}  // namespace orvane
