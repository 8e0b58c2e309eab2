// The main window's region picture keeps its boundaries and grid between
// drawings: after any change it must show what a fresh drawing shows.

#include "ui/RegionPicture.h"

#include <QTest>
#include <functional>

#include "graphics/QtRaster.h"
#include "graphics/RegionPlot.h"
#include "tests/TestSupport.h"

namespace orvane {

using namespace test;

class RegionPictureTest : public QObject {
    Q_OBJECT

private slots:
    void keptLayerDrawsLikeAFreshPicture()
    {
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        rec.CoordUnits = 3;
        SetBoundary(rec, 1, ClosedRing({{0, 0}, {10, 0}, {12, 8}, {0, 9}}));
        SetBoundary(rec, 2, ClosedRing({{3, 3}, {5, 3}, {4, 5}}));
        rec.PointX = 6;
        rec.PointY = 2;
        rec.WindDirection = 45;
        rec.SectorAngle = 90;
        TRegionPicture picture(rec);
        picture.resize(300, 250);
        struct Step {
            const char* name;
            std::function<void()> change;
            bool numbers;
        };
        const Step steps[] = {
            {"first drawing", [] {}, false},
            {"wind", [&] { rec.WindDirection = 120; }, false},
            {"point and sector",
             [&] {
                 rec.PointX = 2;
                 rec.SectorAngle = 30;
             },
             false},
            {"nothing", [] {}, false},
            {"a node moved", [&] { rec.NodeX[1][2] = 14; }, false},
            {"an island fewer", [&] { rec.BoundaryCount = 1; }, false},
            {"unit", [&] { rec.CoordUnits = 2; }, false},
            {"node numbers", [] {}, true},
            {"size", [&] { picture.resize(200, 320); }, true},
        };
        for (const Step& step : steps) {
            step.change();
            const PlotScale scale = picture.Redraw(step.numbers);
            QtRaster fresh(picture.width(), picture.height());
            const PlotScale expected = DrawRegionPlot(rec, fresh, step.numbers);
            QVERIFY2(picture.Picture() == fresh.Image(), step.name);
            QVERIFY2(scale.MinX == expected.MinX && scale.MaxY == expected.MaxY && scale.ScaleX == expected.ScaleX &&
                         scale.OffsetX == expected.OffsetX && scale.OffsetY == expected.OffsetY,
                     step.name);
        }
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::RegionPictureTest)
#include "RegionPictureTest.moc"
