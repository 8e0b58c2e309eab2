// Moving the pad's view: fitting a drawing (which scale row, when a free
// scale, when a chosen row stays), and panning and zooming about a pixel.

#include "graphics/PadView.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// 96 dpi: 3.78 pixels per screen millimetre, kilometres as world units.
PadMapping Screen()
{
    PadMapping m;
    m.PixelsPerMmX = m.PixelsPerMmY = static_cast<float>(96 / 25.4);
    return m;
}

// 800 x 600 pixels at the surface's bottom-left.
constexpr PadRect kArea {0, 396, 800, 600};

TEST(PadView, FitChoosesTheLargestMapScaleThatHoldsTheDrawing)
{
    struct Case {
        const char* name;
        PadBox box;  // km
        int keepRow;
        int row;  // -1: free
    };
    const Case cases[] = {
        {"UTM lake of 15 km: 1 cm = 1 km", {542.1, 4393.8, 557.1, 4403.8, false}, -1, 0},
        {"bay of 40 km: 1 cm = 5 km", {-20, -10, 20, 15}, -1, 1},
        {"coast of 600 km: 1 cm = 25 km would not hold it", {0, 0, 600, 300}, -1, 4},
        {"harbour of 1 km fills the area freely", {0, 0, 1.1, 0.8}, -1, -1},
        {"a continent beyond every row", {0, 0, 40000, 9000}, -1, -1},
        {"one point at the finest row", {3, 4, 3, 4}, -1, 0},
        {"a coarser row chosen before stays", {0, 0, 5, 4}, 4, 4},
        {"a row chosen before that cannot hold it goes", {0, 0, 600, 300}, 0, 4},
        {"the finest row chosen before yields to a free fit", {0, 0, 1.1, 0.8}, 0, -1},
    };
    for (const Case& c : cases) {
        PadBox box = c.box;
        box.Empty = false;
        const PadFit fit = FitView(Screen(), box, kArea, c.keepRow);
        EXPECT_EQ(fit.Row, c.row) << c.name;
        PadMapping m = Screen();
        m.ScaleRatio = fit.Ratio;
        m.OriginX = fit.OriginX;
        m.OriginY = fit.OriginY;
        // Whole and centred in the area.
        const PadPixel low = m.WorldToPixel(box.Left, box.Bottom);
        const PadPixel high = m.WorldToPixel(box.Right, box.Top);
        EXPECT_GE(low.X, kArea.Left) << c.name;
        EXPECT_LE(high.X, kArea.Left + kArea.Width - 1) << c.name;
        EXPECT_GE(high.Y, kArea.Top) << c.name;
        EXPECT_LE(low.Y, kArea.Top + kArea.Height - 1) << c.name;
        EXPECT_NEAR(low.X + high.X, kArea.Width - 1, 2) << c.name;
        EXPECT_NEAR(low.Y + high.Y, 2 * kArea.Top + kArea.Height - 1, 2) << c.name;
        if (c.row < 0 && box.Right - box.Left < 100) {
            EXPECT_GT(high.X - low.X, kArea.Width * 9 / 10) << c.name;  // filled, not a dot
        }
    }
    EXPECT_EQ(FitView(Screen(), PadBox {}, kArea).Row, -1);  // nothing to fit
}

TEST(PadView, PanAndZoomKeepTheWorldUnderThePixel)
{
    PadMapping m = Screen();
    m.OriginX = 542;
    m.OriginY = -4394;
    const PadXY before = m.PixelToWorld(300, 700);
    PanBy(m, 25, -40);  // the picture moves right and up
    const PadXY moved = m.PixelToWorld(325, 660);
    EXPECT_NEAR(moved.X, before.X, 1e-3);
    EXPECT_NEAR(moved.Y, before.Y, 1e-3);

    ZoomAbout(m, m.ScaleRatio / 8, 325, 660);
    const PadXY zoomed = m.PixelToWorld(325, 660);
    EXPECT_NEAR(zoomed.X, before.X, 1e-3);
    EXPECT_NEAR(zoomed.Y, before.Y, 1e-3);
    EXPECT_DOUBLE_EQ(m.ScaleRatio, PadScales[2].Ratio / 8);
    ZoomAbout(m, 1e-6, 0, 0);  // pinned at 1 cm = 1 m
    EXPECT_DOUBLE_EQ(m.ScaleRatio, kPadMinScaleRatio);
}

}  // namespace
}  // namespace orvane
