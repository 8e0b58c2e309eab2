// TOrvaneMain: the transfer between the controls (the working copy) and the
// project record (the committed copy), the commits, and the events of the
// controls that lead to them. The rules a commit applies - limits, spin
// steps, grid rows to nodes - are core's (core/CommitRules.h).

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "core/AppState.h"
#include "core/CommitRules.h"
#include "core/Fetch.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/Region.h"
#include "core/Units.h"
#include "graphics/RegionPlot.h"
#include "tools/QtText.h"
#include "ui/ComputationPascalF.h"
#include "ui/DirectionalWtypeF.h"
#include "ui/FetchLabel.h"
#include "ui/GisCommands.h"
#include "ui/GridFrameF.h"
#include "ui/OrvaneMainF.h"
#include "ui/RegionPicture.h"
#include "ui/SpecificWtypeF.h"
#include "ui/SpectrumTypeF.h"
#include "ui/SpinButton.h"
#include "ui/WidgetParts.h"

namespace orvane {

void TOrvaneMain::ConnectEvents()
{
    connect(ComputeBtn, &QPushButton::clicked, this, &TOrvaneMain::ComputeBtnClick);
    connect(PlotBtn, &QPushButton::clicked, this, &TOrvaneMain::PlotBtnClick);
    connect(ReportBtn, &QPushButton::clicked, this, &TOrvaneMain::Previewreport1Click);
    connect(BitBtn1, &QToolButton::clicked, this, &TOrvaneMain::Drawregion1Click);
    connect(Plot, &TRegionPicture::DoubleClicked, this, &TOrvaneMain::PlotDblClick);

    const std::array<TSpinButton*, kValueFieldCount> spins {SpinButton1, SpinButton2, SpinButton3,
                                                            SpinButton4, SpinButton5, SpinButton6};
    const std::array<void (TOrvaneMain::*)(), kValueFieldCount> ups {
        &TOrvaneMain::SpinButton1UpClick, &TOrvaneMain::SpinButton2UpClick, &TOrvaneMain::SpinButton3UpClick,
        &TOrvaneMain::SpinButton4UpClick, &TOrvaneMain::SpinButton5UpClick, &TOrvaneMain::SpinButton6UpClick};
    const std::array<void (TOrvaneMain::*)(), kValueFieldCount> downs {
        &TOrvaneMain::SpinButton1DownClick, &TOrvaneMain::SpinButton2DownClick, &TOrvaneMain::SpinButton3DownClick,
        &TOrvaneMain::SpinButton4DownClick, &TOrvaneMain::SpinButton5DownClick, &TOrvaneMain::SpinButton6DownClick};
    for (std::size_t i = 0; i < spins.size(); ++i) {
        connect(spins[i], &TSpinButton::UpClick, this, ups[i]);
        connect(spins[i], &TSpinButton::DownClick, this, downs[i]);
    }

    // The list and spin handlers act on the user's changes only: the
    // transfer routines set these controls with their signals blocked.
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TOrvaneMain::SpinEdit1Change);
    connect(UnitsCombo, &QComboBox::currentIndexChanged, this, &TOrvaneMain::UnitsComboChange);
    connect(VunitsCombo, &QComboBox::currentIndexChanged, this, &TOrvaneMain::VunitsComboChange);
    connect(ComboYesNo, &QComboBox::currentIndexChanged, this, &TOrvaneMain::ComboYesNoChange);
    connect(NodeNumbersCheckBox, &QCheckBox::clicked, this, &TOrvaneMain::NodeNumbersCheckBoxClick);
    for (TMethodFrame* method : std::array<TMethodFrame*, 3> {DirectionalWtype1, SpectrumType1, SpecificWtype1})
        connect(method, &TMethodFrame::Click, this, &TOrvaneMain::MethodClick);
    for (int b = 1; b <= kMaxBoundaries; ++b)
        connect(Frame(b), &TGFrame::EnterPressed, this, &TOrvaneMain::GFrame1StringGridKeyDown);

    for (QWidget* field : std::array<QWidget*, 7> {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, VunitsCombo})
        field->installEventFilter(this);
    // Controls that commit on every change take no stray wheel turns; the
    // boundary count changes by its arrows only.
    GuardWheel(SpinEdit1, WheelUse::Never);
    for (QWidget* list : std::array<QWidget*, 6> {UnitsCombo, VunitsCombo, ComboYesNo, DirectionalWtype1->RadioGroup1,
                                                  SpectrumType1->RadioGroup1, SpecificWtype1->RadioGroup1})
        GuardWheel(list, WheelUse::WhenFocused);
    PlotPanel->installEventFilter(this);
    Panel2->installEventFilter(this);
}

TGFrame* TOrvaneMain::Frame(int boundary) const
{
    const std::array<TGFrame*, kMaxBoundaries> frames {GFrame1, GFrame2, GFrame3, GFrame4, GFrame5};
    return frames[static_cast<std::size_t>(std::clamp(boundary, 1, kMaxBoundaries) - 1)];
}

QLineEdit* TOrvaneMain::ValueEdit(ValueField field) const
{
    const std::array<QLineEdit*, kValueFieldCount> edits {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    return edits[static_cast<std::size_t>(field)];
}

// --- record to controls -----------------------------------------------------

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
    const ProjectRecord& rec = state_.project;
    ShowUnitLabels();
    for (int i = 0; i < kValueFieldCount; ++i) {
        const ValueFieldRule& rule = kValueFieldRules[static_cast<std::size_t>(i)];
        ValueEdit(static_cast<ValueField>(i))->setText(FromUtf8(Format(rule.format, rec.*rule.member)));
    }
    // True bearings where the project knows its coordinate system; a grid
    // bearing that should have been true says why in its tip.
    const BearingReference bearings = GisCommands::Bearings(rec, state_.companion);
    WindFromLabel->setText(FromUtf8(WindFromText(rec.WindDirection, bearings)));
    WindFromLabel->setToolTip(
        bearings.gridReason.empty() ? QString() : QStringLiteral("Grid bearing: ") + FromUtf8(bearings.gridReason));
    {
        const QSignalBlocker block(VunitsCombo);
        VunitsCombo->setCurrentIndex(
            rec.VelocityUnits >= 0 && rec.VelocityUnits < kVelocityUnitCount ? rec.VelocityUnits : -1);
    }
    // A group shows a code above its last item as the last item; the record
    // takes that choice at the next commit (and when a file is opened).
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
    // ShowBoundaryTabs, with each grid that shows a boundary set up and
    // loaded in one step.
    ShowTabs();
    GFrame1->ShowBoundary(1);
    for (int b = 2; b <= kMaxBoundaries; ++b) {
        if (rec.BoundaryCount >= b)
            Frame(b)->ShowBoundary(b);
        else
            Frame(b)->SetupGrid();
    }
    ShowValues();
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
    ShowTabs();
    SetupGridFrames();
}

void TOrvaneMain::ShowTabs()
{
    // The outer boundary's tab stays, even for a record that holds no boundary.
    const int count = std::clamp(state_.project.BoundaryCount, 1, kMaxBoundaries);
    for (int i = 0; i < kMaxBoundaries; ++i)
        PageControl1->setTabVisible(i, i < count);
    if (!PageControl1->isTabVisible(PageControl1->currentIndex()))
        PageControl1->setCurrentIndex(0);
}

void TOrvaneMain::SetupGridFrames()
{
    for (int b = 1; b <= kMaxBoundaries; ++b)
        Frame(b)->SetupGrid();
}

void TOrvaneMain::DrawRegionPlot()
{
    GraphPanelResize();
    // The window commits what it draws: the x and y spin steps follow the
    // extents of the picture on screen.
    StorePlotExtents(state_.project, Plot->Redraw(NodeNumbersCheckBox->isChecked()));
    const ProjectRecord& rec = state_.project;
    const float fetch = WindDirectionFetch(rec);
    // Waves are still computed for a point outside the water; the engineer is told.
    Label10->SetLine(
        From1252(Format("at angle %.2f\xB0,   fetch=%.2f %s", rec.WindDirection, fetch, CoordUnitName(rec.CoordUnits))),
        PointInWater(rec) ? QString() : QStringLiteral("point is not in the water region"));
    PlaceOverlayControls();
}

// --- controls to record -----------------------------------------------------

void TOrvaneMain::ReadValues()
{
    ProjectRecord& rec = state_.project;
    // Text that is no number keeps the field's value.
    for (int i = 0; i < kValueFieldCount; ++i) {
        float& value = rec.*kValueFieldRules[static_cast<std::size_t>(i)].member;
        value = TextToFloat(ToUtf8(ValueEdit(static_cast<ValueField>(i))->text()), value);
    }
    ClampInputs(rec);
    // An empty list (a unit code the file held outside the table) keeps the code.
    if (VunitsCombo->currentIndex() >= 0)
        rec.VelocityUnits = VunitsCombo->currentIndex();
    for (TMethodFrame* method : std::array<TMethodFrame*, 3> {DirectionalWtype1, SpecificWtype1, SpectrumType1}) {
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
    const int heldCount = rec.BoundaryCount;
    rec.BoundaryCount = SpinEdit1->value();
    GFrame1->StoreBoundary(1);
    // A region with no boundary at all (every line deleted on the pad) shows
    // the list's lowest count, 1, over an empty outer grid; it stays a region
    // without boundaries until a node is typed.
    if (heldCount == 0 && rec.BoundaryCount == 1 && rec.NodeCount[1] == 0)
        rec.BoundaryCount = 0;
    for (int b = 2; b <= kMaxBoundaries; ++b) {
        if (rec.BoundaryCount >= b)
            Frame(b)->StoreBoundary(b);
    }
    ReadValues();
}

void TOrvaneMain::ShowCommittedProject()
{
    std::array<TGFrame::GridView, kMaxBoundaries> views;
    for (int b = 1; b <= kMaxBoundaries; ++b)
        views[static_cast<std::size_t>(b - 1)] = Frame(b)->View();
    ShowProject();
    for (int b = 1; b <= kMaxBoundaries; ++b)
        Frame(b)->SetView(views[static_cast<std::size_t>(b - 1)]);
}

void TOrvaneMain::EditsChange()
{
    if (!(ControlsReady && FileOpen))
        return;
    ReadProject();
    ShowCommittedProject();
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

// --- events of the controls -------------------------------------------------

void TOrvaneMain::SpinClick(ValueField field, bool up)
{
    const ValueFieldRule& rule = RuleOf(field);
    QLineEdit* edit = ValueEdit(field);
    // The field first takes the edit's text, so a typed value is stepped from.
    float& value = state_.project.*rule.member;
    value = TextToFloat(ToUtf8(edit->text()), value);
    value = SpinStep(state_.project, field, value, up);
    edit->setText(FromUtf8(Format(rule.format, value)));
    ValuesChange();
}

void TOrvaneMain::SpinButton1UpClick() { SpinClick(ValueField::PointX, true); }
void TOrvaneMain::SpinButton1DownClick() { SpinClick(ValueField::PointX, false); }
void TOrvaneMain::SpinButton2UpClick() { SpinClick(ValueField::PointY, true); }
void TOrvaneMain::SpinButton2DownClick() { SpinClick(ValueField::PointY, false); }
void TOrvaneMain::SpinButton3UpClick() { SpinClick(ValueField::WindDirection, true); }
void TOrvaneMain::SpinButton3DownClick() { SpinClick(ValueField::WindDirection, false); }
void TOrvaneMain::SpinButton4UpClick() { SpinClick(ValueField::SectorAngle, true); }
void TOrvaneMain::SpinButton4DownClick() { SpinClick(ValueField::SectorAngle, false); }
void TOrvaneMain::SpinButton5UpClick() { SpinClick(ValueField::WindVelocity, true); }
void TOrvaneMain::SpinButton5DownClick() { SpinClick(ValueField::WindVelocity, false); }
void TOrvaneMain::SpinButton6UpClick() { SpinClick(ValueField::Depth, true); }
void TOrvaneMain::SpinButton6DownClick() { SpinClick(ValueField::Depth, false); }

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
    // Then on to the next cell, as typing a table goes.
    auto* frame = qobject_cast<TGFrame*>(sender());
    if (!frame)
        frame = Frame(PageControl1->currentIndex() + 1);
    frame->MoveOn();
}

}  // namespace orvane
