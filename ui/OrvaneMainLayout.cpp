// TOrvaneMain: the controls and their arrangement. Three columns - the
// region's boundaries, the point, wind and depth with the commands and the
// region picture, the methods with the results - and a status bar.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "core/AppState.h"
#include "core/Rounding.h"
#include "core/Units.h"
#include "tools/QtText.h"
#include "ui/ColumnSplitter.h"
#include "ui/ComputationPascalF.h"
#include "ui/DirectionalWtypeF.h"
#include "ui/FetchLabel.h"
#include "ui/GridFrameF.h"
#include "ui/OrvaneMainF.h"
#include "ui/RegionPicture.h"
#include "ui/SpecificWtypeF.h"
#include "ui/SpectrumTypeF.h"
#include "ui/SpinButton.h"
#include "ui/StringGridExtF.h"
#include "ui/WidgetParts.h"

namespace orvane {

namespace {

constexpr int kStatusPanelWidth = 200;  // px, the first status panel as designed

// The unit lists show the items of core's unit tables: the coordinate
// units in list order (m, Km, ft, Miles), the velocity units by code.
QStringList CoordUnitItems()
{
    QStringList items;
    for (int index = 0; index < kCoordUnitCount; ++index)
        items << From1252(CoordUnitItem(UnitsComboCode(index)));
    return items;
}

QStringList VelocityUnitItems()
{
    QStringList items;
    for (int code = 0; code < kVelocityUnitCount; ++code)
        items << From1252(VelocityUnitItem(code));
    return items;
}

}  // namespace

void TOrvaneMain::BuildControls()
{
    Splitter1 = new TColumnSplitter(this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setHandleWidth(4);
    setCentralWidget(Splitter1);
    BuildRegionColumn();
    BuildInputColumn();
    BuildMethodColumn();
    Splitter1->addWidget(Panel5);
    Splitter1->addWidget(Panel2);
    Splitter1->addWidget(Panel4);
    BuildStatusBar();
    SetTabOrders();
}

void TOrvaneMain::BuildRegionColumn()
{
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
    SpinEdit1->setRange(1, kMaxBoundaries);
    // The value changes only by the arrows (mouse, arrow keys, page keys).
    if (auto* text = SpinEdit1->findChild<QLineEdit*>())
        text->setReadOnly(true);
    SpinEdit1->setFixedWidth(48);
    UnitsCombo = NewCombo(Panel5, "UnitsCombo", CoordUnitItems());
    ComboYesNo = NewCombo(Panel5, "ComboYesNo", {"No", "Yes"});
    const std::array<QWidget*, 3> regionControls {SpinEdit1, UnitsCombo, ComboYesNo};
    const std::array<const char*, 3> regionCaptions {"Number of boundaries", "Units of coordinates",
                                                     "Graph as you enter x,y"};
    const std::array<const char*, 3> regionNames {"Label7", "Label8", "Label9"};
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
    const std::array<const char*, kMaxBoundaries> tabCaptions {"Outer", "Int-1", "Int-2", "Int-3", "Int-4"};
    std::array<QWidget*, kMaxBoundaries> sheets {};
    std::array<TGFrame*, kMaxBoundaries> frames {};
    for (int i = 0; i < kMaxBoundaries; ++i) {
        sheets[i] = new QWidget(PageControl1);
        sheets[i]->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        frames[i] = new TGFrame(state_.project, sheets[i]);
        frames[i]->setObjectName(QStringLiteral("GFrame%1").arg(i + 1));
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
}

void TOrvaneMain::BuildInputColumn()
{
    Panel2 = NewPanel(Splitter1, "Panel2");
    auto* middle = new QVBoxLayout(Panel2);
    middle->setContentsMargins(2, 4, 2, 4);

    // First row: the point, and the wind direction and sector.
    topRow_ = new QBoxLayout(QBoxLayout::LeftToRight);
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
    topRow_->addWidget(PointPanel);

    windPanel_ = NewPanel(Panel2, "WindPanel");
    auto* windGrid = new QGridLayout(windPanel_);
    windGrid->setContentsMargins(4, 4, 0, 4);
    windGrid->setHorizontalSpacing(3);
    windGrid->setVerticalSpacing(3);
    ImageAngle = NewLabel(windPanel_, QString(), "ImageAngle");
    ImageAngle->setPixmap(AnglePicture());
    ImageAngle->setToolTip(QStringLiteral("angles in degrees, counter-clockwise from the +x axis"));
    Label3 = NewLabel(windPanel_, From1252("Wind direction [\xB0]"), "Label3");
    Label4 = NewLabel(windPanel_, From1252("Wind sector [\xB0]"), "Label4");
    Edit3 = NewEdit(windPanel_, "Edit3");
    Edit4 = NewEdit(windPanel_, "Edit4");
    SpinButton3 = NewSpin(windPanel_, "SpinButton3");
    SpinButton4 = NewSpin(windPanel_, "SpinButton4");
    windGrid->addWidget(ImageAngle, 0, 0, 2, 1, Qt::AlignCenter);
    windGrid->addWidget(Label3, 0, 1);
    windGrid->addWidget(Edit3, 0, 2);
    windGrid->addWidget(SpinButton3, 0, 3);
    windGrid->addWidget(Label4, 1, 1);
    windGrid->addWidget(Edit4, 1, 2);
    windGrid->addWidget(SpinButton4, 1, 3);
    // The direction as engineers read wind records; the record keeps its own convention.
    WindFromLabel = NewLabel(windPanel_, QString(), "WindFromLabel");
    windGrid->addWidget(WindFromLabel, 2, 1, 1, 3);
    topRow_->addWidget(windPanel_);
    topRowSpacer_ = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    topRow_->addSpacerItem(topRowSpacer_);
    middle->addLayout(topRow_);

    // Second row: velocity and depth, and the commands.
    auto* secondRow = new QHBoxLayout;
    auto* velocityPanel = NewPanel(Panel2, "VelocityPanel");
    auto* velocityGrid = new QGridLayout(velocityPanel);
    velocityGrid->setContentsMargins(4, 0, 0, 0);
    velocityGrid->setHorizontalSpacing(3);
    velocityGrid->setVerticalSpacing(3);
    VunitsCombo = NewCombo(velocityPanel, "VunitsCombo", VelocityUnitItems());
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

    BuildGraphPanel(middle);
}

// The rest of the input column: the region picture on its white panel, with
// the fetch label, the node-number check box and the drawing command over it.
void TOrvaneMain::BuildGraphPanel(QVBoxLayout* middle)
{
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
    Plot = new TRegionPicture(state_.project, PlotPanel);
    Label10 = new TFetchLabel(PlotPanel);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setAutoFillBackground(true);  // readable over the sector lines
    NodeNumbersCheckBox = new QCheckBox(QStringLiteral("show node numbers"), PlotPanel);
    NodeNumbersCheckBox->setObjectName(QStringLiteral("NodeNumbersCheckBox"));
    BitBtn1 = new QToolButton(PlotPanel);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(DrawRegionIcon());
    BitBtn1->setToolTip(QStringLiteral("go to graphics modulus"));
    middle->addWidget(GraphPanel, 1);
}

void TOrvaneMain::BuildMethodColumn()
{
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
    SpecificWtype1->RadioGroup1->SetItems(
        {QStringLiteral("Bretschneider "), QStringLiteral("Bretschneider(depth) "), QStringLiteral("Wilson")});
    SpecificWtype1->RadioGroup1->SetColumns(3);
    SpeedButton3 = HelpButton(Panel4, "SpeedButton3", "Help on Directional spectra effects");
    SpeedButton4 = HelpButton(Panel4, "SpeedButton4", "Help on Spectrum type");
    SpeedButton5 = HelpButton(Panel4, "SpeedButton5", "Help on Specific wave computation");
    const std::array<QWidget*, 3> methods {DirectionalWtype1, SpectrumType1, SpecificWtype1};
    const std::array<QToolButton*, 3> methodHelp {SpeedButton3, SpeedButton4, SpeedButton5};
    for (int i = 0; i < 3; ++i) {
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(methods[i], 1);
        row->addWidget(methodHelp[i], 0, Qt::AlignVCenter);
        right->addLayout(row);
    }
    Computation = new TComputationPascal(state_, Panel4);
    right->addWidget(Computation, 1);
}

void TOrvaneMain::BuildStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusPanel0 = NewLabel(StatusBar, QString(), "StatusPanel0");
    StatusPanel0->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StatusPanel0->setMinimumWidth(kStatusPanelWidth);
    StatusBar->addWidget(StatusPanel0);
    setStatusBar(StatusBar);
}

void TOrvaneMain::SetTabOrders()
{
    // Reading order; the spin arrows and "?" buttons take no focus.
    setTabOrder(SpinEdit1, UnitsCombo);
    setTabOrder(UnitsCombo, ComboYesNo);
    setTabOrder(ComboYesNo, PageControl1);
    QWidget* previous = PageControl1;
    for (int b = 1; b <= kMaxBoundaries; ++b) {
        setTabOrder(previous, Frame(b)->StringGrid());
        previous = Frame(b)->StringGrid();
    }
    const std::array<QWidget*, 15> order {previous,
                                          Edit1,
                                          Edit2,
                                          Edit3,
                                          Edit4,
                                          VunitsCombo,
                                          Edit5,
                                          Edit6,
                                          ComputeBtn,
                                          ReportBtn,
                                          PlotBtn,
                                          NodeNumbersCheckBox,
                                          DirectionalWtype1,
                                          SpectrumType1,
                                          SpecificWtype1};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

// --- sizes that follow the window -------------------------------------------

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
    BitBtn1->adjustSize();
    NodeNumbersCheckBox->adjustSize();
    const int rightEdge = PlotPanel->width() - 3;
    // The point warning follows the fetch on its line, or takes a second
    // line when the panel is too narrow.
    Label10->move(4, 3);
    Label10->FitWidth(rightEdge - Label10->x());
    const int lineEnd = Label10->x() + Label10->width();
    const int below = Label10->y() + Label10->height() + 1;
    // The check box and the button sit at the top right, beside the labels,
    // or below them when the panel is too narrow for all.
    int top = 2;
    const int rowWidth = NodeNumbersCheckBox->width() + 4 + BitBtn1->width();
    if (lineEnd + 8 > rightEdge - rowWidth)
        top = below;
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
    QTimer::singleShot(0, Splitter1, [splitter = Splitter1] { splitter->ApplyShares(); });
}

}  // namespace orvane
