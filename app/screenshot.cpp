// Pictures of the main window for the README: each sample project in the
// wide window (1024 x 660) and one in the narrow variant (a 800 x 600
// screen); and the unit conversion window on its Stress tab. Run by
// scripts/screenshot.sh under a virtual display:
//
//   orvane-screenshot OUTPUT_FOLDER BAY.WDT HARBOUR.WDT
//
// The projects are opened and saved like in the program, so pass copies.

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QSize>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <string>

#include "core/AppState.h"
#include "core/Messages.h"
#include "tools/FontSubstitutes.h"
#include "tools/settings/FormatDefaults.h"
#include "tools/units/GenUniConvesionF.h"
#include "ui/OrvaneMainF.h"

namespace {

bool TakePicture(const QString& project, const QSize& screen, const QString& output)
{
    orvane::TOrvaneMain::SetScreenSizeForTesting(screen);
    orvane::AppState state;
    state.random.Seed(1);  // the same surface record on every run
    orvane::TOrvaneMain window(state);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.OpenProjectFile(project);
    // Let the layout settle and the charts paint at their final size.
    QTest::qWait(300);
    window.DrawRegionPlot();
    QTest::qWait(100);
    const bool saved = window.grab().toImage().save(output, "PNG");
    std::fprintf(stderr, "%s: %dx%d %s\n", output.toLocal8Bit().constData(), window.width(), window.height(),
                 saved ? "written" : "NOT written");
    window.close();
    return saved;
}

// 1 Pa in N/mm²: a negative power of ten in the result and in the factors.
bool TakeUnitConversionPicture(const QString& output)
{
    QTemporaryDir settings;  // neither reads nor changes the program's own state
    orvane::TGenUniConvesion tool(nullptr, (settings.path() + "/Units.INI").toStdString());
    tool.FormCreate();
    tool.PageControl1->setCurrentIndex(4);
    tool.InputEdit[4]->setText("1");
    tool.ToCombo[4]->setCurrentIndex(1);
    tool.show();
    if (!QTest::qWaitForWindowExposed(&tool))
        return false;
    QTest::qWait(100);
    const bool saved = tool.grab().toImage().save(output, "PNG");
    std::fprintf(stderr, "%s: %s\n", output.toLocal8Bit().constData(), saved ? "written" : "NOT written");
    return saved;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: orvane-screenshot OUTPUT_FOLDER BAY.WDT HARBOUR.WDT\n");
        return 2;
    }
    QApplication app(argc, argv);
    orvane::SetFormatDefaults();
    orvane::SetFontSubstitutes();
    orvane::SetMessageSink(
        [](orvane::MessageKind, const std::string& text) { std::fprintf(stderr, "message: %s\n", text.c_str()); });
    const QString out = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString bay = QString::fromLocal8Bit(argv[2]);
    const QString harbour = QString::fromLocal8Bit(argv[3]);
    bool ok = TakePicture(bay, QSize(1280, 800), out + QStringLiteral("main-window-bay.png"));
    ok = TakePicture(harbour, QSize(1280, 800), out + QStringLiteral("main-window-harbour.png")) && ok;
    ok = TakePicture(bay, QSize(800, 600), out + QStringLiteral("main-window-narrow.png")) && ok;
    ok = TakeUnitConversionPicture(out + QStringLiteral("unit-conversion.png")) && ok;
    return ok ? 0 : 1;
}
