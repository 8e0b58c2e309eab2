// TOrvaneMain: the menus and the commands that are neither file commands
// nor commits of the controls: compute, draw region, refresh, the fetch and
// wave rose, printer set-up, the unit conversion tool, GIS import and export,
// the help menu's documents and web pages, About.
//
// Adding a menu command: a QAction member and its handler in OrvaneMainF.h,
// one AddCommand line at its place in BuildMenus, the handler below (or in a
// file of the feature's own).

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <algorithm>

#include "core/AppState.h"
#include "core/CommitRules.h"
#include "core/Format.h"
#include "core/Messages.h"
#include "core/Region.h"
#include "core/Units.h"
#include "tools/ApplicationPrinter.h"
#include "tools/ProductAddresses.h"
#include "tools/QtText.h"
#include "tools/ShellOpen.h"
#include "tools/help/HelpCommands.h"
#include "tools/help/HtmlHelpViewerF.h"
#include "tools/help/Manual.h"
#include "tools/units/GenUniConvesionF.h"
#include "ui/AboutF.h"
#include "ui/ComputationPascalF.h"
#include "ui/GisCommands.h"
#include "ui/GridFrameF.h"
#include "ui/OrvaneDrawRegionF.h"
#include "ui/OrvaneMainF.h"
#include "ui/WaveMapF.h"
#include "ui/WaveRoseF.h"

namespace orvane {

QMenu* TOrvaneMain::AddMenu(QMenu* parentMenu, const char* name, const char* caption)
{
    QMenu* menu = parentMenu ? parentMenu->addMenu(QLatin1String(caption)) : menuBar()->addMenu(QLatin1String(caption));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* TOrvaneMain::AddCommand(QMenu* menu, QAction*& slot, const char* name, const char* caption,
                                 void (TOrvaneMain::*handler)())
{
    slot = menu->addAction(QLatin1String(caption));
    slot->setObjectName(QLatin1String(name));
    connect(slot, &QAction::triggered, this, handler);
    return slot;
}

void TOrvaneMain::BuildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    File1 = AddMenu(nullptr, "File1", "File");
    AddCommand(File1, New1, "New1", "New", &TOrvaneMain::New1Click);
    AddCommand(File1, Open1, "Open1", "Open", &TOrvaneMain::Open1Click);
    AddCommand(File1, Save1, "Save1", "Save As..", &TOrvaneMain::Save1Click);
    AddCommand(File1, Projecttitle1, "Projecttitle1", "Project title", &TOrvaneMain::Projecttitle1Click);
    File1->addSeparator();
    AddCommand(File1, InputCoord01, "InputCoord01", "Input (read) X,Y coordinates from Text file",
               &TOrvaneMain::InputCoord01Click);
    AddCommand(File1, OutputCoordinates, "OutputCoordinates", "Output (save) X,Y coordinates to Text file",
               &TOrvaneMain::OutputCoordinatesClick);
    AddCommand(File1, ImportShoreline1, "ImportShoreline1", "Import shoreline...", &TOrvaneMain::ImportShoreline1Click);
    AddCommand(File1, ExportGis1, "ExportGis1", "Export to GIS...", &TOrvaneMain::ExportGis1Click);
    AddCommand(File1, PointFromLonLat1, "PointFromLonLat1", "Point from lon/lat...",
               &TOrvaneMain::PointFromLonLat1Click);
    ImportShoreline1->setVisible(GisCommands::Available());
    ExportGis1->setVisible(GisCommands::Available());
    PointFromLonLat1->setVisible(GisCommands::Available());
    File1->addSeparator();
    AddCommand(File1, Printer1, "Printer1", "Printer", &TOrvaneMain::Printer1Click);
    File1->addSeparator();
    AddCommand(File1, Exit1, "Exit1", "Exit", &TOrvaneMain::Exit1Click);
    File1->addSeparator();
    AddCommand(File1, LastFile, "LastFile", "1 :", &TOrvaneMain::LastFileClick);

    Tools1 = AddMenu(nullptr, "Tools1", "Tools");
    AddCommand(Tools1, UnitConversion, "UnitConversion", "Unit Conversion", &TOrvaneMain::UnitConversionClick);

    Actions1 = AddMenu(nullptr, "Actions1", "Actions");
    AddCommand(Actions1, ComputeWaves1, "ComputeWaves1", "Compute Waves", &TOrvaneMain::ComputeBtnClick);
    AddCommand(Actions1, Drawregion1, "Drawregion1", "Draw region", &TOrvaneMain::Drawregion1Click);
    AddCommand(Actions1, Refreshgraph1, "Refreshgraph1", "Refresh graph", &TOrvaneMain::PlotBtnClick);
    AddCommand(Actions1, Fetchandwaverose1, "Fetchandwaverose1", "Fetch and wave rose",
               &TOrvaneMain::Fetchandwaverose1Click);
    AddCommand(Actions1, WindGrowth1, "WindGrowth1", "Wind and growth...", &TOrvaneMain::WindGrowth1Click);
    AddCommand(Actions1, WaveClimate1, "WaveClimate1", "Wave climate...", &TOrvaneMain::WaveClimate1Click);
    AddCommand(Actions1, WaveMap1, "WaveMap1", "Wave map", &TOrvaneMain::WaveMap1Click);
    connect(Computation, &TComputationPascal::Computed, this, &TOrvaneMain::ShowGrowthLaw);

    Report1 = AddMenu(nullptr, "Report1", "Report");
    AddCommand(Report1, Previewreport1, "Previewreport1", "Preview report", &TOrvaneMain::Previewreport1Click);
    AddCommand(Report1, Printreport1, "Printreport1", "Print report", &TOrvaneMain::Printreport1Click);
    AddCommand(Report1, ExportreporttoPDF1, "ExportreporttoPDF1", "Export report to PDF",
               &TOrvaneMain::ExportreporttoPDF1Click);
    AddCommand(Report1, ExportreporttoWORD1, "ExportreporttoWORD1", "Export report to WORD",
               &TOrvaneMain::ExportreporttoWORD1Click);
    Report1->addSeparator();
    AddCommand(Report1, heoreticalsummarypreview1, "heoreticalsummarypreview1", "Preview theoretical summary",
               &TOrvaneMain::heoreticalsummarypreview1Click);
    AddCommand(Report1, objectheoreticalsummarypreview1TMenuItem1, "objectheoreticalsummarypreview1TMenuItem1",
               "Print theoretical summary", &TOrvaneMain::objectheoreticalsummarypreview1TMenuItem1Click);

    Help1 = AddMenu(nullptr, "Help1", "Help");
    ProgramUsersManual1 = AddMenu(Help1, "ProgramUsersManual1", "Program User's Manual");
    AddCommand(ProgramUsersManual1, inPDFformatACROBAT1, "inPDFformatACROBAT1", "in PDF format (ACROBAT)",
               &TOrvaneMain::inPDFformatACROBAT1Click);
    AddCommand(ProgramUsersManual1, inDOCformatWORD1, "inDOCformatWORD1", "in DOC format (WORD)",
               &TOrvaneMain::inDOCformatWORD1Click);
    AddCommand(Help1, FAQMenu, "FAQMenu", "Frequently Asked Questions", &TOrvaneMain::FAQMenuClick);
    Help1->addSeparator();
    AddCommand(Help1, Kavro1, "Kavro1", "Kavro ", &TOrvaneMain::Kavro1Click);
    Help1->addSeparator();
    AddCommand(Help1, About1, "About1", "About", &TOrvaneMain::About1Click);

    // A command on the bar itself, hidden until there is a contact address.
    ContuctUsMenu = menuBar()->addAction(QStringLiteral("Contact Us"));
    ContuctUsMenu->setObjectName(QStringLiteral("ContuctUsMenu"));
    connect(ContuctUsMenu, &QAction::triggered, this, &TOrvaneMain::Kavro1Click);

    Update1 = AddMenu(nullptr, "Update1", "Update");
    AddCommand(Update1, UptadeProgramMenu, "UptadeProgramMenu", "Uptade Program", &TOrvaneMain::UptadeProgramMenuClick);

    // Captions carry no accelerator letters; F10 opens the menu bar for the
    // keyboard, and the arrows move on from there.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(File1->menuAction());
    });
}

void TOrvaneMain::ComputeBtnClick()
{
    if (!FileOpen)
        return;
    ReadProject();
    ShowCommittedProject();
    Computation->ComputeAndShow();
}

void TOrvaneMain::Fetchandwaverose1Click()
{
    if (!FileOpen) {
        ShowMessage(MessageKind::Information, "A file must be opened first");
        return;
    }
    // The rose is the committed project's: commit what the controls hold first.
    ComputeBtnClick();
    if (!WaveRose1) {
        WaveRose1 = new TWaveRose(state_, this);
        connect(WaveRose1, &TWaveRose::DirectionChosen, this, &TOrvaneMain::WaveRoseDirectionChosen);
        connect(Computation, &TComputationPascal::Computed, WaveRose1, &TWaveRose::ProjectChanged);
    }
    WaveRose1->show();
    WaveRose1->raise();
    WaveRose1->activateWindow();
}

void TOrvaneMain::WaveRoseDirectionChosen(float windDirectionDeg)
{
    Edit3->setText(QString::fromStdString(Format(RuleOf(ValueField::WindDirection).format, windDirectionDeg)));
    EditsChange();
}

void TOrvaneMain::PlotBtnClick()
{
    ReadProject();
    ShowCommittedProject();
}

void TOrvaneMain::PlotDblClick()
{
    if (!FileOpen) {
        ShowMessage(MessageKind::Information, ToUtf8(TOrvaneDrawRegion::NoFileMessage()));
        return;
    }
    ReadProject();
    ShowProject();
    TOrvaneDrawRegion::EditRegion(state_.project, this, UnitsCombo->currentIndex(), IniFileName, &state_.companion.pad,
                                  CurrentFile, state_.companion.crs);
    // The drawing replaced every boundary: grids past the new count would
    // otherwise bring deleted boundaries back when the count is raised.
    for (int b = std::max(state_.project.BoundaryCount, 1) + 1; b <= kMaxBoundaries; ++b)
        Frame(b)->ClearGrid();
    ShowProject();
    PlotBtnClick();
    Computation->ComputeAndShow();
}

void TOrvaneMain::Drawregion1Click() { PlotDblClick(); }

void TOrvaneMain::Printer1Click()
{
    QPrinter* printer = ApplicationPrinter();
    if (!printer || !PrinterInstalled()) {
        ShowMessage(MessageKind::Warning, ToUtf8(PrinterSetupWarning()));
        return;
    }
    QPrintDialog dialog(printer, this);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog"));
    dialog.setWindowTitle(QStringLiteral("Printer setup"));
    // The dialog chooses the printer for later reports; nothing prints now.
    if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
        for (QAbstractButton* b : box->buttons()) {
            if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
                b->setText(QStringLiteral("OK"));
        }
    }
    dialog.exec();
}

void TOrvaneMain::About1Click()
{
    TAboutForm about(this);
    about.exec();
}

void TOrvaneMain::inPDFformatACROBAT1Click() { OpenWithShell(FindManual(".pdf")); }

void TOrvaneMain::inDOCformatWORD1Click() { OpenWithShell(FindManual(".doc")); }

// The FAQ is a compiled HTML help file, which the desktop has no handler for
// here: it opens in the program's own help window.
void TOrvaneMain::FAQMenuClick() { THtmlHelpViewer::Instance()->ShowAddress(FaqFile + QStringLiteral("::")); }

void TOrvaneMain::UnitConversionClick() { ShowUnitConversion(this); }

void TOrvaneMain::ImportShoreline1Click()
{
    ReadProject();
    if (!Gis->ImportShoreline(state_.project, state_.companion, ProjectsDir))
        return;
    OfferPointInWater();
    ShowProject();
    ComputeBtnClick();  // recomputes only with a file open
}

void TOrvaneMain::ExportGis1Click()
{
    ReadProject();
    ShowProject();
    Gis->ExportGis(state_.project, state_.companion, ProjectsDir);
    ShowProject();  // a coordinate system given there turns the bearings true
}

void TOrvaneMain::PointFromLonLat1Click()
{
    ReadProject();
    if (!Gis->PointFromLonLat(state_.project, state_.companion))
        return;
    OfferPointInWater();
    ShowProject();
    ComputeBtnClick();  // recomputes only with a file open
}

void TOrvaneMain::WaveMap1Click()
{
    if (!FileOpen) {
        ShowMessage(MessageKind::Information, "A file must be opened first");
        return;
    }
    // The map is the committed project's: commit what the controls hold first.
    ComputeBtnClick();
    if (!WaveMapWindow)
        WaveMapWindow = new TWaveMap(state_, this);
    WaveMapWindow->show();
    WaveMapWindow->raise();
    WaveMapWindow->activateWindow();
    if (!WaveMapWindow->Computing() && WaveMapWindow->Map().values.empty())
        WaveMapWindow->ComputeBtnClick();
}

void TOrvaneMain::setWinHelpMenuClick() { HelpCommands->setWinHelpMenuClick(); }

void TOrvaneMain::setHTMLHelpmenuClick() { HelpCommands->setHTMLHelpmenuClick(); }

void TOrvaneMain::Kavro1Click()
{
    if (MakerWebAddress().empty()) {
        ShowMessage(MessageKind::Information, kNoWebAddressText);
        return;
    }
    if (QMessageBox::question(this, QStringLiteral("Confirm"), KavroQuestion(), QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes)
        OpenWithShell(MakerWebAddress());
}

void TOrvaneMain::UptadeProgramMenuClick()
{
    // Without an address there is nothing to update from: the program stays.
    if (UpdateAddress().empty()) {
        ShowMessage(MessageKind::Information, kNoWebAddressText);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), UpdateQuestion(),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() != QMessageBox::Yes)
        return;
    OpenWithShell(UpdateAddress());
    close();
}

QString TOrvaneMain::PointOutsideQuestion(const ProjectRecord& rec, double x, double y)
{
    const std::string unit = CoordUnitName(rec.CoordUnits);
    return From1252(Format("The point (%.3f, %.3f %s) is not in the water region of the imported boundaries.\n\n"
                           "Move it to (%.3f, %.3f %s), the open water farthest from every shore?",
                           rec.PointX, rec.PointY, unit.c_str(), x, y, unit.c_str()));
}

bool TOrvaneMain::OfferPointInWater()
{
    ProjectRecord& rec = state_.project;
    if (PointInWater(rec))
        return false;
    const InteriorPoint inside = WaterInteriorPoint(rec);
    if (!inside.found)
        return false;  // no water to move it to
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), PointOutsideQuestion(rec, inside.x, inside.y),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("PointOutsideBox"));
    box.setDefaultButton(QMessageBox::Yes);
    if (box.exec() != QMessageBox::Yes)
        return false;
    rec.PointX = static_cast<float>(inside.x);
    rec.PointY = static_cast<float>(inside.y);
    return true;
}

}  // namespace orvane
