#pragma once
// TImportShoreline: the dialog of File, "Import shoreline...": which GIS file,
// which of its layers, and optionally where the computation point goes (in
// the file's coordinates). It only asks; GisCommands imports.

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class TImportShoreline : public QDialog {
public:
    // folder: where the file dialog starts.
    // crs: the project's coordinate system, shown in CrsEdit.
    explicit TImportShoreline(QWidget* parent, const QString& folder, const QString& crs = {});

    QString Source() const;     // the GIS file, as typed or chosen
    QString Layer() const;      // "" for every layer
    QString PointText() const;  // "" when the point stays
    // The project's coordinate system when the file names none ("EPSG:N" or
    // WKT, as CrsText keeps it); "" to keep the project's.
    QString CrsText() const;

    // The file dialog's filter: the formats GDAL reads most often, then any file.
    static QString SourceFilter();

    QLineEdit* SourceEdit;
    QPushButton* BrowseBtn;
    QComboBox* LayerCombo;  // "(all layers)" and the file's layers
    QLineEdit* PointEdit;
    QLineEdit* CrsEdit;
    QLabel* HintLabel;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

    // Checks the entries before closing: a file that exists, a point that is
    // empty or "x, y". A problem is shown and the dialog stays open.
    void accept() override;

private:
    void BrowseBtnClick();
    void FillLayers();  // LayerCombo from the file in SourceEdit

    QString folder_;
    QString layersOf_;  // the file LayerCombo was filled from
};

}  // namespace orvane
