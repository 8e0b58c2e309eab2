// TOrvaneMain: construction and FormCreate, closing, the routing of the
// events the window filters, and the window's fixed texts.

#include "ui/OrvaneMainF.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/AppState.h"
#include "core/Rounding.h"
#include "tools/FixedText.h"
#include "tools/FormFonts.h"
#include "tools/ProductAddresses.h"
#include "tools/ProgramFile.h"
#include "tools/QtText.h"
#include "tools/VersionText.h"
#include "tools/help/HelpCommands.h"
#include "tools/settings/IniSettings.h"
#include "ui/ColumnSplitter.h"
#include "ui/ComputationPascalF.h"
#include "ui/FetchLabel.h"
#include "ui/GisCommands.h"
#include "ui/GridFrameF.h"

namespace orvane {

namespace {

constexpr int kWideScreenMin = 900;  // px: narrower screens get the narrow layout
constexpr int kWideWidth = 1024;
constexpr int kWideHeight = 660;
constexpr int kMinWidth = 800;
constexpr int kMinHeight = 560;

QSize& ScreenOverride()
{
    static QSize size;
    return size;
}

// Captions of menu items are shown literally: "&" in a file name is doubled
// so that it is not taken for an accelerator mark.
QString LiteralCaption(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

void TOrvaneMain::SetScreenSizeForTesting(const QSize& size) { ScreenOverride() = size; }

float TOrvaneMain::PixelAspectOf(const QSizeF& physicalMm, const QSize& pixels)
{
    if (!(physicalMm.width() > 0 && physicalMm.height() > 0 && pixels.width() > 0 && pixels.height() > 0))
        return 1.0f;
    const double aspect = (physicalMm.width() / pixels.width()) / (physicalMm.height() / pixels.height());
    // Real displays have pixels within a factor of two of square; a report
    // outside that is a made-up size, not a display worth distorting for.
    if (!std::isfinite(aspect) || aspect < 0.5 || aspect > 2.0)
        return 1.0f;
    return static_cast<float>(aspect);
}

QString TOrvaneMain::ProjectFileFilter() { return QStringLiteral("Orvane data file (*.WDT *.wdt)"); }

QString TOrvaneMain::CoordinatesFileFilter() { return QStringLiteral("Txt file (*.txt)"); }

QString TOrvaneMain::PrinterSetupWarning()
{
    return QStringLiteral("ATTENTION\nPrinter setup dialog cannot be shown,\ndue to problem with the current printer.\n"
                          "From windows Settings/Printers, select\nanother printer as default printer");
}

QString TOrvaneMain::KavroQuestion()
{
    return QStringLiteral("On line connection with Kavro, ") + FromUtf8(MakerWebAddress());
}

QString TOrvaneMain::UpdateQuestion()
{
    return QStringLiteral("Connect to Internet and update the program from the site of KAVRO.\nClick YES to update");
}

TOrvaneMain::TOrvaneMain(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state)
{
    setObjectName(QStringLiteral("OrvaneMain"));
    // The window was laid out for its face at 8 points; children inherit it.
    QFont face = font();
    face.setFamily(UiFontName());
    face.setPointSize(8);
    setFont(face);
    BuildControls();
    BuildMenus();
    ConnectEvents();
    ApplyFormFace(this, UiFontName());
    FormCreate();
    // After the menus and the "?" buttons exist: the help items go to the top
    // of the Help menu and the help start-up runs from the settings file.
    HelpCommands = new THelpCommands(this, Help1, ToUtf8(IniFileName));
    setHelpmenu = HelpCommands->setHelpmenu;
    setWinHelpMenu = HelpCommands->setWinHelpMenu;
    setHTMLHelpmenu = HelpCommands->setHTMLHelpmenu;
    Gis = std::make_unique<GisCommands>(this);
}

TOrvaneMain::~TOrvaneMain()
{
    if (!destroyed_)
        FormDestroy();
}

void TOrvaneMain::FormCreate()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize testScreen = ScreenOverride();
    const int screenWidth = testScreen.isValid() ? testScreen.width() : (screen ? screen->size().width() : kWideWidth);
    const QRect work = testScreen.isValid()
                           ? QRect(QPoint(0, 0), testScreen)
                           : (screen ? screen->availableGeometry() : QRect(0, 0, kWideWidth, kWideHeight));

    // Size, and the narrow variant below 900 pixels.
    narrow_ = screenWidth < kWideScreenMin;
    setMinimumSize(std::min(kMinWidth, work.width()), std::min(kMinHeight, work.height()));
    std::array<double, 3> shares {0.17, 0.0, 0.38};
    if (!narrow_) {
        resize(kWideWidth, kWideHeight);
    } else {
        resize(work.size());
        shares = {0.2, 0.0, 0.33};
        Label3->setText(From1252("Wind angle\xB0"));
        Label4->setText(From1252("Sector angle\xB0"));
        for (QToolButton* b : {SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5})
            b->hide();
        PointPanel->layout()->setContentsMargins(0, 0, 0, 0);
    }
    shares[1] = 1.0 - shares[0] - shares[2];
    Splitter1->SetShares(shares);
    // ImageAngle stands left of the wind labels by the layout.

    Label10->SetLine(QString(), QString());
    TitleText.clear();
    ControlsReady = false;
    {
        const QSignalBlocker block(ComboYesNo);
        ComboYesNo->setCurrentIndex(0);
    }
    MeasurePixelAspect();
    SetProjectDefaults(state_.project);
    // Files beside the program; what the program writes goes where it may
    // write (the user's folders when it is installed).
    const QString programFolder = FromUtf8(ProgramFolder());
    const QString projectsFolder = FromUtf8(ProgramUserFolders().projects);
    ProjectsDir = projectsFolder;
    FaqFile = programFolder + QStringLiteral("OrvaneFAQ.chm");
    CurrentFile = ProjectsDir + QStringLiteral("Prj000.WDT");
    WinHelpFile = FromUtf8(ChangeFileExt(ProgramFileName(), ".HLP"));
    HtmlHelpFile = FromUtf8(ChangeFileExt(ProgramFileName(), ".CHM"));
    IniFileName = FromUtf8(MainIniPath());
    // The projects folder and the last file; an unreadable settings file
    // reads as "": the defaults stay then.
    const SettingsFile settings(ToUtf8(IniFileName));
    const std::string dir = settings.ReadString("PRJ", "DIR", ToUtf8(ProjectsDir));
    if (!dir.empty())
        ProjectsDir = FromUtf8(dir);
    if (!ProjectsDir.endsWith(QLatin1Char('/')))
        ProjectsDir += QLatin1Char('/');
    const std::string file = settings.ReadString("PRJ", "FILE", ToUtf8(CurrentFile));
    if (!file.empty())
        CurrentFile = FromUtf8(file);
    ContuctUsMenu->setEnabled(false);
    ContuctUsMenu->setVisible(false);
    // The project dialogs are made when needed; the open dialog starts in ProjectsDir.
    UpdateCaption();
    LastFileName = CurrentFile;
    LastFile->setText(LiteralCaption(QStringLiteral("1 :") + LastFileName));
    // Within the work area, centred.
    resize(std::min(width(), work.width()), std::min(height(), work.height()));
    move(work.center() - QPoint(width() / 2, height() / 2));
    // No file open: the last file stays only in "Last file".
    FileOpen = false;
    CurrentFile = projectsFolder + QStringLiteral("Temp.WDT");
    // Product text and short version; the panel widens to fit them.
    const QString status =
        FromUtf8(FixedText(FixedTextId::ProgramName)) + QStringLiteral("  ") + FromUtf8(VersionText(kVersionShort));
    StatusPanel0->setText(status);
    const int wanted = RoundEven(1.25 * StatusPanel0->fontMetrics().horizontalAdvance(status));
    if (wanted > StatusPanel0->minimumWidth())
        StatusPanel0->setMinimumWidth(wanted);
    SetupGridFrames();
    Computation->SetupCharts();
    // The defaults, shown with nothing to commit until a file is open.
    ShowProject();
    ControlsReady = false;
    for (QPushButton* b : {ComputeBtn, PlotBtn, ReportBtn})
        b->setEnabled(false);
    PageControl1->setCurrentIndex(0);
    // The help mode is kept in the settings for the help system.
    HelpMode = settings.ReadInteger("HELP", "ACTIVE", HelpMode);
    ApplyCoordUnits();
}

void TOrvaneMain::closeEvent(QCloseEvent* event)
{
    if (!destroyed_) {
        // A project that cannot be saved keeps the window open unless the
        // user chooses to quit without it.
        if (!SaveBeforeClosing()) {
            event->ignore();
            return;
        }
        destroyed_ = true;
        WriteSettings();
    }
    event->accept();
}

bool TOrvaneMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel2 && event->type() == QEvent::Resize) {
        ArrangeTopRow();
        return false;
    }
    if (watched == PlotPanel && event->type() == QEvent::Resize) {
        // The picture redraws itself at its new size; the stored extents
        // stay those of the last commit.
        GraphPanelResize();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType())
        return Edit1KeyDown(static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace orvane
