// Orvane, the desktop program. It reads nothing from the command line or the
// environment: the settings files beside the program hold what persists.

#include <memory>

#include <QApplication>

#include "app/MessageBoxSink.h"
#include "core/AppState.h"
#include "tools/FontSubstitutes.h"
#include "tools/FormatDefaults.h"
#include "tools/GenUniConvesionF.h"
#include "tools/HelpSystem.h"
#include "ui/OrvaneMainF.h"

int main(int argc, char* argv[])
{
    // Only the program's own name reaches the toolkit: no option is read.
    int toolkitArgc = argc > 0 ? 1 : 0;
    char* toolkitArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(toolkitArgc, toolkitArgv);
    // "." for decimals whatever the regional settings, before any window exists.
    orvane::SetFormatDefaults();
    orvane::SetFontSubstitutes();
    orvane::InstallMessageBoxSink();
    // The one project, its results and the generator of the time-series phases.
    orvane::AppState state;
    state.random.SeedFromClock();
    // The help viewer is ready for the whole run and closes with it.
    orvane::LoadHtmlHelp();
    QApplication::setApplicationName(QStringLiteral("Orvane"));

    // Declared before the main window so that it is destroyed after it: its
    // destructor writes the unit tool's state once the main window has saved.
    std::unique_ptr<orvane::TGenUniConvesion> unitConversion;
    orvane::TOrvaneMain window(state);
    unitConversion.reset(orvane::CreateForm<orvane::TGenUniConvesion>(&window));  // hidden until its command
    window.show();
    return QApplication::exec();
}
