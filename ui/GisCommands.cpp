#include "ui/GisCommands.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

#include "core/ProjectRecord.h"

#ifdef ORVANE_UI_GIS
#include "gis/GisExport.h"
#include "gis/ShorelineImport.h"
#include "ui/ExportGisF.h"
#include "ui/ImportShorelineF.h"
#endif

namespace orvane {

GisCommands::GisCommands(QWidget* parent) : parent_(parent) {}

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
    std::atomic<int> permille{0};
    std::atomic<bool> cancel{false};
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
    std::unique_ptr<QThread> worker(
        QThread::create([&] { result = orvane::ImportShoreline(*copy, source, options); }));
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
        result = ShorelineImportResult{};
        result.cancelled = true;
        result.error = "the import was cancelled";
    } else if (result.error.empty()) {
        rec = *copy;
    }
    return result;
}

}  // namespace

bool GisCommands::Available() { return true; }

bool GisCommands::ImportShoreline(ProjectRecord& rec, const QString& folder)
{
    TImportShoreline dialog(parent_, folder);
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
        Report(parent_, title, QStringLiteral("The import was cancelled."), QStringLiteral("The project was not changed."),
               false);
        return false;
    }
    if (!result.error.empty()) {
        Report(parent_, title, QString::fromStdString(result.error), QStringLiteral("The project was not changed."),
               true);
        return false;
    }
    lastCrs_ = result.epsg != 0 ? QStringLiteral("EPSG:%1").arg(result.epsg) : QString();
    if (result.warnings.empty())
        Report(parent_, title, QStringLiteral("The shoreline was imported."), Lines(result.notes), false);
    else
        Report(parent_, title, QStringLiteral("The shoreline was imported, with warnings:\n") + Lines(result.warnings),
               Lines(result.notes), true);
    return true;
}

void GisCommands::ExportGis(const ProjectRecord& rec, const QString& folder)
{
    TExportGis dialog(parent_, folder, lastCrs_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    GisExportOptions options;
    options.rays = dialog.Rays();
    options.epsg = ParseEpsg(dialog.Crs().toStdString());
    GisExportResult result;
    {
        const BusyCursor busy;
        result = orvane::ExportGis(rec, dialog.Target().toStdString(), options);
    }
    const QString title = QStringLiteral("Export to GIS");
    if (!result.error.empty()) {
        Report(parent_, title, QString::fromStdString(result.error),
               QStringLiteral("The files that were there are as they were."), true);
        return;
    }
    Report(parent_, title, QStringLiteral("Written:\n") + Lines(result.files), Lines(result.notes), false);
}

#else  // built without the GIS library: the menu items are hidden

bool GisCommands::Available() { return false; }

bool GisCommands::ImportShoreline(ProjectRecord&, const QString&)
{
    QMessageBox::warning(parent_, QStringLiteral("Import shoreline"),
                         QStringLiteral("This program was built without GIS support."));
    return false;
}

void GisCommands::ExportGis(const ProjectRecord&, const QString&)
{
    QMessageBox::warning(parent_, QStringLiteral("Export to GIS"),
                         QStringLiteral("This program was built without GIS support."));
}

#endif

}  // namespace orvane
