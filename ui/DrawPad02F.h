#pragma once
// TDrawPad02: drawing the graph's points and finding the point under the cursor.

#include "graphics/PadDrawing.h"
#include "ui/DrawPad01F.h"

namespace orvane {

class TDrawPad02 : public TDrawPad01 {
    Q_OBJECT

public:
    explicit TDrawPad02(QWidget* parent = nullptr);

    // Then the point appearance below.
    void ResetDefaults() override;
    // Then every point.
    void Redraw() override;

    // The marker of a point at pixel p in the raster's current pen mode,
    // with its number when ShowNumbers and number > 0.
    void DrawPadPoint(std::int32_t number, PadPixel p);
    // Every live, visible point, in copy mode.
    void DrawAllPoints();
    // A copy of the live, visible point nearest to world (x, y) within a
    // quarter grid (the earliest among equals); Index and Number -1 and
    // X = Y = 0 when there is none.
    PadPoint NearestPoint(double x, double y) const;
    // NearestPoint of the snapped position of raster pixel (X, Y); a hit moves
    // the mouse cursor onto the point.
    PadPoint PickPoint(int X, int Y);

    PadPointStyle PointStyle() const;

    std::int32_t PointSize = 4;           // pixels
    std::int32_t PointType = kPadSquare;  // square, triangle or dot
    Rgb PointColour = colours::kBlue;
    std::int32_t LabelSize = 8;  // points
    Rgb LabelColour = colours::kBlue;
    bool ShowNumbers = true;
};

}  // namespace orvane
