#pragma once
// TExportGis: the dialog of File, "Export to GIS...": the file (its extension
// chooses the format), the coordinate system the project's coordinates are
// in, and whether the fetch rays go along. It only asks; GisCommands exports.

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class TExportGis : public QDialog {
public:
    // crs: the coordinate system offered, "EPSG:NNNN" or "".
    TExportGis(QWidget* parent, const QString& folder, const QString& crs);

    QString Target() const;  // the file to write
    QString Crs() const;     // "EPSG:NNNN", WKT or ""
    bool Rays() const;

    static QString TargetFilter();

    QLineEdit* TargetEdit;
    QPushButton* BrowseBtn;
    QLineEdit* CrsEdit;
    QCheckBox* RaysCheck;
    QLabel* HintLabel;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

    // Checks the entries before closing: a known extension, a system that is
    // empty or EPSG:NNNN, and one for KML. A problem is shown and the dialog
    // stays open.
    void accept() override;

private:
    void BrowseBtnClick();

    QString folder_;
};

}  // namespace orvane
