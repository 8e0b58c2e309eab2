#pragma once
// The File menu's GIS commands, "Import shoreline...", "Export to GIS..." and
// "Point from lon/lat...", for the main window: it creates one GisCommands
// and calls it from the menu handlers. The project's coordinate system lives
// in its companion settings: the import sets it (the file's, or the one
// typed in the dialog), the export offers it and keeps one typed there, and
// the bearings the window shows are true bearings where it is known.

#include <QString>

class QWidget;

namespace orvane {

struct ProjectRecord;
class ProjectCompanion;
struct BearingReference;
struct CrsService;

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
    bool ImportShoreline(ProjectRecord& rec, ProjectCompanion& companion, const QString& folder);

    // Asks for the file, the coordinate system and the rays, writes the file
    // and says what was written. rec should hold the committed controls. A
    // system typed for a project without one becomes the project's.
    void ExportGis(const ProjectRecord& rec, ProjectCompanion& companion, const QString& folder);

    // Asks for a longitude and latitude and moves rec's point there. True
    // when it moved; says why not when the project has no coordinate system.
    bool PointFromLonLat(ProjectRecord& rec, const ProjectCompanion& companion);

    // The bearings at rec's point: true where the project's coordinate
    // system is known and the GIS module is there, else grid (with why).
    static BearingReference Bearings(const ProjectRecord& rec, const ProjectCompanion& companion);

    // The GIS module's coordinate-system answers; null without GIS support.
    static const CrsService* Service();

private:
    QWidget* parent_;
};

}  // namespace orvane
