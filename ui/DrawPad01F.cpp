#include "ui/DrawPad01F.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "graphics/PadDrawing.h"
#include "graphics/QtRaster.h"
#include "tools/QtText.h"

namespace orvane {

namespace {

constexpr double kZoomPerNotch = 1.25;
constexpr double kWheelNotch = 120;  // angle delta of one notch
constexpr double kPixelsPerNotch = 48;
constexpr int kArrowShare = 8;  // an arrow key moves the picture this share of the view
constexpr int kFitMargin = 24;  // pixels kept free round a fitted drawing

// The box's world extent must be finite for any of the view arithmetic.
bool Usable(const PadBox& box)
{
    return !box.Empty && std::isfinite(box.Left) && std::isfinite(box.Right) && std::isfinite(box.Bottom) &&
           std::isfinite(box.Top);
}

}  // namespace

TDrawPad01::TDrawPad01(QWidget* parent) : TDrawPad00(parent)
{
    // The handlers are virtual, so the connections reach the most derived layer.
    connect(DrawSurface, &TPadSurface::MouseDown, this,
            [this](Qt::MouseButton button, int X, int Y) { DrawSurfaceMouseDown(button, X, Y); });
    connect(DrawSurface, &TPadSurface::MouseMove, this, [this](int X, int Y) { DrawSurfaceMouseMove(X, Y); });
    connect(DrawSurface, &TPadSurface::MouseUp, this,
            [this](Qt::MouseButton button, int X, int Y) { DrawSurfaceMouseUp(button, X, Y); });
    connect(DrawSurface, &TPadSurface::Wheel, this, &TDrawPad01::DrawSurfaceWheel);
    connect(HorzScrollBar, &QScrollBar::valueChanged, this, &TDrawPad01::ScrollBarMoved);
    connect(VertScrollBar, &QScrollBar::valueChanged, this, &TDrawPad01::ScrollBarMoved);

    const auto action = [this](const char* name, const QString& text, Qt::Key key, auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(QKeySequence(key));
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
        return a;
    };
    // The picture moves the other way than the view: Left shows what lies left.
    const auto step = [this](bool across) {
        const PadRect view = VisibleSurface();
        return std::max(1, (across ? view.Width : view.Height) / kArrowShare);
    };
    FitRegionAction = action("FitRegionAction", tr("Fit region"), Qt::Key_Home, [this] {
        KeepView();
        FitRegion();
    });
    PanLeftAction = action("PanLeftAction", tr("Pan left"), Qt::Key_Left, [this, step] { PanBy(step(true), 0); });
    PanRightAction = action("PanRightAction", tr("Pan right"), Qt::Key_Right, [this, step] { PanBy(-step(true), 0); });
    PanUpAction = action("PanUpAction", tr("Pan up"), Qt::Key_Up, [this, step] { PanBy(0, step(false)); });
    PanDownAction = action("PanDownAction", tr("Pan down"), Qt::Key_Down, [this, step] { PanBy(0, -step(false)); });
}

void TDrawPad01::ResetDefaults()
{
    TDrawPad00::ResetDefaults();
    SetGridSize(2);
    GridPenWidth = 1;
    GridColour = colours::kGrey;
    SetSnap(0);
}

void TDrawPad01::Redraw()
{
    TDrawPad00::Redraw();
    DrawPadBackground(Canvas(), Mapping, Background);
    DrawGrid();
}

void TDrawPad01::SetGridSize(std::int32_t row)
{
    if (row < 0 || row >= static_cast<std::int32_t>(PadGridSizes.size()))
        return;
    GridIndex = row;
    Mapping.GridSize = PadGridSizes[static_cast<std::size_t>(row)].Size;
}

void TDrawPad01::SetSnap(std::int32_t row)
{
    if (row < 0 || row >= static_cast<std::int32_t>(PadSnaps.size()))
        return;
    SnapIndex = row;
    Mapping.SnapFraction = PadSnaps[static_cast<std::size_t>(row)].Fraction;
}

void TDrawPad01::DrawSurfaceMouseDown(Qt::MouseButton button, int X, int Y)
{
    fitPending_ = false;  // the user is at work: the view stays where it is
    if (button == Qt::MiddleButton) {
        panning_ = true;
        panFrom_ = QPoint(X, Y);
    }
}

void TDrawPad01::DrawSurfaceMouseMove(int X, int Y)
{
    ShowCursorPosition(X, Y);
    if (panning_) {
        const QPoint by = QPoint(X, Y) - panFrom_;
        panFrom_ = QPoint(X, Y);
        PanBy(by.x(), by.y());
    }
}

void TDrawPad01::DrawSurfaceMouseUp(Qt::MouseButton button, int, int)
{
    if (button == Qt::MiddleButton || button == Qt::NoButton)
        panning_ = false;
}

void TDrawPad01::DrawSurfaceWheel(int X, int Y, QPoint angleDelta, Qt::KeyboardModifiers modifiers)
{
    const double notches = angleDelta.y() / kWheelNotch;
    if (modifiers & Qt::ControlModifier)
        ZoomAbout(std::pow(kZoomPerNotch, notches), X, Y);
    else if (modifiers & Qt::ShiftModifier)
        PanBy(static_cast<int>(std::lround(notches * kPixelsPerNotch)), 0);
    else
        PanBy(static_cast<int>(std::lround(angleDelta.x() / kWheelNotch * kPixelsPerNotch)),
              static_cast<int>(std::lround(notches * kPixelsPerNotch)));
}

void TDrawPad01::DrawGrid()
{
    Canvas().SetPenMode(PenMode::Copy);
    DrawPadGrid(Canvas(), Mapping, GridColour, GridPenWidth);
    DrawPadGridLabels(Canvas(), Mapping, 1.0 / WorldPerDisplay);
    DrawSurface->update();
}

QString TDrawPad01::DisplayUnit() const
{
    if (!DisplayLabel.isEmpty())
        return DisplayLabel;
    const bool known = UnitsIndex >= 0 && UnitsIndex < static_cast<std::int32_t>(PadUnits.size());
    return known ? FromUtf8(std::string(PadUnits[static_cast<std::size_t>(UnitsIndex)].Label)) : QString();
}

void TDrawPad01::ShowCursorPosition(int X, int Y)
{
    const PadXY w = Mapping.PixelToWorld(X, Y);
    LabelCoord->setText(QString::fromStdString(
        Format("x=%.3f, y=%.3f [%s]", w.X / WorldPerDisplay, w.Y / WorldPerDisplay, ToUtf8(DisplayUnit()))));
    LabelCoord->adjustSize();
}

// --- the view -------------------------------------------------------------------

void TDrawPad01::PanBy(int dx, int dy)
{
    fitPending_ = false;
    if (dx == 0 && dy == 0)
        return;
    orvane::PanBy(Mapping, dx, dy);
    ViewChanged();
}

void TDrawPad01::ZoomAbout(double factor, int X, int Y)
{
    fitPending_ = false;
    if (!std::isfinite(factor) || factor <= 0 || factor == 1)
        return;
    PadMapping zoomed = Mapping;
    orvane::ZoomAbout(zoomed, Mapping.ScaleRatio / factor, X, Y);
    SetFreeScale(zoomed.ScaleRatio);
    Mapping.OriginX = zoomed.OriginX;
    Mapping.OriginY = zoomed.OriginY;
    ViewChanged();
}

bool TDrawPad01::FitRegion(std::int32_t keepRow)
{
    const PadRect visible = VisibleSurface();
    const PadBox drawing = LivePointBox(Graph);
    const PadBox box = Usable(drawing) ? drawing : PadBackgroundBox(Background);
    if (visible.Empty() || !Usable(box))
        return false;
    // Clear of the grid labels along the left and bottom edges.
    const PadRect area {visible.Left + kPadGridLabelLeftBand, visible.Top + kFitMargin,
                        visible.Width - kPadGridLabelLeftBand - kFitMargin,
                        visible.Height - kPadGridLabelBand - 2 * kFitMargin};
    if (area.Empty())
        return false;
    const PadFit fit = FitView(Mapping, box, area, keepRow);
    if (fit.Row >= 0)
        SetScale(fit.Row);
    else
        SetFreeScale(fit.Ratio);
    Mapping.OriginX = fit.OriginX;
    Mapping.OriginY = fit.OriginY;
    ViewChanged();
    return true;
}

void TDrawPad01::RequestFit(std::int32_t keepRow)
{
    fitPending_ = true;
    fitKeepRow_ = keepRow;
    FitIfPending();
}

void TDrawPad01::FitIfPending()
{
    // Refitted on every layout until the user acts: a window manager may
    // size the window more than once while it appears.
    if (fitPending_ && isVisible())
        FitRegion(fitKeepRow_);
}

void TDrawPad01::ViewAreaResized()
{
    TDrawPad00::ViewAreaResized();
    FitIfPending();
    UpdateScrollBars();
}

void TDrawPad01::showEvent(QShowEvent* event)
{
    TDrawPad00::showEvent(event);
    FitIfPending();
    UpdateScrollBars();
}

void TDrawPad01::ViewChanged()
{
    UpdateScrollBars();
    if (Ready)
        Redraw();
}

void TDrawPad01::UpdateScrollBars()
{
    const PadRect view = VisibleSurface();
    if (view.Empty())
        return;
    const PadBox shown = WorldBoxOf(Mapping, view);
    // The extent stays put while a slider is dragged, so that it does not
    // slide away under the mouse.
    if (!HorzScrollBar->isSliderDown() && !VertScrollBar->isSliderDown()) {
        // One view's size of room beyond the drawing and beyond the view itself.
        const double w = shown.Right - shown.Left;
        const double h = shown.Top - shown.Bottom;
        const auto grown = [w, h](const PadBox& b) {
            return PadBox {b.Left - w, b.Bottom - h, b.Right + w, b.Top + h, false};
        };
        const PadBox drawing = Union(LivePointBox(Graph), PadBackgroundBox(Background));
        scrollExtent_ = Usable(drawing) ? Union(grown(shown), grown(drawing)) : grown(shown);
    }
    const PadBox& e = scrollExtent_;
    const auto pixels = [](double world, double perUnit) {
        return static_cast<int>(std::clamp(std::lround(world * perUnit), 0L, static_cast<long>(kPadPixelLimit)));
    };
    updatingBars_ = true;
    const int across = pixels(e.Right - e.Left, Mapping.PixelsPerUnitX());
    HorzScrollBar->setRange(0, std::max(0, across - view.Width));
    HorzScrollBar->setPageStep(view.Width);
    HorzScrollBar->setSingleStep(std::max(1, view.Width / 20));
    HorzScrollBar->setValue(pixels(shown.Left - e.Left, Mapping.PixelsPerUnitX()));
    const int up = pixels(e.Top - e.Bottom, Mapping.PixelsPerUnitY());
    VertScrollBar->setRange(0, std::max(0, up - view.Height));
    VertScrollBar->setPageStep(view.Height);
    VertScrollBar->setSingleStep(std::max(1, view.Height / 20));
    VertScrollBar->setValue(pixels(e.Top - shown.Top, Mapping.PixelsPerUnitY()));
    updatingBars_ = false;
}

void TDrawPad01::ScrollBarMoved()
{
    if (updatingBars_)
        return;
    const PadRect view = VisibleSurface();
    if (view.Empty())
        return;
    const PadBox shown = WorldBoxOf(Mapping, view);
    const double left = scrollExtent_.Left + HorzScrollBar->value() / Mapping.PixelsPerUnitX();
    const double top = scrollExtent_.Top - VertScrollBar->value() / Mapping.PixelsPerUnitY();
    PanBy(static_cast<int>(std::lround((shown.Left - left) * Mapping.PixelsPerUnitX())),
          static_cast<int>(std::lround((top - shown.Top) * Mapping.PixelsPerUnitY())));
}

}  // namespace orvane
