// The drawing pad alone in a window, with buttons for its five tools and for
// undo and redo: for trying the tools by hand and for pictures.
//
//   orvane_pad_host                          the empty pad
//   orvane_pad_host --shot FILE [--scale ROW] [--snap ROW] [--grid ROW]
//       draws a ring with the tools at those rows, saves the window as FILE
//       and quits (works with QT_QPA_PLATFORM=offscreen)
//   orvane_pad_host --shot FILE --project NAME.WDT
//   orvane_pad_host --shot FILE --utm
//       the region window opened on that project (or on a lake in UTM
//       metres), as the main window opens it, saved as FILE

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ProjectFile.h"
#include "core/ProjectRecord.h"
#include "core/Units.h"
#include "ui/DrawPad05F.h"
#include "ui/OrvaneDrawRegionF.h"

using namespace orvane;

namespace {

void AddButtons(TDrawPad05& pad)
{
    auto* column = new QVBoxLayout(pad.PanelMainLeft);
    const struct {
        const char* caption;
        TEditMode tool;
        void (TDrawPad05::*toggle)();
    } tools[] = {
        {"Set points", TEditMode::SetPoints, &TDrawPad05::ToggleSetPoints},
        {"Move Points", TEditMode::MovePoints, &TDrawPad05::ToggleMovePoints},
        {"Delete points", TEditMode::DeletePoints, &TDrawPad05::ToggleDeletePoints},
        {"Set lines", TEditMode::SetLines, &TDrawPad05::ToggleSetLines},
        {"Delete lines", TEditMode::DeleteLines, &TDrawPad05::ToggleDeleteLines},
    };
    for (const auto& t : tools) {
        auto* button = new QPushButton(QString::fromLatin1(t.caption), pad.PanelMainLeft);
        column->addWidget(button);
        pad.SetToolButton(t.tool, button);
        QObject::connect(button, &QPushButton::clicked, &pad, t.toggle);
    }
    for (QAction* action : {pad.UndoAction, pad.RedoAction}) {
        auto* button = new QPushButton(action->text().remove(QLatin1Char('&')), pad.PanelMainLeft);
        column->addWidget(button);
        button->setEnabled(action->isEnabled());
        QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
        QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    }
    column->addStretch();
}

// A six-node ring, kilometres; each click lands a pixel off the node so that
// snapping shows.
void DrawRing(TDrawPad05& pad)
{
    const PadXY ring[] = {{20, 15}, {62, 10}, {95, 31}, {88, 70}, {50, 86}, {14, 55}};
    const PadXY open[] = {{120, 20}, {140, 45}};
    auto click = [&](const PadXY& at) {
        const PadPixel p = pad.Mapping.WorldToPixel(at.X, at.Y);
        pad.DrawSurfaceMouseDown(Qt::LeftButton, p.X + 1, p.Y - 1);
        pad.DrawSurfaceMouseUp(Qt::LeftButton, p.X + 1, p.Y - 1);
    };
    pad.ToggleSetPoints();
    for (const PadXY& at : ring)
        click(at);
    for (const PadXY& at : open)
        click(at);
    pad.ToggleSetLines();
    for (const PadXY& at : ring)
        click(at);
    click(ring[0]);
    // A polyline in progress: its rubber band follows the cursor.
    for (const PadXY& at : open)
        click(at);
    const PadPixel cursor = pad.Mapping.WorldToPixel(128, 60);
    pad.DrawSurfaceMouseMove(cursor.X, cursor.Y);
}

// A lake of about 9 x 6 km in UTM metres (zone easting and northing).
ProjectRecord UtmLake()
{
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    rec.CoordUnits = 2;  // m
    const float lake[][2] = {{542100, 4394200}, {547300, 4393800}, {551050, 4396400}, {549800, 4399700},
                             {545200, 4400350}, {541900, 4398100}, {542100, 4394200}};
    rec.BoundaryCount = 1;
    rec.NodeCount[1] = 7;
    for (int k = 1; k <= 7; ++k) {
        rec.NodeNumber[1][k] = k;
        rec.NodeX[1][k] = lake[k - 1][0];
        rec.NodeY[1][k] = lake[k - 1][1];
    }
    return rec;
}

// The region window on rec, shown at 1100 x 760 and saved as file.
int RegionShot(QApplication& app, ProjectRecord rec, const QString& file)
{
    rec.RegionWindowWidth = 1100;
    rec.RegionWindowHeight = 760;
    TOrvaneDrawRegion window(rec, nullptr);
    window.OpenOnProject(UnitsComboCode(rec.CoordUnits), QStringLiteral("pad-host.ini"));
    window.show();
    app.processEvents();
    return window.grab().save(file) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.addOptions({{"shot", "Save the window with a drawn ring as FILE and quit.", "FILE"},
                        {"scale", "Scale row.", "ROW", "2"},
                        {"grid", "Grid row.", "ROW", "2"},
                        {"snap", "Snap row.", "ROW", "0"},
                        {"project", "Open the region window on this project.", "FILE"},
                        {"utm", "Open the region window on a lake in UTM metres."}});
    options.process(app);
    if (options.isSet("shot") && (options.isSet("project") || options.isSet("utm"))) {
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        if (options.isSet("utm"))
            rec = UtmLake();
        else if (!LoadProject(rec, options.value("project").toStdString()))
            return 1;
        return RegionShot(app, rec, options.value("shot"));
    }

    TDrawPad05 pad;
    AddButtons(pad);
    pad.SetUnits(1);
    pad.ResetDefaults();
    pad.SetScale(options.value("scale").toInt());
    pad.SetGridSize(options.value("grid").toInt());
    pad.SetSnap(options.value("snap").toInt());
    pad.Ready = true;
    pad.resize(1100, 760);
    pad.show();
    pad.Redraw();
    if (!options.isSet("shot"))
        return app.exec();

    DrawRing(pad);
    app.processEvents();
    return pad.grab().save(options.value("shot")) ? 0 : 1;
}
