#pragma once
// The File menu's GIS commands, "Import shoreline..." and "Export to GIS...",
// for the main window: it creates one GisCommands and calls it from the two
// menu handlers. Between them it remembers the coordinate system of the last
// import, which the export then offers.

#include <QString>

class QWidget;

namespace orvane {

struct ProjectRecord;

class GisCommands {
public:
    explicit GisCommands(QWidget* parent);

    // False when the program was built without the GIS library: the main
    // window then hides the two menu items.
    static bool Available();

    // Asks for the file, imports it into rec and shows the notes and
    // warnings in a message box. True when rec changed: the caller shows the
    // project and recomputes. A failed import shows why and changes nothing.
    // folder: where the file dialog starts.
    bool ImportShoreline(ProjectRecord& rec, const QString& folder);

    // Asks for the file, the coordinate system and the rays, writes the file
    // and says what was written. rec should hold the committed controls.
    void ExportGis(const ProjectRecord& rec, const QString& folder);

    QString LastCrs() const { return lastCrs_; }  // "EPSG:NNNN" of the last import, or ""

private:
    QWidget* parent_;
    QString lastCrs_;
};

}  // namespace orvane
