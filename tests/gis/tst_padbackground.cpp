// Tracing over a background on the drawing pad: a GeoTIFF in UTM metres
// traced by mouse, a plain picture placed by two control points, a GIS
// layer, and a background file gone missing.

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>
#include <cmath>

#include "core/ProjectCompanion.h"
#include "core/ProjectRecord.h"
#include "graphics/QtRaster.h"
#include "tests/ModalTestSupport.h"
#include "tests/TestSupport.h"
#include "tests/gis/BackgroundTestData.h"
#include "tests/gis/GisTestData.h"
#include "ui/BackgroundPlacementF.h"
#include "ui/OrvaneDrawRegionF.h"

namespace orvane {

namespace {

using test::LakeRaster;

QRgb At(const TOrvaneDrawRegion& w, double xMetres, double yMetres)
{
    const PadPixel p = w.Mapping.WorldToPixel(xMetres / 1000, yMetres / 1000);
    return w.Canvas().Image().pixel(p.X, p.Y);
}

bool IsLake(QRgb c) { return qBlue(c) > qRed(c) + 100 && qBlue(c) > qGreen(c) + 100; }
bool IsLand(QRgb c) { return qGreen(c) > qBlue(c) + 60 && qGreen(c) > qRed(c) + 60; }

// A project in metres without boundaries, the pad open on it and shown.
struct OpenPad {
    explicit OpenPad(const QString& folder)
    {
        SetProjectDefaults(project);
        project.CoordUnits = 2;
        ClearBoundaries(project);
        project.BoundaryCount = 0;
        window = std::make_unique<TOrvaneDrawRegion>(project, nullptr);
        window->SetPadSettings(&pad, folder + "/Lake.WDT");
        window->OpenOnProject(0, folder + "/Orvane.INI");
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the pad was not shown");
    }
    // A picture of the window when the environment names a folder for them.
    void Shot(const char* name) const
    {
        const QString folder = qEnvironmentVariable("ORVANE_PAD_SHOTS");
        if (!folder.isEmpty())
            window->grab().save(folder + "/" + name);
    }
    ProjectRecord project {};
    PadSettings pad;
    std::unique_ptr<TOrvaneDrawRegion> window;
};

}  // namespace

class PadBackgroundTest : public QObject {
    Q_OBJECT

    QString folder_;

private slots:
    void initTestCase()
    {
        folder_ = QString::fromStdString(test::WorkFolder("pad-background"));
        QVERIFY(test::WriteLakeRaster((folder_ + "/lake.tif").toStdString()));
    }

    void TracingOverAGeoTiff()
    {
        OpenPad pad(folder_);
        TOrvaneDrawRegion& w = *pad.window;
        QVERIFY(w.LoadBackgroundImage(folder_ + "/lake.tif"));
        w.OpacitySlider->setValue(100);
        QVERIFY(pad.pad.background);
        QCOMPARE(pad.pad.background->kind, PadBackgroundKind::Raster);
        QCOMPARE(QString::fromStdString(pad.pad.background->file), folder_ + "/lake.tif");

        // The lake is drawn where its corners lie: water just inside each, land just outside.
        const XY centre = LakeRaster::Centre();
        for (const XY& c : LakeRaster::kCorners) {
            const double dx = centre.x - c.x;
            const double dy = centre.y - c.y;
            const double d = std::hypot(dx, dy);
            QVERIFY(IsLake(At(w, c.x + 60 * dx / d, c.y + 60 * dy / d)));
            QVERIFY(IsLand(At(w, c.x - 60 * dx / d, c.y - 60 * dy / d)));
        }
        pad.Shot("pad-over-geotiff.png");

        // Five points on the corners, joined into a ring.
        const auto click = [&w](const XY& c) {
            const PadPixel p = w.Mapping.WorldToPixel(c.x / 1000, c.y / 1000);
            QTest::mouseClick(w.DrawSurface, Qt::LeftButton, {}, QPoint(p.X, p.Y));
        };
        w.SEtPointsBtn->click();
        for (const XY& c : LakeRaster::kCorners)
            click(c);
        w.ConnectPointsBtn->click();
        for (const XY& c : LakeRaster::kCorners)
            click(c);
        click(LakeRaster::kCorners[0]);
        pad.Shot("pad-traced.png");
        const double metresPerPixel = 1000 / w.Mapping.PixelsPerUnitX();
        QVERIFY(w.close());
        w.StoreToProject();

        const ProjectRecord& rec = pad.project;
        QCOMPARE(rec.BoundaryCount, 1);
        QCOMPARE(rec.NodeCount[1], 6);  // closed by the first node again
        for (int k = 0; k < 6; ++k) {
            const XY& c = LakeRaster::kCorners[static_cast<std::size_t>(k % 5)];
            QVERIFY2(std::fabs(rec.NodeX[1][k + 1] - c.x) <= metresPerPixel &&
                         std::fabs(rec.NodeY[1][k + 1] - c.y) <= metresPerPixel,
                     qPrintable(QStringLiteral("node %1 at %2, %3; pixel %4 m")
                                    .arg(k + 1)
                                    .arg(rec.NodeX[1][k + 1], 0, 'f', 1)
                                    .arg(rec.NodeY[1][k + 1], 0, 'f', 1)
                                    .arg(metresPerPixel)));
        }
    }

    void PictureByControlPoints()
    {
        // Left half red, right half blue.
        QImage chart(200, 100, QImage::Format_RGB32);
        chart.fill(Qt::blue);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                chart.setPixel(x, y, qRgb(255, 0, 0));
        QVERIFY(chart.save(folder_ + "/chart.png"));

        OpenPad pad(folder_);
        TOrvaneDrawRegion& w = *pad.window;
        // Cancelled: nothing changes.
        test::OnNextModal<TBackgroundPlacement>([](TBackgroundPlacement* d) { d->CancelBtn->click(); });
        QVERIFY(!w.LoadBackgroundImage(folder_ + "/chart.png"));
        QVERIFY(!pad.pad.background && w.Background.Empty());

        bool refused = false;
        test::OnNextModal<TBackgroundPlacement>([&refused](TBackgroundPlacement* d) {
            const char* values[] = {"0", "100", "1000", "2000", "200", "100", "x", "2000"};
            QLineEdit* edits[] = {d->Column1Edit, d->Row1Edit, d->X1Edit, d->Y1Edit,
                                  d->Column2Edit, d->Row2Edit, d->X2Edit, d->Y2Edit};
            for (int i = 0; i < 8; ++i)
                edits[i]->setText(QLatin1String(values[i]));
            d->OkBtn->click();
            refused = d->isVisible() && !d->ProblemLabel->text().isEmpty();
            if (const QString shots = qEnvironmentVariable("ORVANE_PAD_SHOTS"); !shots.isEmpty())
                d->grab().save(shots + "/placement-dialog.png");
            d->X2Edit->setText(QStringLiteral("1400,0"));
            d->OkBtn->click();
        });
        QVERIFY(w.LoadBackgroundImage(folder_ + "/chart.png"));
        QVERIFY(refused);
        QVERIFY(pad.pad.background);
        QCOMPARE(pad.pad.background->kind, PadBackgroundKind::Image);
        QCOMPARE(pad.pad.background->placement, (std::array<double, 8> {0, 100, 1000, 2000, 200, 100, 1400, 2000}));
        // 2 m a pixel: the picture covers x 1000 to 1400 m and y 2000 to 2200 m.
        const PadBox box = PadBackgroundBox(w.Background);
        QVERIFY(std::fabs(box.Left - 1.0) < 1e-9 && std::fabs(box.Right - 1.4) < 1e-9);
        QVERIFY(std::fabs(box.Bottom - 2.0) < 1e-9 && std::fabs(box.Top - 2.2) < 1e-9);
        w.OpacitySlider->setValue(100);
        QCOMPARE(At(w, 1100, 2100), qRgb(255, 0, 0));
        QCOMPARE(At(w, 1300, 2100), qRgb(0, 0, 255));
        QVERIFY(pad.project.BoundaryCount == 0);
    }

    void LayerAsAFaintReference()
    {
        const std::unique_ptr<OGRPolygon> shore =
            test::MakePolygon({{LakeRaster::kCorners.begin(), LakeRaster::kCorners.end()}});
        const std::string path = (folder_ + "/shore.geojson").toStdString();
        QVERIFY(test::WriteGisFile(path, "GeoJSON", 32633, {shore.get()}));
        OpenPad pad(folder_);
        TOrvaneDrawRegion& w = *pad.window;
        QVERIFY(w.LoadBackgroundImage(folder_ + "/lake.tif"));
        QVERIFY(w.LoadBackgroundLayer(QString::fromStdString(path)));
        QCOMPARE(pad.pad.background->kind, PadBackgroundKind::Layer);
        QCOMPARE(w.Background.Lines.size(), std::size_t {1});
        QCOMPARE(w.Background.Lines[0].size(), std::size_t {6});  // the ring closed, as written open
        QVERIFY(!w.Background.Picture);                           // the layer replaced the picture
        pad.Shot("pad-over-layer.png");
        // The shore's first node, in kilometres.
        QVERIFY(std::fabs(w.Background.Lines[0][0].X - LakeRaster::kCorners[0].x / 1000) < 1e-9);
    }

    void MissingFileIsSaidOnceAndThePadOpens()
    {
        PadSettings kept;
        kept.background = PadBackgroundSetting {"gone.tif", PadBackgroundKind::Raster, {}, 0.3};
        test::MessageRecorder messages;
        for (int opening = 0; opening < 2; ++opening) {
            ProjectRecord rec {};
            SetProjectDefaults(rec);
            TOrvaneDrawRegion w(rec, nullptr);
            w.SetPadSettings(&kept, folder_ + "/Lake.WDT");
            w.OpenOnProject(0, folder_ + "/Orvane.INI");
            QVERIFY(w.Background.Empty());
            QCOMPARE(w.OpacitySlider->value(), 30);
        }
        QCOMPARE(messages.messages.size(), std::size_t {1});
        const QString text = QString::fromStdString(messages.messages[0].text);
        QVERIFY2(text.contains(folder_ + "/gone.tif") && text.contains(QStringLiteral("missing")), qPrintable(text));
        QVERIFY(kept.background);  // kept for when the file is back
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::PadBackgroundTest)
#include "tst_padbackground.moc"
