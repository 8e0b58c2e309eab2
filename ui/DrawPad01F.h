#pragma once
// TDrawPad01: world grid, snapping and the cursor readout on top of the pad's
// surface. Every position the pad takes from the mouse goes through
// Mapping.PixelToWorld, so with snapping on the readout, new points and picks
// all sit on the snap lattice.
//
// Adds two layer operations, SetGridSize and SetSnap, and the three mouse
// handlers of the surface (raster pixels), which later layers override.

#include "graphics/Raster.h"
#include "ui/DrawPad00F.h"

namespace orvane {

class TDrawPad01 : public TDrawPad00 {
    Q_OBJECT

public:
    explicit TDrawPad01(QWidget* parent = nullptr);

    // Then grid row 2 ("10km"), a grey grid pen of width 1, no snapping.
    void ResetDefaults() override;
    // Then the grid.
    void Redraw() override;
    // Row of PadGridSizes; a row outside the table is ignored.
    virtual void SetGridSize(std::int32_t row);
    // Row of PadSnaps; a row outside the table is ignored.
    virtual void SetSnap(std::int32_t row);

    virtual void DrawSurfaceMouseDown(Qt::MouseButton button, int X, int Y);
    // Shows the cursor position.
    virtual void DrawSurfaceMouseMove(int X, int Y);
    virtual void DrawSurfaceMouseUp(Qt::MouseButton button, int X, int Y);
    // A release that does not say which button: the one that is down.
    void DrawSurfaceMouseUp(int X, int Y) { DrawSurfaceMouseUp(Qt::NoButton, X, Y); }

    void DrawGrid();
    // LabelCoord reads "x=12.500, y=3.000 [Km]": the snapped world position
    // of raster pixel (X, Y) in the units of UnitsIndex.
    void ShowCursorPosition(int X, int Y);

    std::int32_t GridIndex = 2;  // row of PadGridSizes
    std::int32_t SnapIndex = 0;  // row of PadSnaps
    Rgb GridColour = colours::kGrey;
    std::int32_t GridPenWidth = 1;  // pixels; the grid pen is always solid
};

}  // namespace orvane
