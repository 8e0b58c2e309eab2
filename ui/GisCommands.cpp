#include "ui/GisCommands.h"

#include <QApplication>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <memory>

#include "core/BearingReference.h"
#include "core/CrsService.h"
#include "core/ProjectCompanion.h"
#include "core/ProjectRecord.h"
#include "tools/QtText.h"

#ifdef ORVANE_UI_GIS
#include "gis/CrsSupport.h"
#include "gis/GisExport.h"
#include "gis/ShorelineImport.h"
#include "ui/ExportGisF.h"
#include "ui/ImportShorelineF.h"
#endif

namespace orvane {

GisCommands::GisCommands(QWidget* parent) : parent_(parent) { }

#ifdef ORVANE_UI_GIS

namespace {

// One bullet per line: each note may wrap in the box.
QString Lines(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QStringLiteral("\u2022 ") + QString::fromStdString(line);
    return list.join(QLatin1Char('\n'));
}

// The wait cursor while GDAL writes.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

void Report(QWidget* parent, const QString& title, const QString& text, const QString& details, bool warn)
{
    QMessageBox box(warn ? QMessageBox::Warning : QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("GisReport"));
    box.setInformativeText(details);
    box.exec();
}

// Runs the import on a worker thread, on a copy of the record, while a
// progress dialog with Cancel keeps the window alive: a large shore takes
// seconds. Cancel stops the import at its next step; the copy is dropped.
ShorelineImportResult ImportWithProgress(QWidget* parent, ProjectRecord& rec, const std::string& source,
                                         ShorelineOptions options)
{
    auto copy = std::make_unique<ProjectRecord>(rec);
    std::atomic<int> permille {0};
    std::atomic<bool> cancel {false};
    options.progress = [&permille, &cancel](double done) {
        permille.store(static_cast<int>(done * 1000.0));
        return !cancel.load();
    };
    ShorelineImportResult result;
    QProgressDialog progress(QStringLiteral("Importing the shoreline..."), QStringLiteral("Cancel"), 0, 1000, parent);
    progress.setObjectName(QStringLiteral("ImportProgress"));
    progress.setWindowTitle(QStringLiteral("Import shoreline"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel.store(true); });

    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&] { result = orvane::ImportShoreline(*copy, source, options); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    tick.setInterval(50);
    QObject::connect(&tick, &QTimer::timeout, [&] { progress.setValue(permille.load()); });
    worker->start();
    progress.show();
    tick.start();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();
    // Read before the dialog closes: closing it counts as a Cancel.
    const bool cancelled = cancel.load();
    tick.stop();
    progress.hide();
    // A Cancel that came after the last step still leaves the project as it was.
    if (cancelled) {
        result = ShorelineImportResult {};
        result.cancelled = true;
        result.Fail("the import was cancelled");
    } else if (result.ok) {
        rec = *copy;
    }
    return result;
}

}  // namespace

bool GisCommands::Available() { return true; }

const CrsService* GisCommands::Service()
{
    static const CrsService service = GisCrsService();
    return &service;
}

bool GisCommands::ImportShoreline(ProjectRecord& rec, ProjectCompanion& companion, const QString& folder)
{
    TImportShoreline dialog(parent_, folder, QString::fromStdString(companion.crs));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ShorelineOptions options;
    options.layer = dialog.Layer().toStdString();
    XY point;
    if (!dialog.PointText().isEmpty() && ParsePoint(dialog.PointText().toStdString(), point))
        options.point = point;
    const ShorelineImportResult result = ImportWithProgress(parent_, rec, dialog.Source().toStdString(), options);
    const QString title = QStringLiteral("Import shoreline");
    if (result.cancelled) {
        Report(parent_, title, QStringLiteral("The import was cancelled."),
               QStringLiteral("The project was not changed."), false);
        return false;
    }
    if (!result.ok) {
        Report(parent_, title, QString::fromStdString(result.message), QStringLiteral("The project was not changed."),
               true);
        return false;
    }
    // The project's coordinate system: the file's, else the one typed.
    std::vector<std::string> notes = result.notes;
    const std::string typed = dialog.CrsText().toStdString();
    if (!result.crs.empty() || !typed.empty()) {
        companion.crs = !result.crs.empty() ? result.crs : typed;
        notes.push_back("the project's coordinate system is now " +
                        (companion.crs.size() > 60 ? std::string("the file's (WKT)") : companion.crs));
    }
    if (result.warnings.empty())
        Report(parent_, title, QStringLiteral("The shoreline was imported."), Lines(notes), false);
    else
        Report(parent_, title, QStringLiteral("The shoreline was imported, with warnings:\n") + Lines(result.warnings),
               Lines(notes), true);
    return true;
}

void GisCommands::ExportGis(const ProjectRecord& rec, ProjectCompanion& companion, const QString& folder)
{
    TExportGis dialog(parent_, folder, QString::fromStdString(companion.crs));
    if (dialog.exec() != QDialog::Accepted)
        return;
    GisExportOptions options;
    options.rays = dialog.Rays();
    options.crs = CrsText(dialog.Crs().toStdString());
    GisExportResult result;
    {
        const BusyCursor busy;
        result = orvane::ExportGis(rec, dialog.Target().toStdString(), options);
    }
    const QString title = QStringLiteral("Export to GIS");
    if (!result.ok) {
        Report(parent_, title, QString::fromStdString(result.message),
               QStringLiteral("The files that were there are as they were."), true);
        return;
    }
    std::vector<std::string> notes = result.notes;
    if (companion.crs.empty() && !options.crs.empty()) {
        companion.crs = options.crs;
        notes.push_back("the project's coordinate system is now " + options.crs);
    }
    Report(parent_, title, QStringLiteral("Written:\n") + Lines(result.files), Lines(notes), false);
}

bool GisCommands::PointFromLonLat(ProjectRecord& rec, const ProjectCompanion& companion)
{
    const QString title = QStringLiteral("Point from lon/lat");
    if (companion.crs.empty()) {
        Report(parent_, title, QStringLiteral("The project has no coordinate system."),
               QStringLiteral("Import a shoreline, or give the system in File, \"Export to GIS...\" or with "
                              "orvane-cli set crs=EPSG:N."),
               true);
        return false;
    }
    QInputDialog ask(parent_);
    ask.setObjectName(QStringLiteral("PointLonLatDialog"));
    ask.setWindowTitle(title);
    ask.setLabelText(QStringLiteral("Longitude, latitude of the point (degrees, WGS 84):"));
    ask.setTextValue(QString());
    if (ask.exec() != QDialog::Accepted)
        return false;
    XY lonLat;
    if (!ParsePoint(ask.textValue().toStdString(), lonLat) || std::fabs(lonLat.x) > 180 || std::fabs(lonLat.y) > 90) {
        Report(parent_, title,
               QStringLiteral("Give the longitude and latitude as two numbers in degrees, for "
                              "example 23.712, 37.904."),
               QString(), true);
        return false;
    }
    const ProjectedPoint p = LonLatToProject(companion.crs, rec.CoordUnits, lonLat.x, lonLat.y);
    if (!p.ok) {
        Report(parent_, title, QString::fromStdString(p.message), QStringLiteral("The point was not moved."), true);
        return false;
    }
    rec.PointX = static_cast<float>(p.x);
    rec.PointY = static_cast<float>(p.y);
    return true;
}

#else  // built without the GIS library: the menu items are hidden

bool GisCommands::Available() { return false; }

const CrsService* GisCommands::Service() { return nullptr; }

bool GisCommands::PointFromLonLat(ProjectRecord&, const ProjectCompanion&)
{
    QMessageBox::warning(parent_, QStringLiteral("Point from lon/lat"),
                         QStringLiteral("This program was built without GIS support."));
    return false;
}

bool GisCommands::ImportShoreline(ProjectRecord&, ProjectCompanion&, const QString&)
{
    QMessageBox::warning(parent_, QStringLiteral("Import shoreline"),
                         QStringLiteral("This program was built without GIS support."));
    return false;
}

void GisCommands::ExportGis(const ProjectRecord&, ProjectCompanion&, const QString&)
{
    QMessageBox::warning(parent_, QStringLiteral("Export to GIS"),
                         QStringLiteral("This program was built without GIS support."));
}

#endif

BearingReference GisCommands::Bearings(const ProjectRecord& rec, const ProjectCompanion& companion)
{
    return ProjectBearings(companion.crs, rec.CoordUnits, rec.PointX, rec.PointY, Service());
}

}  // namespace orvane
