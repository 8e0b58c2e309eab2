#pragma once
// TDrawPad03: drawing the graph's directed lines, finding the line under the
// cursor and connecting points.

#include "ui/DrawPad02F.h"

namespace orvane {

class TDrawPad03 : public TDrawPad02 {
    Q_OBJECT

public:
    explicit TDrawPad03(QWidget* parent = nullptr);

    // Then the line appearance below.
    void ResetDefaults() override;
    // Then every line, over the points.
    void Redraw() override;

    // A line between world points in the raster's current pen mode; with
    // withMark and MarkOn its last stretch is grey.
    void DrawPadLine(bool withMark, double x1, double y1, double x2, double y2);
    // Every live, visible line with its mark, in copy mode.
    void DrawAllLines();
    // Index of the line under raster pixel (X, Y) (snapped), -1 for none.
    std::int32_t NearestLine(int X, int Y) const;
    // Adds the line a -> b and draws it; false (and nothing drawn) when the
    // graph refuses it.
    bool ConnectPoints(std::int32_t a, std::int32_t b);

    PadLineStyle LineStyle() const;

    Rgb LineColour = colours::kBlack;
    std::int32_t LineWidth = 2;  // pixels
    bool MarkOn = true;
    std::int32_t MarkSize = 2;  // row of DirectionMarkFactors
};

}  // namespace orvane
