#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/WaveRose.h"
#include "graphics/RosePlot.h"

namespace orvane {
namespace {

TEST(RosePlot, RingsAreRoundStepsUpToTheLargestValue)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double max, step;
        int rings;
    } cases[] = {{13.574, 5.0, 3}, {1.436, 0.5, 3}, {4.0, 1.0, 4},  {100.0, 25.0, 4}, {0.031, 0.01, 4},
                 {258.3, 100.0, 3}, {0.0, 1.0, 1},  {-3.0, 1.0, 1}, {nan, 1.0, 1}};
    for (const auto& c : cases) {
        const RoseScale scale = MakeRoseScale(c.max);
        EXPECT_DOUBLE_EQ(scale.step, c.step) << c.max;
        EXPECT_EQ(scale.rings, c.rings) << c.max;
        if (c.max > 0.0) {
            EXPECT_GE(scale.Top(), c.max);
        }
    }
}

TEST(RosePlot, DrawsAnyRoseOnTheAskedSize)
{
    ProjectRecord rec{};
    SetProjectDefaults(rec);
    WaveRoseResult rose = WaveRose(rec, 30);  // no boundaries: every fetch 0
    rose.rows[3].heightM = std::numeric_limits<float>::quiet_NaN();
    const QImage image = DrawRosePlot(rose, rec, 500, 600);
    EXPECT_EQ(image.size(), QSize(500, 600));
    EXPECT_EQ(DrawRosePlot(WaveRoseResult{}, rec, 10, 100000).size(), QSize(200, 8192));
}

}  // namespace
}  // namespace orvane
