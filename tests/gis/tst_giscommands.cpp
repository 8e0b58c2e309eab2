// The File menu's GIS commands in the window: the import dialog and its
// report, the coordinate system of the import offered by the export, and the
// checks that keep a dialog open or refuse a file without changing anything.

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <functional>

#include "core/ProjectCompanion.h"
#include "core/ProjectRecord.h"
#include "tests/ModalTestSupport.h"
#include "tests/gis/GisTestData.h"
#include "ui/ExportGisF.h"
#include "ui/GisCommands.h"
#include "ui/ImportShorelineF.h"

namespace orvane {

using test::OnNextModal;

namespace {

// Accepts the report box and keeps its texts.
void TakeReport(QString& text)
{
    OnNextModal<QMessageBox>([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        text = box->text() + QLatin1Char('\n') + box->informativeText();
        box->accept();
    });
}

}  // namespace

class GisCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void ImportThenExport()
    {
        const QString dir = QString::fromStdString(test::WorkFolder("window"));
        const test::Lake lake;
        QVERIFY(test::WriteGisFile((dir + "/lake.gpkg").toStdString(), "GPKG", 4326, {lake.shape.get()}));
        QWidget window;
        GisCommands commands(&window);
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        ProjectCompanion companion;

        QString report;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = dynamic_cast<TImportShoreline*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->SourceEdit->setText(dir + "/lake.gpkg");
            dialog->PointEdit->setText(QStringLiteral("23.70, 37.90"));
            TakeReport(report);
            dialog->OkBtn->click();
        });
        QVERIFY(commands.ImportShoreline(rec, companion, dir));
        QCOMPARE(rec.BoundaryCount, 3);
        QCOMPARE(rec.CoordUnits, 2);
        QVERIFY2(report.contains(QStringLiteral("simplified from 3001 to 999 nodes")), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("EPSG:32634")), qPrintable(report));
        QVERIFY2(!report.contains(QStringLiteral("point is not")), "the point was moved into the lake");
        QCOMPARE(companion.crs, std::string("EPSG:32634"));  // the project keeps the system

        OnNextModal([&](QWidget* modal) {
            auto* dialog = dynamic_cast<TExportGis*>(modal);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->CrsEdit->text(), QStringLiteral("EPSG:32634"));
            dialog->TargetEdit->setText(dir + "/lake-out.kml");
            TakeReport(report);
            dialog->OkBtn->click();
        });
        commands.ExportGis(rec, companion, dir);
        QVERIFY2(report.startsWith(QStringLiteral("Written:\n\u2022 ")), qPrintable(report));
        QVERIFY(QFileInfo::exists(dir + "/lake-out.kml"));
    }

    // A large shore imports on a worker thread behind a progress dialog;
    // its Cancel leaves the project as it was.
    void ImportCanBeCancelled()
    {
        const QString dir = QString::fromStdString(test::WorkFolder("window-cancel"));
        const auto shore = test::MakePolygon({test::Blob(test::kLakeLon, test::kLakeLat, 0.05, 200000, 0.79)});
        QVERIFY(test::WriteGisFile((dir + "/shore.gpkg").toStdString(), "GPKG", 4326, {shore.get()}));
        QWidget window;
        GisCommands commands(&window);
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        ProjectCompanion companion;
        const ProjectRecord before = rec;

        QString report;
        bool sawProgress = false;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = dynamic_cast<TImportShoreline*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->SourceEdit->setText(dir + "/shore.gpkg");
            OnNextModal<QProgressDialog>([&](QWidget* progress) {
                sawProgress = progress->objectName() == QStringLiteral("ImportProgress");
                progress->findChild<QPushButton*>()->click();
                TakeReport(report);
            });
            dialog->OkBtn->click();
        });
        QVERIFY(!commands.ImportShoreline(rec, companion, dir));
        QVERIFY(sawProgress);
        QVERIFY2(report.startsWith(QStringLiteral("The import was cancelled.")), qPrintable(report));
        QVERIFY(std::memcmp(&rec, &before, sizeof rec) == 0);
    }

    void RefusalsChangeNothing()
    {
        const QString dir = QString::fromStdString(test::WorkFolder("window-refusals"));
        const OGRPoint point(23.7, 37.9);
        QVERIFY(test::WriteGisFile((dir + "/points.geojson").toStdString(), "GeoJSON", 4326, {&point}));
        QWidget window;
        GisCommands commands(&window);
        ProjectRecord rec {};
        SetProjectDefaults(rec);
        ProjectCompanion companion;
        const ProjectRecord before = rec;

        QString report;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = dynamic_cast<TImportShoreline*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->SourceEdit->setText(dir + "/points.geojson");
            TakeReport(report);
            dialog->OkBtn->click();
        });
        QVERIFY(!commands.ImportShoreline(rec, companion, dir));
        QVERIFY2(report.contains(QStringLiteral("no polygon")), qPrintable(report));
        QVERIFY(std::memcmp(&rec, &before, sizeof rec) == 0);

        // KML without a coordinate system: a warning, and the dialog stays.
        bool stayed = false;
        OnNextModal([&](QWidget* modal) {
            auto* dialog = dynamic_cast<TExportGis*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->TargetEdit->setText(dir + "/out.kml");
            TakeReport(report);
            dialog->OkBtn->click();
            stayed = dialog->isVisible();
        });
        commands.ExportGis(rec, companion, dir);
        QVERIFY(stayed);
        QVERIFY2(report.contains(QStringLiteral("KML is always longitude/latitude")), qPrintable(report));
        QVERIFY(!QFileInfo::exists(dir + "/out.kml"));
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::GisCommandsTest)
#include "tst_giscommands.moc"
