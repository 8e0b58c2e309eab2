#pragma once
// TDrawPad01: world grid, snapping, the cursor readout, and the view: which
// part of the world the surface shows. Every position the pad takes from the
// mouse goes through Mapping.PixelToWorld, so with snapping on the readout,
// new points and picks all sit on the snap lattice.
//
// The view moves by the mapping's origin and scale: the middle button drags
// the picture, the wheel and the scroll bars scroll it, the arrow keys move
// it by an eighth of the view, Ctrl+wheel zooms about the cursor (a free
// scale between the scale rows), and "Fit region" (Home) shows the whole
// drawing at the largest map scale row at which it fits. None of them changes
// the scale, grid or snap row in effect.
//
// Positions are shown (readout, grid labels, typed coordinates) in display
// units: WorldPerDisplay world units each, labelled DisplayLabel.
//
// Redraw paints white, then the Background (a chart or an aerial image placed
// in world coordinates, a GIS layer's lines), then the grid, all through the
// same Mapping, so that the background pans and zooms with the drawing.
//
// Adds two layer operations, SetGridSize and SetSnap, and the three mouse
// handlers of the surface (raster pixels), which later layers override.

#include <QString>

#include "graphics/PadDrawing.h"
#include "graphics/Raster.h"
#include "ui/DrawPad00F.h"

class QAction;

namespace orvane {

class TDrawPad01 : public TDrawPad00 {
    Q_OBJECT

public:
    explicit TDrawPad01(QWidget* parent = nullptr);

    // Then grid row 2 ("10km"), a grey grid pen of width 1, no snapping.
    void ResetDefaults() override;
    // Then the background, the grid and its labels.
    void Redraw() override;
    // Row of PadGridSizes; a row outside the table is ignored.
    virtual void SetGridSize(std::int32_t row);
    // Row of PadSnaps; a row outside the table is ignored.
    virtual void SetSnap(std::int32_t row);

    // The middle button starts dragging the picture.
    virtual void DrawSurfaceMouseDown(Qt::MouseButton button, int X, int Y);
    // Shows the cursor position; drags the picture while the middle button is down.
    virtual void DrawSurfaceMouseMove(int X, int Y);
    virtual void DrawSurfaceMouseUp(Qt::MouseButton button, int X, int Y);
    // A release that does not say which button: the one that is down.
    void DrawSurfaceMouseUp(int X, int Y) { DrawSurfaceMouseUp(Qt::NoButton, X, Y); }
    // Ctrl: zoom about (X, Y), 1.25 times per notch; Shift: scroll across;
    // otherwise scroll up and down.
    void DrawSurfaceWheel(int X, int Y, QPoint angleDelta, Qt::KeyboardModifiers modifiers);

    void DrawGrid();
    // LabelCoord reads "x=12.500, y=3.000 [Km]": the snapped world position
    // of raster pixel (X, Y) in display units.
    void ShowCursorPosition(int X, int Y);

    // --- the view ---
    // Moves the picture by (dx, dy) pixels (right and down when positive).
    void PanBy(int dx, int dy);
    // Zooms by factor (above 1 zooms in) keeping the world point under
    // raster pixel (X, Y) in place; the scale becomes free.
    void ZoomAbout(double factor, int X, int Y);
    // Shows the whole drawing, centred, at the largest map scale row at which
    // it fits (free when none fits, or when the finest row leaves it small;
    // FitView). keepRow, a row chosen before, stays when the drawing fits at
    // it. Without a drawing the background is shown whole. False when there
    // is nothing to fit or the window is not laid out.
    bool FitRegion(std::int32_t keepRow = -1);
    // FitRegion once the window is shown and laid out, again at each layout
    // until the user moves the view or presses on the surface.
    void RequestFit(std::int32_t keepRow);
    // The middle button is dragging the picture.
    bool Panning() const { return panning_; }

    // Display unit name: DisplayLabel, or the PadUnits label of UnitsIndex.
    QString DisplayUnit() const;

    std::int32_t GridIndex = 2;  // row of PadGridSizes
    std::int32_t SnapIndex = 0;  // row of PadSnaps
    Rgb GridColour = colours::kGrey;
    std::int32_t GridPenWidth = 1;  // pixels; the grid pen is always solid
    double WorldPerDisplay = 1.0;   // world units per display unit
    QString DisplayLabel;           // empty: the pad's own units
    PadBackground Background;       // traced over; never part of the drawing

    QAction* FitRegionAction = nullptr;  // Home
    QAction* PanLeftAction = nullptr;    // the arrow keys
    QAction* PanRightAction = nullptr;
    QAction* PanUpAction = nullptr;
    QAction* PanDownAction = nullptr;

protected:
    void ViewAreaResized() override;
    void showEvent(QShowEvent* event) override;
    // After the origin or scale changed: the scroll bars follow, the surface
    // is drawn again.
    virtual void ViewChanged();
    // Fits when a fit is pending and the window can show it.
    void FitIfPending();
    // The user chose a view: a pending fit is dropped.
    void KeepView() { fitPending_ = false; }

private:
    void UpdateScrollBars();
    void ScrollBarMoved();

    bool panning_ = false;
    QPoint panFrom_;
    bool fitPending_ = false;
    std::int32_t fitKeepRow_ = -1;
    bool updatingBars_ = false;
    PadBox scrollExtent_;  // world box the scroll bars span
};

}  // namespace orvane
