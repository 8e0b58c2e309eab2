#include "ui/GisCommands.h"

#include <QApplication>
#include <QMessageBox>

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

// The wait cursor while GDAL works (a large file takes a moment to simplify).
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
    ShorelineImportResult result;
    {
        const BusyCursor busy;
        result = orvane::ImportShoreline(rec, dialog.Source().toStdString(), options);
    }
    const QString title = QStringLiteral("Import shoreline");
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
        Report(parent_, title, QString::fromStdString(result.error), QString(), true);
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
