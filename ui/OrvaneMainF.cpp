#include "ui/OrvaneMainF.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QSpacerItem>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "core/AppState.h"
#include "core/ComputeWaves.h"
#include "core/CoordinatesFile.h"
#include "core/Fetch.h"
#include "core/Format.h"
#include "core/Messages.h"
#include "core/NumberText.h"
#include "core/ProjectFile.h"
#include "core/Text1252.h"
#include "core/Units.h"
#include "graphics/QtRaster.h"
#include "graphics/RegionPlot.h"
#include "tools/ApplicationPrinter.h"
#include "tools/FixedText.h"
#include "tools/FormFonts.h"
#include "tools/IniSettings.h"
#include "tools/Manual.h"
#include "tools/PrinterCheck.h"
#include "tools/ProductAddresses.h"
#include "tools/ProgramFile.h"
#include "tools/ShellOpen.h"
#include "tools/VersionText.h"
#include "ui/AboutF.h"
#include "ui/ComputationPascalF.h"
#include "ui/DirectionalWtypeF.h"
#include "ui/GridFrameF.h"
#include "ui/SpecificWtypeF.h"
#include "ui/SpectrumTypeF.h"
#include "ui/SpinButton.h"
#include "ui/StringGridExtF.h"

namespace orvane {

namespace {

constexpr int kWideScreenMin = 900;  // px: narrower screens get the narrow layout
constexpr int kWideWidth = 1024;
constexpr int kWideHeight = 660;
constexpr int kMinWidth = 800;
constexpr int kMinHeight = 560;
constexpr int kStatusPanelWidth = 200;

QSize& ScreenOverride()
{
    static QSize size;
    return size;
}

// Halves to even, as every size rule of the window rounds.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.c_str(), static_cast<int>(text.size())); }
QString From1252(const std::string& text1252) { return FromUtf8(Cp1252ToUtf8(text1252)); }
std::string ToStd(const QString& text) { return text.toStdString(); }

// Captions of menu items are shown literally: "&" in a file name is doubled
// so that it is not taken for an accelerator mark.
QString LiteralCaption(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}
QString CaptionText(const QString& caption)
{
    QString text = caption;
    return text.replace(QLatin1String("&&"), QLatin1String("&"));
}

// The three columns keep their share of the width when the window is resized;
// dragging a splitter handle sets new shares.
class ColumnSplitter : public QSplitter {
public:
    explicit ColumnSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent)
    {
        connect(this, &QSplitter::splitterMoved, this, [this](int, int) { KeepShares(); });
    }
    void SetShares(std::array<double, 3> shares)
    {
        shares_ = shares;
        ApplyShares();
    }
    void ApplyShares()
    {
        const int available = width() - 2 * handleWidth();
        if (available <= 0 || count() != 3)
            return;
        // The outer columns take their share, or their minimum when that is
        // more; the middle column gives way first.
        const int left = std::max(RoundEven(shares_[0] * available), widget(0)->minimumSizeHint().width());
        const int right = std::max(RoundEven(shares_[2] * available), widget(2)->minimumSizeHint().width());
        setSizes({left, std::max(0, available - left - right), right});
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QSplitter::resizeEvent(event);
        ApplyShares();
    }

private:
    void KeepShares()
    {
        const QList<int> s = sizes();
        const double total = static_cast<double>(s.value(0) + s.value(1) + s.value(2));
        if (s.size() == 3 && total > 0)
            shares_ = {s[0] / total, s[1] / total, s[2] / total};
    }
    std::array<double, 3> shares_{0.17, 0.45, 0.38};
};

QToolButton* HelpButton(QWidget* parent, const char* name, const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("?"));
    button->setToolTip(QLatin1String(hint));
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(20, 20);
    return button;
}

QLabel* NewLabel(QWidget* parent, const QString& text, const char* name = nullptr)
{
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* NewEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(72);
    return edit;
}

TSpinButton* NewSpin(QWidget* parent, const char* name)
{
    auto* spin = new TSpinButton(parent);
    spin->setObjectName(QLatin1String(name));
    return spin;
}

QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, const char* hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(hint));
    return button;
}

QFrame* NewPanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

// The angle convention beside the wind labels: the +x axis, a direction
// counter-clockwise from it and the arc between them.
QPixmap AnglePicture()
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF origin(6, 34);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(origin, QPointF(38, 34));
    p.drawLine(QPointF(38, 34), QPointF(34, 31.5));
    p.drawLine(QPointF(38, 34), QPointF(34, 36.5));
    p.setPen(QPen(QColor(255, 0, 0), 2));
    const QPointF tip(6 + 28 * std::cos(0.8), 34 - 28 * std::sin(0.8));
    p.drawLine(origin, tip);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawArc(QRectF(origin.x() - 16, origin.y() - 16, 32, 32), 0, RoundEven(0.8 * 180 / M_PI * 16));
    return pixmap;
}

// Node numbers are written " %3d"; shown without their leading blanks they
// keep their digits in the narrow number column instead of being elided.
class NodeNumberDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = option->text.trimmed();
    }
};

// A pencil over a polygon: the picture of the region drawing command.
QIcon DrawRegionIcon()
{
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(166, 202, 240));
    const QPointF ring[] = {{1, 16}, {3, 7}, {9, 9}, {12, 16}};
    p.drawPolygon(ring, 4);
    p.setPen(QPen(QColor(128, 64, 0), 2.5));
    p.drawLine(QPointF(9, 13), QPointF(16, 2));
    return QIcon(pixmap);
}

}  // namespace

// --- construction -----------------------------------------------------------

void TOrvaneMain::SetScreenSizeForTesting(const QSize& size) { ScreenOverride() = size; }

float TOrvaneMain::PixelAspectOf(const QSizeF& physicalMm, const QSize& pixels)
{
    if (!(physicalMm.width() > 0 && physicalMm.height() > 0 && pixels.width() > 0 && pixels.height() > 0))
        return 1.0f;
    const double aspect =
        (physicalMm.width() / pixels.width()) / (physicalMm.height() / pixels.height());
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
    return QStringLiteral(
        "ATTENTION\nPrinter setup dialog cannot be shown,\ndue to problem with the current printer.\n"
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
}

TOrvaneMain::~TOrvaneMain()
{
    if (!destroyed_)
        FormDestroy();
}

void TOrvaneMain::BuildControls()
{
    Splitter1 = new ColumnSplitter(this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setHandleWidth(4);
    setCentralWidget(Splitter1);

    // Left column: the region's boundaries.
    Panel5 = NewPanel(Splitter1, "Panel5");
    auto* left = new QVBoxLayout(Panel5);
    left->setContentsMargins(4, 4, 2, 4);
    auto* heading = new QHBoxLayout;
    auto* regionLabel = NewLabel(Panel5, QStringLiteral("Regional coordinates"), "Label1");
    QFont bold = regionLabel->font();
    bold.setBold(true);
    regionLabel->setFont(bold);
    heading->addWidget(regionLabel, 1);
    SpeedButton2 = HelpButton(Panel5, "SpeedButton2", "Help on region data");
    heading->addWidget(SpeedButton2);
    left->addLayout(heading);

    auto* regionGrid = new QGridLayout;
    regionGrid->setHorizontalSpacing(4);
    SpinEdit1 = new QSpinBox(Panel5);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 5);
    // The value changes only by the arrows (mouse, arrow keys, page keys).
    if (auto* text = SpinEdit1->findChild<QLineEdit*>())
        text->setReadOnly(true);
    SpinEdit1->setFixedWidth(48);
    UnitsCombo = NewCombo(Panel5, "UnitsCombo", {"m", "Km", "ft", "Miles"});
    ComboYesNo = NewCombo(Panel5, "ComboYesNo", {"No", "Yes"});
    const std::array<QWidget*, 3> regionControls{SpinEdit1, UnitsCombo, ComboYesNo};
    const std::array<const char*, 3> regionCaptions{"Number of boundaries", "Units of coordinates",
                                                    "Graph as you enter x,y"};
    const std::array<const char*, 3> regionNames{"Label7", "Label8", "Label9"};
    for (int i = 0; i < 3; ++i) {
        auto* label = NewLabel(Panel5, QLatin1String(regionCaptions[i]), regionNames[i]);
        label->setWordWrap(true);
        label->setBuddy(regionControls[i]);
        regionGrid->addWidget(label, i, 0);
        regionGrid->addWidget(regionControls[i], i, 1, Qt::AlignLeft);
    }
    regionGrid->setColumnStretch(0, 1);
    left->addLayout(regionGrid);

    PageControl1 = new QTabWidget(Panel5);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setUsesScrollButtons(true);
    PageControl1->setDocumentMode(true);
    const std::array<const char*, 5> tabCaptions{"Outer", "Int-1", "Int-2", "Int-3", "Int-4"};
    std::array<QWidget*, 5> sheets{};
    std::array<TGFrame*, 5> frames{};
    for (int i = 0; i < 5; ++i) {
        sheets[i] = new QWidget(PageControl1);
        sheets[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        frames[i] = new TGFrame(state_.project, sheets[i]);
        frames[i]->setObjectName(QStringLiteral("GFrame%1").arg(i + 1));
        frames[i]->StringGrid()->setItemDelegateForColumn(0, new NodeNumberDelegate(frames[i]->StringGrid()));
        auto* sheetLayout = new QVBoxLayout(sheets[i]);
        sheetLayout->setContentsMargins(0, 2, 0, 0);
        sheetLayout->addWidget(frames[i]);
        PageControl1->addTab(sheets[i], QLatin1String(tabCaptions[i]));
    }
    TabSheet1 = sheets[0];
    TabSheet2 = sheets[1];
    TabSheet3 = sheets[2];
    TabSheet4 = sheets[3];
    TabSheet5 = sheets[4];
    GFrame1 = frames[0];
    GFrame2 = frames[1];
    GFrame3 = frames[2];
    GFrame4 = frames[3];
    GFrame5 = frames[4];
    left->addWidget(PageControl1, 1);

    // Middle column: point, wind, depth, commands and the region picture.
    Panel2 = NewPanel(Splitter1, "Panel2");
    auto* middle = new QVBoxLayout(Panel2);
    middle->setContentsMargins(2, 4, 2, 4);

    topRow_ = new QBoxLayout(QBoxLayout::LeftToRight);
    auto* topRow = topRow_;
    PointPanel = new QGroupBox(QStringLiteral("Point where waves are computed "), Panel2);
    PointPanel->setObjectName(QStringLiteral("PointPanel"));
    auto* pointGrid = new QGridLayout(PointPanel);
    pointGrid->setHorizontalSpacing(3);
    pointGrid->setVerticalSpacing(3);
    Label5 = NewLabel(PointPanel, QStringLiteral("x="), "Label5");
    Label6 = NewLabel(PointPanel, QStringLiteral("y="), "Label6");
    Edit1 = NewEdit(PointPanel, "Edit1");
    Edit2 = NewEdit(PointPanel, "Edit2");
    SpinButton1 = NewSpin(PointPanel, "SpinButton1");
    SpinButton2 = NewSpin(PointPanel, "SpinButton2");
    pointGrid->addWidget(Label5, 0, 0, Qt::AlignRight);
    pointGrid->addWidget(Edit1, 0, 1);
    pointGrid->addWidget(SpinButton1, 0, 2);
    pointGrid->addWidget(Label6, 1, 0, Qt::AlignRight);
    pointGrid->addWidget(Edit2, 1, 1);
    pointGrid->addWidget(SpinButton2, 1, 2);
    topRow->addWidget(PointPanel);

    auto* windPanel = NewPanel(Panel2, "WindPanel");
    windPanel_ = windPanel;
    auto* windGrid = new QGridLayout(windPanel);
    windGrid->setContentsMargins(4, 4, 0, 4);
    windGrid->setHorizontalSpacing(3);
    windGrid->setVerticalSpacing(3);
    ImageAngle = NewLabel(windPanel, QString(), "ImageAngle");
    ImageAngle->setPixmap(AnglePicture());
    ImageAngle->setToolTip(QStringLiteral("angles in degrees, counter-clockwise from the +x axis"));
    Label3 = NewLabel(windPanel, From1252("Wind direction [\xB0]"), "Label3");
    Label4 = NewLabel(windPanel, From1252("Wind sector [\xB0]"), "Label4");
    Edit3 = NewEdit(windPanel, "Edit3");
    Edit4 = NewEdit(windPanel, "Edit4");
    SpinButton3 = NewSpin(windPanel, "SpinButton3");
    SpinButton4 = NewSpin(windPanel, "SpinButton4");
    windGrid->addWidget(ImageAngle, 0, 0, 2, 1, Qt::AlignCenter);
    windGrid->addWidget(Label3, 0, 1);
    windGrid->addWidget(Edit3, 0, 2);
    windGrid->addWidget(SpinButton3, 0, 3);
    windGrid->addWidget(Label4, 1, 1);
    windGrid->addWidget(Edit4, 1, 2);
    windGrid->addWidget(SpinButton4, 1, 3);
    topRow->addWidget(windPanel);
    topRowSpacer_ = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    topRow->addSpacerItem(topRowSpacer_);
    middle->addLayout(topRow);

    auto* secondRow = new QHBoxLayout;
    auto* velocityPanel = NewPanel(Panel2, "VelocityPanel");
    auto* velocityGrid = new QGridLayout(velocityPanel);
    velocityGrid->setContentsMargins(4, 0, 0, 0);
    velocityGrid->setHorizontalSpacing(3);
    velocityGrid->setVerticalSpacing(3);
    VunitsCombo = NewCombo(velocityPanel, "VunitsCombo", {"m/sec", "Km/hr", "ft/sec", "m.p.h."});
    VunitsCombo->setFixedWidth(72);
    SpeedButton1 = HelpButton(velocityPanel, "SpeedButton1", "Help on Wind data");
    Edit5 = NewEdit(velocityPanel, "Edit5");
    SpinButton5 = NewSpin(velocityPanel, "SpinButton5");
    LabelftORm = NewLabel(velocityPanel, QStringLiteral("[m]"), "LabelftORm");
    Edit6 = NewEdit(velocityPanel, "Edit6");
    SpinButton6 = NewSpin(velocityPanel, "SpinButton6");
    velocityGrid->addWidget(NewLabel(velocityPanel, QStringLiteral("Wind velocity units"), "Label11"), 0, 0, 1, 2);
    velocityGrid->addWidget(VunitsCombo, 0, 2);
    velocityGrid->addWidget(SpeedButton1, 0, 3);
    velocityGrid->addWidget(NewLabel(velocityPanel, QStringLiteral("Wind velocity "), "Label12"), 1, 0, 1, 2);
    velocityGrid->addWidget(Edit5, 1, 2);
    velocityGrid->addWidget(SpinButton5, 1, 3);
    velocityGrid->addWidget(NewLabel(velocityPanel, QStringLiteral("Average depth "), "Label13"), 2, 0);
    velocityGrid->addWidget(LabelftORm, 2, 1, Qt::AlignRight);
    velocityGrid->addWidget(Edit6, 2, 2);
    velocityGrid->addWidget(SpinButton6, 2, 3);
    secondRow->addWidget(velocityPanel);
    secondRow->addSpacing(4);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    ComputeBtn = NewButton(Panel2, "ComputeBtn", QStringLiteral("Compute Waves"), "wave forecasting for the region");
    ReportBtn = NewButton(Panel2, "ReportBtn", QStringLiteral("Report"), "preview the report");
    PlotBtn = NewButton(Panel2, "PlotBtn", QStringLiteral("Refresh Graph"), "refresh region graph");
    for (QPushButton* b : {ComputeBtn, ReportBtn, PlotBtn}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    secondRow->addLayout(buttons);
    secondRow->addStretch(1);
    middle->addLayout(secondRow);

    GraphPanel = new QWidget(Panel2);
    GraphPanel->setObjectName(QStringLiteral("GraphPanel"));
    auto* graphLayout = new QVBoxLayout(GraphPanel);
    graphLayout->setContentsMargins(0, 2, 0, 0);
    PlotPanel = NewPanel(GraphPanel, "PlotPanel");
    PlotPanel->setAutoFillBackground(true);
    QPalette white = PlotPanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    PlotPanel->setPalette(white);
    PlotPanel->setMinimumSize(120, 120);
    graphLayout->addWidget(PlotPanel);
    Plot = NewLabel(PlotPanel, QString(), "Plot");
    Plot->setScaledContents(true);
    Label10 = NewLabel(PlotPanel, QString(), "Label10");
    Label10->setAutoFillBackground(true);  // readable over the sector lines
    NodeNumbersCheckBox = new QCheckBox(QStringLiteral("show node numbers"), PlotPanel);
    NodeNumbersCheckBox->setObjectName(QStringLiteral("NodeNumbersCheckBox"));
    BitBtn1 = new QToolButton(PlotPanel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(DrawRegionIcon());
    BitBtn1->setToolTip(QStringLiteral("go to graphics modulus"));
    BitBtn1->setEnabled(false);  // the region drawing command is not part of this window yet
    middle->addWidget(GraphPanel, 1);

    // Right column: the three method choices and the results.
    Panel4 = NewPanel(Splitter1, "Panel4");
    auto* right = new QVBoxLayout(Panel4);
    right->setContentsMargins(2, 4, 4, 4);
    right->setSpacing(2);
    DirectionalWtype1 = new TDirectionalWtype(Panel4);
    DirectionalWtype1->setObjectName(QStringLiteral("DirectionalWtype1"));
    SpectrumType1 = new TSpectrumType(Panel4);
    SpectrumType1->setObjectName(QStringLiteral("SpectrumType1"));
    SpecificWtype1 = new TSpecificWtype(Panel4);
    SpecificWtype1->setObjectName(QStringLiteral("SpecificWtype1"));
    // The method groups take the main window's wording.
    DirectionalWtype1->RadioGroup1->SetCaption(QStringLiteral("Directional spectrum effect method"));
    DirectionalWtype1->RadioGroup1->SetItems(
        {QStringLiteral("Effective fetch "), QStringLiteral("Savillle "), QStringLiteral("Seymour")});
    DirectionalWtype1->RadioGroup1->SetColumns(3);
    SpectrumType1->RadioGroup1->SetColumns(2);
    SpecificWtype1->RadioGroup1->SetItems({QStringLiteral("Bretschneider "), QStringLiteral("Bretschneider(depth) "),
                                           QStringLiteral("Wilson")});
    SpecificWtype1->RadioGroup1->SetColumns(3);
    SpeedButton3 = HelpButton(Panel4, "SpeedButton3", "Help on Directional spectra effects");
    SpeedButton4 = HelpButton(Panel4, "SpeedButton4", "Help on Spectrum type");
    SpeedButton5 = HelpButton(Panel4, "SpeedButton5", "Help on Specific wave computation");
    const std::array<QWidget*, 3> methods{DirectionalWtype1, SpectrumType1, SpecificWtype1};
    const std::array<QToolButton*, 3> methodHelp{SpeedButton3, SpeedButton4, SpeedButton5};
    for (int i = 0; i < 3; ++i) {
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(methods[i], 1);
        row->addWidget(methodHelp[i], 0, Qt::AlignVCenter);
        right->addLayout(row);
    }
    Computation = new TComputationPascal(state_, Panel4);
    right->addWidget(Computation, 1);

    Splitter1->addWidget(Panel5);
    Splitter1->addWidget(Panel2);
    Splitter1->addWidget(Panel4);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusPanel0 = NewLabel(StatusBar, QString(), "StatusPanel0");
    StatusPanel0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StatusPanel0->setMinimumWidth(kStatusPanelWidth);
    StatusBar->addWidget(StatusPanel0);
    setStatusBar(StatusBar);

    // Reading order; the spin arrows and "?" buttons take no focus.
    setTabOrder(SpinEdit1, UnitsCombo);
    setTabOrder(UnitsCombo, ComboYesNo);
    setTabOrder(ComboYesNo, PageControl1);
    QWidget* previous = PageControl1;
    for (TGFrame* frame : frames) {
        setTabOrder(previous, frame->StringGrid());
        previous = frame->StringGrid();
    }
    setTabOrder(previous, Edit1);
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, VunitsCombo);
    setTabOrder(VunitsCombo, Edit5);
    setTabOrder(Edit5, Edit6);
    setTabOrder(Edit6, ComputeBtn);
    setTabOrder(ComputeBtn, ReportBtn);
    setTabOrder(ReportBtn, PlotBtn);
    setTabOrder(PlotBtn, NodeNumbersCheckBox);
    setTabOrder(NodeNumbersCheckBox, DirectionalWtype1);
    setTabOrder(DirectionalWtype1, SpectrumType1);
    setTabOrder(SpectrumType1, SpecificWtype1);
}

void TOrvaneMain::BuildMenus()
{
    auto action = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QLatin1String(caption));
        a->setObjectName(QLatin1String(name));
        return a;
    };
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(QStringLiteral("File"));
    File1->setObjectName(QStringLiteral("File1"));
    New1 = action(File1, "New1", "New");
    Open1 = action(File1, "Open1", "Open");
    Save1 = action(File1, "Save1", "Save As..");
    File1->addSeparator();
    InputCoord01 = action(File1, "InputCoord01", "Input (read) X,Y coordinates from Text file");
    OutputCoordinates = action(File1, "OutputCoordinates", "Output (save) X,Y coordinates to Text file");
    File1->addSeparator();
    Printer1 = action(File1, "Printer1", "Printer");
    File1->addSeparator();
    Exit1 = action(File1, "Exit1", "Exit");
    File1->addSeparator();
    LastFile = action(File1, "LastFile", "1 :");

    Actions1 = bar->addMenu(QStringLiteral("Actions"));
    Actions1->setObjectName(QStringLiteral("Actions1"));
    ComputeWaves1 = action(Actions1, "ComputeWaves1", "Compute Waves");
    Refreshgraph1 = action(Actions1, "Refreshgraph1", "Refresh graph");

    Help1 = bar->addMenu(QStringLiteral("Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    ProgramUsersManual1 = Help1->addMenu(QStringLiteral("Program User's Manual"));
    ProgramUsersManual1->setObjectName(QStringLiteral("ProgramUsersManual1"));
    inPDFformatACROBAT1 = action(ProgramUsersManual1, "inPDFformatACROBAT1", "in PDF format (ACROBAT)");
    inDOCformatWORD1 = action(ProgramUsersManual1, "inDOCformatWORD1", "in DOC format (WORD)");
    FAQMenu = action(Help1, "FAQMenu", "Frequently Asked Questions");
    Help1->addSeparator();
    Kavro1 = action(Help1, "Kavro1", "Kavro ");
    Help1->addSeparator();
    About1 = action(Help1, "About1", "About");

    ContuctUsMenu = bar->addAction(QStringLiteral("Contact Us"));
    ContuctUsMenu->setObjectName(QStringLiteral("ContuctUsMenu"));

    Update1 = bar->addMenu(QStringLiteral("Update"));
    Update1->setObjectName(QStringLiteral("Update1"));
    UptadeProgramMenu = action(Update1, "UptadeProgramMenu", "Uptade Program");

    // Captions carry no accelerator letters; F10 opens the menu bar for the
    // keyboard, and the arrows move on from there.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    menuKey->setObjectName(QStringLiteral("MenuKey"));
    connect(menuKey, &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::ShortcutFocusReason);
        menuBar()->setActiveAction(File1->menuAction());
    });
}

void TOrvaneMain::ConnectEvents()
{
    connect(New1, &QAction::triggered, this, &TOrvaneMain::New1Click);
    connect(Open1, &QAction::triggered, this, &TOrvaneMain::Open1Click);
    connect(Save1, &QAction::triggered, this, &TOrvaneMain::Save1Click);
    connect(InputCoord01, &QAction::triggered, this, &TOrvaneMain::InputCoord01Click);
    connect(OutputCoordinates, &QAction::triggered, this, &TOrvaneMain::OutputCoordinatesClick);
    connect(Printer1, &QAction::triggered, this, &TOrvaneMain::Printer1Click);
    connect(Exit1, &QAction::triggered, this, &TOrvaneMain::Exit1Click);
    connect(LastFile, &QAction::triggered, this, &TOrvaneMain::LastFileClick);
    connect(ComputeWaves1, &QAction::triggered, this, &TOrvaneMain::ComputeBtnClick);
    connect(Refreshgraph1, &QAction::triggered, this, &TOrvaneMain::PlotBtnClick);
    connect(inPDFformatACROBAT1, &QAction::triggered, this, &TOrvaneMain::inPDFformatACROBAT1Click);
    connect(inDOCformatWORD1, &QAction::triggered, this, &TOrvaneMain::inDOCformatWORD1Click);
    connect(FAQMenu, &QAction::triggered, this, &TOrvaneMain::FAQMenuClick);
    connect(Kavro1, &QAction::triggered, this, &TOrvaneMain::Kavro1Click);
    connect(ContuctUsMenu, &QAction::triggered, this, &TOrvaneMain::Kavro1Click);
    connect(About1, &QAction::triggered, this, &TOrvaneMain::About1Click);
    connect(UptadeProgramMenu, &QAction::triggered, this, &TOrvaneMain::UptadeProgramMenuClick);

    connect(ComputeBtn, &QPushButton::clicked, this, &TOrvaneMain::ComputeBtnClick);
    connect(PlotBtn, &QPushButton::clicked, this, &TOrvaneMain::PlotBtnClick);

    connect(SpinButton1, &TSpinButton::UpClick, this, &TOrvaneMain::SpinButton1UpClick);
    connect(SpinButton1, &TSpinButton::DownClick, this, &TOrvaneMain::SpinButton1DownClick);
    connect(SpinButton2, &TSpinButton::UpClick, this, &TOrvaneMain::SpinButton2UpClick);
    connect(SpinButton2, &TSpinButton::DownClick, this, &TOrvaneMain::SpinButton2DownClick);
    connect(SpinButton3, &TSpinButton::UpClick, this, &TOrvaneMain::SpinButton3UpClick);
    connect(SpinButton3, &TSpinButton::DownClick, this, &TOrvaneMain::SpinButton3DownClick);
    connect(SpinButton4, &TSpinButton::UpClick, this, &TOrvaneMain::SpinButton4UpClick);
    connect(SpinButton4, &TSpinButton::DownClick, this, &TOrvaneMain::SpinButton4DownClick);
    connect(SpinButton5, &TSpinButton::UpClick, this, &TOrvaneMain::SpinButton5UpClick);
    connect(SpinButton5, &TSpinButton::DownClick, this, &TOrvaneMain::SpinButton5DownClick);
    connect(SpinButton6, &TSpinButton::UpClick, this, &TOrvaneMain::SpinButton6UpClick);
    connect(SpinButton6, &TSpinButton::DownClick, this, &TOrvaneMain::SpinButton6DownClick);

    // The list and spin handlers act on the user's changes only: the
    // transfer routines set these controls with their signals blocked.
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TOrvaneMain::SpinEdit1Change);
    connect(UnitsCombo, &QComboBox::currentIndexChanged, this, &TOrvaneMain::UnitsComboChange);
    connect(VunitsCombo, &QComboBox::currentIndexChanged, this, &TOrvaneMain::VunitsComboChange);
    connect(ComboYesNo, &QComboBox::currentIndexChanged, this, &TOrvaneMain::ComboYesNoChange);
    connect(NodeNumbersCheckBox, &QCheckBox::clicked, this, &TOrvaneMain::NodeNumbersCheckBoxClick);
    for (TMethodFrame* method : std::array<TMethodFrame*, 3>{DirectionalWtype1, SpectrumType1, SpecificWtype1})
        connect(method, &TMethodFrame::Click, this, &TOrvaneMain::MethodClick);
    for (int b = 1; b <= kMaxBoundaries; ++b)
        connect(Frame(b), &TGFrame::EnterPressed, this, &TOrvaneMain::GFrame1StringGridKeyDown);

    for (QWidget* field : std::array<QWidget*, 7>{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, VunitsCombo})
        field->installEventFilter(this);
    PlotPanel->installEventFilter(this);
    Panel2->installEventFilter(this);
}

// --- creation and shutdown --------------------------------------------------

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
    std::array<double, 3> shares{0.17, 0.0, 0.38};
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
    static_cast<ColumnSplitter*>(Splitter1)->SetShares(shares);
    // ImageAngle stands left of the wind labels by the layout.

    Label10->clear();
    TitleText.clear();
    ControlsReady = false;
    {
        const QSignalBlocker block(ComboYesNo);
        ComboYesNo->setCurrentIndex(0);
    }
    MeasurePixelAspect();
    SetProjectDefaults(state_.project);
    // Files beside the program.
    const QString programFolder = FromUtf8(ProgramFolder());
    ProjectsDir = programFolder + QStringLiteral("Projects/");
    FaqFile = programFolder + QStringLiteral("OrvaneFAQ.chm");
    CurrentFile = ProjectsDir + QStringLiteral("Prj000.WDT");
    WinHelpFile = FromUtf8(ChangeFileExt(ProgramFileName(), ".HLP"));
    HtmlHelpFile = FromUtf8(ChangeFileExt(ProgramFileName(), ".CHM"));
    IniFileName = FromUtf8(MainIniPath());
    // The projects folder and the last file; an unreadable settings file
    // reads as "": the defaults stay then.
    const std::string dir = ReadIniString(ToStd(IniFileName), "PRJ", "DIR", ToStd(ProjectsDir));
    if (!dir.empty())
        ProjectsDir = FromUtf8(dir);
    if (!ProjectsDir.endsWith(QLatin1Char('/')))
        ProjectsDir += QLatin1Char('/');
    const std::string file = ReadIniString(ToStd(IniFileName), "PRJ", "FILE", ToStd(CurrentFile));
    if (!file.empty())
        CurrentFile = FromUtf8(file);
    ContuctUsMenu->setEnabled(false);
    ContuctUsMenu->setVisible(false);
    // The project dialogs are made when needed; the open dialog starts in ProjectsDir.
    UpdateCaption();
    LastFile->setText(LiteralCaption(QStringLiteral("1 :") + CurrentFile));
    // Within the work area, centred.
    resize(std::min(width(), work.width()), std::min(height(), work.height()));
    move(work.center() - QPoint(width() / 2, height() / 2));
    // No file open: the last file stays only in the "Last file" caption.
    FileOpen = false;
    CurrentFile = programFolder + QStringLiteral("Projects/Temp.WDT");
    // Product text and short version; the panel widens to fit them.
    const QString status = FromUtf8(FixedText(FixedTextId::ProgramName)) + QStringLiteral("  ") +
                           FromUtf8(VersionText(kVersionShort));
    StatusPanel0->setText(status);
    const int wanted = RoundEven(1.25 * StatusPanel0->fontMetrics().horizontalAdvance(status));
    if (wanted > StatusPanel0->minimumWidth())
        StatusPanel0->setMinimumWidth(wanted);
    for (int b = 1; b <= kMaxBoundaries; ++b)
        Frame(b)->SetupGrid();
    Computation->SetupCharts();
    // The defaults, shown with nothing to commit until a file is open.
    ShowProject();
    ControlsReady = false;
    for (QPushButton* b : {ComputeBtn, PlotBtn, ReportBtn})
        b->setEnabled(false);
    PageControl1->setCurrentIndex(0);
    // The help mode is kept in the settings for the help system.
    HelpMode = ReadIniInteger(ToStd(IniFileName), "HELP", "ACTIVE", HelpMode);
    ApplyCoordUnits();
}

void TOrvaneMain::closeEvent(QCloseEvent* event)
{
    if (!destroyed_)
        FormDestroy();
    event->accept();
}

void TOrvaneMain::FormDestroy()
{
    destroyed_ = true;
    const std::string ini = ToStd(IniFileName);
    WriteIniInteger(ini, "HELP", "ACTIVE", HelpMode);
    if (FileOpen) {
        WriteIniString(ini, "PRJ", "DIR", ToStd(ProjectsDir));
        WriteIniString(ini, "PRJ", "FILE", ToStd(CurrentFile));
    }
    SaveCurrentFile();
}

// --- transfer ---------------------------------------------------------------

TGFrame* TOrvaneMain::Frame(int boundary) const
{
    const std::array<TGFrame*, 5> frames{GFrame1, GFrame2, GFrame3, GFrame4, GFrame5};
    return frames[static_cast<std::size_t>(std::clamp(boundary, 1, 5) - 1)];
}

void TOrvaneMain::ShowUnitLabels()
{
    const ProjectRecord& rec = state_.project;
    const QString unit = From1252(CoordUnitName(rec.CoordUnits));
    LabelftORm->setText(QStringLiteral("[") + From1252(DepthUnitName(rec.CoordUnits)) + QStringLiteral("]"));
    Label5->setText(QStringLiteral("x [") + unit + QStringLiteral("]="));
    Label6->setText(QStringLiteral("y [") + unit + QStringLiteral("]="));
}

void TOrvaneMain::ShowValues()
{
    ProjectRecord& rec = state_.project;
    ShowUnitLabels();
    Edit1->setText(FromUtf8(Format("%8.3f", rec.PointX)));
    Edit2->setText(FromUtf8(Format("%8.3f", rec.PointY)));
    Edit3->setText(FromUtf8(Format("%6.2f", rec.WindDirection)));
    Edit4->setText(FromUtf8(Format("%6.2f", rec.SectorAngle)));
    Edit5->setText(FromUtf8(Format("%6.2f", rec.WindVelocity)));
    Edit6->setText(FromUtf8(Format("%8.3f", rec.Depth)));
    {
        const QSignalBlocker block(VunitsCombo);
        VunitsCombo->setCurrentIndex(rec.VelocityUnits >= 0 && rec.VelocityUnits <= 3 ? rec.VelocityUnits : -1);
    }
    // A group shows a code above its last item as the last item; the record
    // takes that choice at once, so the next computation uses what is shown.
    ClampMethodCodes(rec);
    DirectionalWtype1->ShowChoice(rec);
    SpecificWtype1->ShowChoice(rec);
    SpectrumType1->ShowChoice(rec);
    if (FileOpen)
        DrawRegionPlot();
    ControlsReady = true;
}

void TOrvaneMain::ShowProject()
{
    ControlsReady = false;
    const ProjectRecord& rec = state_.project;
    {
        const QSignalBlocker block(UnitsCombo);
        UnitsCombo->setCurrentIndex(UnitsComboCode(rec.CoordUnits));
    }
    {
        const QSignalBlocker block(SpinEdit1);
        SpinEdit1->setValue(rec.BoundaryCount);
    }
    ShowBoundaryTabs();
    GFrame1->LoadBoundary(1);
    for (int b = 2; b <= kMaxBoundaries; ++b) {
        if (rec.BoundaryCount >= b)
            Frame(b)->LoadBoundary(b);
    }
    ShowValues();
}

void TOrvaneMain::ReadValues()
{
    ProjectRecord& rec = state_.project;
    const std::array<std::pair<QLineEdit*, float*>, 6> fields{{{Edit1, &rec.PointX},
                                                               {Edit2, &rec.PointY},
                                                               {Edit3, &rec.WindDirection},
                                                               {Edit4, &rec.SectorAngle},
                                                               {Edit5, &rec.WindVelocity},
                                                               {Edit6, &rec.Depth}}};
    for (const auto& [edit, field] : fields)
        *field = TextToFloat(ToStd(edit->text()), *field);
    // A value that is no number (only a damaged file holds one) counts as
    // below the limit, so the computation never sees it.
    if (rec.SectorAngle > 180.0f)
        rec.SectorAngle = 180.0f;
    if (!(rec.SectorAngle >= 4.0f))
        rec.SectorAngle = 4.0f;
    if (!(rec.WindVelocity >= 5.0f))
        rec.WindVelocity = 5.0f;
    if (!(rec.Depth >= 5.0f))
        rec.Depth = 5.0f;
    // An empty list (a unit code the file held outside the table) keeps the code.
    if (VunitsCombo->currentIndex() >= 0)
        rec.VelocityUnits = VunitsCombo->currentIndex();
    for (TMethodFrame* method : std::array<TMethodFrame*, 3>{DirectionalWtype1, SpecificWtype1, SpectrumType1}) {
        if (method->RadioGroup1->ItemIndex() >= 0)
            method->StoreChoice(rec);
    }
}

void TOrvaneMain::ReadProject()
{
    ProjectRecord& rec = state_.project;
    const int code = UnitsComboCode(UnitsCombo->currentIndex());
    if (code >= 0)
        rec.CoordUnits = code;
    rec.BoundaryCount = SpinEdit1->value();
    GFrame1->StoreBoundary(1);
    for (int b = 2; b <= kMaxBoundaries; ++b) {
        if (rec.BoundaryCount >= b)
            Frame(b)->StoreBoundary(b);
    }
    ReadValues();
}

void TOrvaneMain::ApplyCoordUnits()
{
    const int code = UnitsComboCode(UnitsCombo->currentIndex());
    if (code >= 0)
        state_.project.CoordUnits = code;
    ShowUnitLabels();
    ShowBoundaryTabs();
}

void TOrvaneMain::ShowBoundaryTabs()
{
    // The outer boundary's tab stays, even for a record that holds no boundary.
    const int count = std::clamp(state_.project.BoundaryCount, 1, kMaxBoundaries);
    for (int i = 0; i < kMaxBoundaries; ++i)
        PageControl1->setTabVisible(i, i < count);
    if (!PageControl1->isTabVisible(PageControl1->currentIndex()))
        PageControl1->setCurrentIndex(0);
    SetupGridFrames();
}

void TOrvaneMain::SetupGridFrames()
{
    for (int b = 1; b <= kMaxBoundaries; ++b)
        Frame(b)->SetupGrid();
}

void TOrvaneMain::EditsChange()
{
    if (!(ControlsReady && FileOpen))
        return;
    ReadProject();
    ShowProject();
    Computation->ComputeAndShow();
}

void TOrvaneMain::ValuesChange()
{
    if (!(ControlsReady && FileOpen))
        return;
    ReadValues();
    ShowValues();
    Computation->ComputeAndShow();
}

// --- region picture ---------------------------------------------------------

void TOrvaneMain::DrawRegionPlot()
{
    GraphPanelResize();
    RenderPlot();
    const ProjectRecord& rec = state_.project;
    const float fetch = WindDirectionFetch(rec);
    Label10->setText(From1252(Format("at angle %.2f\xB0,   fetch=%.2f %s", rec.WindDirection, fetch,
                                     CoordUnitName(rec.CoordUnits))));
    PlaceOverlayControls();
}

void TOrvaneMain::RenderPlot()
{
    QtRaster raster(Plot->width(), Plot->height());
    orvane::DrawRegionPlot(state_.project, raster, NodeNumbersCheckBox->isChecked());
    Plot->setPixmap(QPixmap::fromImage(raster.Image()));
    plotDrawn_ = true;
}

void TOrvaneMain::MeasurePixelAspect()
{
    const QScreen* screen = Plot->screen() ? Plot->screen() : QGuiApplication::primaryScreen();
    PixelAspect = screen ? PixelAspectOf(screen->physicalSize(), screen->size()) : 1.0f;
}

void TOrvaneMain::GraphPanelResize()
{
    const int panelWidth = PlotPanel->width();
    const int panelHeight = PlotPanel->height();
    const float aspect = PixelAspect > 0.0f && std::isfinite(PixelAspect) ? PixelAspect : 1.0f;
    // A physically square picture: h pixels are as tall as w pixels are wide
    // when h = w * aspect (aspect = pixel width / pixel height).
    const int squareHeight = RoundEven(panelWidth * static_cast<double>(aspect));
    if (squareHeight < panelHeight)
        Plot->setGeometry(0, panelHeight - squareHeight, panelWidth, squareHeight);
    else
        Plot->setGeometry(0, 0, RoundEven(panelHeight / static_cast<double>(aspect)), panelHeight);
    PlaceOverlayControls();
}

void TOrvaneMain::PlaceOverlayControls()
{
    Label10->adjustSize();
    Label10->move(4, 3);
    BitBtn1->adjustSize();
    NodeNumbersCheckBox->adjustSize();
    // The check box and the button sit at the top right, beside the fetch
    // label, or below it when the panel is too narrow for both.
    const int rightEdge = PlotPanel->width() - 3;
    int top = 2;
    const int rowWidth = NodeNumbersCheckBox->width() + 4 + BitBtn1->width();
    if (Label10->x() + Label10->width() + 8 > rightEdge - rowWidth)
        top = Label10->y() + Label10->height() + 1;
    BitBtn1->move(rightEdge - BitBtn1->width(), top);
    NodeNumbersCheckBox->move(BitBtn1->x() - 4 - NodeNumbersCheckBox->width(),
                              top + (BitBtn1->height() - NodeNumbersCheckBox->height()) / 2);
    Label10->raise();
    NodeNumbersCheckBox->raise();
    BitBtn1->raise();
}

void TOrvaneMain::ArrangeTopRow()
{
    // Point and wind side by side when the middle column is wide enough for
    // both, otherwise the point above the wind (always on a narrow screen).
    int sideBySide = topRow_->spacing();
    for (QWidget* w : {static_cast<QWidget*>(PointPanel), windPanel_})
        sideBySide += std::max(w->sizeHint().width(), w->minimumSizeHint().width());
    const QMargins m = Panel2->layout()->contentsMargins();
    const bool fits = Panel2->width() - m.left() - m.right() >= sideBySide;
    const auto direction = fits ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (topRow_->direction() == direction)
        return;
    topRow_->setDirection(direction);
    for (QWidget* w : {static_cast<QWidget*>(PointPanel), windPanel_})
        topRow_->setAlignment(w, fits ? Qt::Alignment() : Qt::AlignLeft);
    topRowSpacer_->changeSize(0, 0, fits ? QSizePolicy::Expanding : QSizePolicy::Minimum, QSizePolicy::Minimum);
    topRow_->invalidate();
    // The middle column's minimum changed: the columns share the width anew,
    // once this resize is over.
    QTimer::singleShot(0, Splitter1, [splitter = static_cast<ColumnSplitter*>(Splitter1)] { splitter->ApplyShares(); });
}

bool TOrvaneMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel2 && event->type() == QEvent::Resize) {
        ArrangeTopRow();
        return false;
    }
    if (watched == PlotPanel && event->type() == QEvent::Resize) {
        GraphPanelResize();
        if (plotDrawn_) {
            // Only the pixels change: the stored extents stay those of the last commit.
            ProjectRecord& rec = state_.project;
            const std::array<float, 6> extents{rec.PlotMaxX, rec.PlotMaxY, rec.PlotMinX,
                                               rec.PlotMinY, rec.PlotSpanX, rec.PlotSpanY};
            RenderPlot();
            rec.PlotMaxX = extents[0];
            rec.PlotMaxY = extents[1];
            rec.PlotMinX = extents[2];
            rec.PlotMinY = extents[3];
            rec.PlotSpanX = extents[4];
            rec.PlotSpanY = extents[5];
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType())
        return Edit1KeyDown(static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void TOrvaneMain::UpdateCaption()
{
    QString caption = FromUtf8(FixedText(FixedTextId::ProgramTitle));
    if (FileOpen)
        caption += QStringLiteral("  ") + TitleText + QStringLiteral("  [") + QFileInfo(CurrentFile).fileName() +
                   QStringLiteral("]");
    setWindowTitle(caption);
}

// --- project files ----------------------------------------------------------

void TOrvaneMain::OpenCurrentFile()
{
    for (int b = 1; b <= kMaxBoundaries; ++b)
        Frame(b)->ClearGrid();
    FileOpen = true;
    for (QPushButton* b : {ComputeBtn, PlotBtn, ReportBtn})
        b->setEnabled(true);
    LoadProject(state_.project, ToStd(CurrentFile));
    TitleText = From1252(TitleBytes(state_.project));
    UpdateCaption();
    ShowProject();
    DrawRegionPlot();
    Computation->ComputeAndShow();
}

void TOrvaneMain::SaveCurrentFile()
{
    ReadProject();
    if (!FileOpen) {
        // The scratch file lives in the program folder's Projects folder,
        // which a fresh program folder may not have yet.
        QDir().mkpath(QFileInfo(CurrentFile).absolutePath());
    }
    SaveProject(state_.project, ToStd(CurrentFile));
}

void TOrvaneMain::OpenProjectFile(const QString& fileName)
{
    CurrentFile = fileName;
    OpenCurrentFile();
}

void TOrvaneMain::SaveProjectAs(const QString& fileName)
{
    CurrentFile = fileName;
    FileOpen = true;
    SaveCurrentFile();
    UpdateCaption();
}

QString TOrvaneMain::AskOpenName(const QString& title, const QString& filter, const QString& suffix,
                                 const QString& folder)
{
    QFileDialog dialog(this, title, folder, filter);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist yet is allowed: it makes a new file.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString TOrvaneMain::AskSaveName(const QString& title, const QString& filter, const QString& suffix,
                                 const QString& folder)
{
    QFileDialog dialog(this, title, folder, filter);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void TOrvaneMain::New1Click() { Open1Click(); }

void TOrvaneMain::Open1Click()
{
    if (FileOpen)
        SaveCurrentFile();
    const QString name = AskOpenName(QStringLiteral("Open"), ProjectFileFilter(), QStringLiteral("WDT"), ProjectsDir);
    if (!name.isEmpty())
        OpenProjectFile(name);
}

void TOrvaneMain::Save1Click()
{
    if (!FileOpen)
        return;
    SaveCurrentFile();
    const QString name = AskSaveName(QStringLiteral("Save As"), ProjectFileFilter(), QStringLiteral("WDT"),
                                     QFileInfo(CurrentFile).absolutePath());
    if (!name.isEmpty())
        SaveProjectAs(name);
}

void TOrvaneMain::Exit1Click()
{
    SaveCurrentFile();
    close();
}

void TOrvaneMain::LastFileClick()
{
    if (FileOpen)
        SaveCurrentFile();
    const QString caption = CaptionText(LastFile->text());
    OpenProjectFile(caption.mid(caption.indexOf(QLatin1Char(':')) + 1));
}

void TOrvaneMain::ImportCoordinatesFrom(const QString& fileName)
{
    if (!ImportCoordinates(state_.project, ToStd(fileName)))
        ShowError(FileErrorMessage(ToStd(fileName)));
    ShowProject();
    PlotBtnClick();
}

void TOrvaneMain::ExportCoordinatesTo(const QString& fileName)
{
    if (!ExportCoordinates(state_.project, ToStd(fileName)))
        ShowError(FileErrorMessage(ToStd(fileName)));
}

void TOrvaneMain::InputCoord01Click()
{
    const QString name =
        AskOpenName(QStringLiteral("Input X,Y coordinates"), CoordinatesFileFilter(), QStringLiteral("txt"), ProjectsDir);
    if (!name.isEmpty())
        ImportCoordinatesFrom(name);
}

void TOrvaneMain::OutputCoordinatesClick()
{
    const QString name = AskSaveName(QStringLiteral("Output X,Y coordinates"), CoordinatesFileFilter(),
                                     QStringLiteral("txt"), ProjectsDir);
    if (!name.isEmpty())
        ExportCoordinatesTo(name);
}

// --- commands ---------------------------------------------------------------

void TOrvaneMain::ComputeBtnClick()
{
    if (!FileOpen)
        return;
    ReadProject();
    ShowProject();
    Computation->ComputeAndShow();
}

void TOrvaneMain::PlotBtnClick()
{
    ReadProject();
    ShowProject();
}

void TOrvaneMain::Printer1Click()
{
    QPrinter* printer = ApplicationPrinter();
    if (!printer || !PrinterInstalled()) {
        ShowMessage(MessageKind::Warning, ToStd(PrinterSetupWarning()));
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

void TOrvaneMain::FAQMenuClick() { OpenWithShell(ToStd(FaqFile)); }

void TOrvaneMain::Kavro1Click()
{
    if (QMessageBox::question(this, QStringLiteral("Confirm"), KavroQuestion(), QMessageBox::Yes | QMessageBox::No) ==
        QMessageBox::Yes)
        OpenWithShell(MakerWebAddress());
}

void TOrvaneMain::UptadeProgramMenuClick()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), UpdateQuestion(),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() != QMessageBox::Yes)
        return;
    OpenWithShell(UpdateAddress());
    close();
}

// --- events -----------------------------------------------------------------

void TOrvaneMain::SpinClick(int button, bool up)
{
    ProjectRecord& rec = state_.project;
    constexpr float kNone = std::numeric_limits<float>::infinity();
    struct Spin {
        QLineEdit* edit;
        float* field;
        double step;      // in the field's unit
        float downAbove;  // a down step only while the field is above this
        float upBelow;    // an up step only while the field is below this
        const char* format;
    };
    // The point steps by 1 % of the last drawing's span; the wind and the
    // depth by fixed steps within limits. ReadValues clamps at the commit.
    const std::array<Spin, 6> spins{{
        {Edit1, &rec.PointX, 0.01 * rec.PlotSpanX, -kNone, kNone, "%8.3f"},
        {Edit2, &rec.PointY, 0.01 * rec.PlotSpanY, -kNone, kNone, "%8.3f"},
        {Edit3, &rec.WindDirection, 1.0, -180.0f, 360.0f, "%6.2f"},
        {Edit4, &rec.SectorAngle, 1.0, 4.0f, 180.0f, "%6.2f"},
        {Edit5, &rec.WindVelocity, 2.0, 2.0f, 1000.0f, "%6.2f"},
        {Edit6, &rec.Depth, 10.0, 15.0f, kNone, "%8.3f"},
    }};
    const Spin& spin = spins[static_cast<std::size_t>(std::clamp(button, 1, 6) - 1)];
    // The field first takes the edit's text, so a typed value is stepped from.
    float& field = *spin.field;
    field = TextToFloat(ToStd(spin.edit->text()), field);
    if (up && field < spin.upBelow)
        field = static_cast<float>(field + spin.step);
    else if (!up && field > spin.downAbove)
        field = static_cast<float>(field - spin.step);
    spin.edit->setText(FromUtf8(Format(spin.format, field)));
    ValuesChange();
}

void TOrvaneMain::SpinButton1UpClick() { SpinClick(1, true); }
void TOrvaneMain::SpinButton1DownClick() { SpinClick(1, false); }
void TOrvaneMain::SpinButton2UpClick() { SpinClick(2, true); }
void TOrvaneMain::SpinButton2DownClick() { SpinClick(2, false); }
void TOrvaneMain::SpinButton3UpClick() { SpinClick(3, true); }
void TOrvaneMain::SpinButton3DownClick() { SpinClick(3, false); }
void TOrvaneMain::SpinButton4UpClick() { SpinClick(4, true); }
void TOrvaneMain::SpinButton4DownClick() { SpinClick(4, false); }
void TOrvaneMain::SpinButton5UpClick() { SpinClick(5, true); }
void TOrvaneMain::SpinButton5DownClick() { SpinClick(5, false); }
void TOrvaneMain::SpinButton6UpClick() { SpinClick(6, true); }
void TOrvaneMain::SpinButton6DownClick() { SpinClick(6, false); }

void TOrvaneMain::SpinEdit1Change()
{
    state_.project.BoundaryCount = SpinEdit1->value();
    ShowBoundaryTabs();
    EditsChange();
}

void TOrvaneMain::UnitsComboChange()
{
    ApplyCoordUnits();
    EditsChange();
}

void TOrvaneMain::VunitsComboChange() { ValuesChange(); }

void TOrvaneMain::ComboYesNoChange() { DrawRegionPlot(); }

void TOrvaneMain::NodeNumbersCheckBoxClick() { DrawRegionPlot(); }

void TOrvaneMain::MethodClick() { ValuesChange(); }

bool TOrvaneMain::Edit1KeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    EditsChange();
    return true;
}

void TOrvaneMain::GFrame1StringGridKeyDown()
{
    if (ComboYesNo->currentIndex() == 1)
        EditsChange();
}

}  // namespace orvane
