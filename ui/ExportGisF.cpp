#include "ui/ExportGisF.h"

#ifdef ORVANE_UI_GIS

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/ProjectCompanion.h"
#include "gis/GisExport.h"
#include "tools/FormFonts.h"
#include "tools/help/HelpSystem.h"

namespace orvane {

TExportGis::TExportGis(QWidget* parent, const QString& folder, const QString& crs) : QDialog(parent), folder_(folder)
{
    setObjectName(QStringLiteral("ExportGis"));
    setProperty(kHelpKeywordProperty, QStringLiteral("GisFiles"));  // the topic F1 opens here
    setWindowTitle(QStringLiteral("Export to GIS"));
    setModal(true);

    TargetEdit = new QLineEdit(this);
    TargetEdit->setObjectName(QStringLiteral("TargetEdit"));
    TargetEdit->setMinimumWidth(360);
    BrowseBtn = new QPushButton(QStringLiteral("Browse..."), this);
    BrowseBtn->setObjectName(QStringLiteral("BrowseBtn"));
    CrsEdit = new QLineEdit(crs, this);
    CrsEdit->setObjectName(QStringLiteral("CrsEdit"));
    CrsEdit->setPlaceholderText(
        QStringLiteral("EPSG:NNNN of the project's coordinates (none: written as they are); kept with the project"));
    RaysCheck = new QCheckBox(QStringLiteral("Fetch rays of the wind sector"), this);
    RaysCheck->setObjectName(QStringLiteral("RaysCheck"));
    RaysCheck->setChecked(true);
    HintLabel = new QLabel(QStringLiteral("The extension chooses the format: .geojson, .gpkg, .kml or .shp. KML is "
                                          "always longitude/latitude and needs the coordinate system."),
                           this);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setWordWrap(true);
    OkBtn = new QPushButton(QStringLiteral("Export"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(TargetEdit, 1);
    fileRow->addWidget(BrowseBtn);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("File:"), fileRow);
    form->addRow(QStringLiteral("Coordinate system:"), CrsEdit);
    form->addRow(QString(), RaysCheck);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(HintLabel);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(BrowseBtn, &QPushButton::clicked, this, &TExportGis::BrowseBtnClick);
    connect(OkBtn, &QPushButton::clicked, this, &TExportGis::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ApplyFormFace(this, UiFontName());
}

QString TExportGis::TargetFilter()
{
    return QStringLiteral("GeoJSON (*.geojson);;GeoPackage (*.gpkg);;KML (*.kml);;Shapefile (*.shp)");
}

QString TExportGis::Target() const { return TargetEdit->text().trimmed(); }

QString TExportGis::Crs() const { return CrsEdit->text().trimmed(); }

bool TExportGis::Rays() const { return RaysCheck->isChecked(); }

void TExportGis::BrowseBtnClick()
{
    QFileDialog dialog(this, QStringLiteral("Export to GIS"), folder_, TargetFilter());
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("geojson"));
    // The suffix follows the chosen format when the name has none.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const int star = filter.indexOf(QStringLiteral("*."));
        dialog.setDefaultSuffix(filter.mid(star + 2, filter.indexOf(QLatin1Char(')')) - star - 2));
    });
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        TargetEdit->setText(dialog.selectedFiles().first());
}

void TExportGis::accept()
{
    QString problem;
    const std::string format = GisFormatOf(Target().toStdString());
    if (Target().isEmpty())
        problem = QStringLiteral("Choose the file to write.");
    else if (format.empty())
        problem = QStringLiteral("The file name must end in .geojson, .json, .gpkg, .kml or .shp.");
    else if (!Crs().isEmpty() && CrsText(Crs().toStdString()).empty())
        problem = QStringLiteral("The coordinate system must be written EPSG:NNNN (for example EPSG:32633) or as WKT.");
    else if (format == "KML" && Crs().isEmpty())
        problem = QStringLiteral("KML is always longitude/latitude: give the coordinate system of the project's "
                                 "coordinates, EPSG:NNNN.");
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    QDialog::accept();
}

}  // namespace orvane

#endif  // ORVANE_UI_GIS
