#include "ui/ImportShorelineF.h"

#ifdef ORVANE_UI_GIS

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ProjectCompanion.h"
#include "gis/ShorelineImport.h"
#include "tools/FormFonts.h"
#include "tools/help/HelpSystem.h"

namespace orvane {

TImportShoreline::TImportShoreline(QWidget* parent, const QString& folder, const QString& crs)
    : QDialog(parent), folder_(folder)
{
    setObjectName(QStringLiteral("ImportShoreline"));
    setProperty(kHelpKeywordProperty, QStringLiteral("GisFiles"));  // the topic F1 opens here
    setWindowTitle(QStringLiteral("Import shoreline"));
    setModal(true);

    SourceEdit = new QLineEdit(this);
    SourceEdit->setObjectName(QStringLiteral("SourceEdit"));
    SourceEdit->setMinimumWidth(360);
    BrowseBtn = new QPushButton(QStringLiteral("Browse..."), this);
    BrowseBtn->setObjectName(QStringLiteral("BrowseBtn"));
    LayerCombo = new QComboBox(this);
    LayerCombo->setObjectName(QStringLiteral("LayerCombo"));
    LayerCombo->addItem(QStringLiteral("(all layers)"));
    PointEdit = new QLineEdit(this);
    PointEdit->setObjectName(QStringLiteral("PointEdit"));
    PointEdit->setPlaceholderText(QStringLiteral("x, y in the file's coordinates (longitude, latitude for degrees)"));
    CrsEdit = new QLineEdit(crs, this);
    CrsEdit->setObjectName(QStringLiteral("CrsEdit"));
    CrsEdit->setPlaceholderText(QStringLiteral("EPSG:NNNN, used when the file names no coordinate system"));
    HintLabel =
        new QLabel(QStringLiteral("The outer boundary is the polygon around the point (the one given here, else the "
                                  "project's), otherwise the largest; its holes and the polygons inside it become the "
                                  "islands. Longitude/latitude becomes UTM metres. The point moves only when one is "
                                  "given here."),
                   this);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->setWordWrap(true);
    OkBtn = new QPushButton(QStringLiteral("Import"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(SourceEdit, 1);
    fileRow->addWidget(BrowseBtn);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("GIS file:"), fileRow);
    form->addRow(QStringLiteral("Layer:"), LayerCombo);
    form->addRow(QStringLiteral("Point (optional):"), PointEdit);
    form->addRow(QStringLiteral("Coordinate system:"), CrsEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(HintLabel);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(BrowseBtn, &QPushButton::clicked, this, &TImportShoreline::BrowseBtnClick);
    connect(SourceEdit, &QLineEdit::editingFinished, this, &TImportShoreline::FillLayers);
    connect(OkBtn, &QPushButton::clicked, this, &TImportShoreline::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ApplyFormFace(this, UiFontName());
}

QString TImportShoreline::SourceFilter()
{
    return QStringLiteral("GIS files (*.geojson *.json *.shp *.gpkg *.kml *.kmz *.gml *.sqlite *.fgb);;"
                          "All files (*)");
}

QString TImportShoreline::Source() const { return SourceEdit->text().trimmed(); }

QString TImportShoreline::Layer() const
{
    return LayerCombo->currentIndex() > 0 ? LayerCombo->currentText() : QString();
}

QString TImportShoreline::PointText() const { return PointEdit->text().trimmed(); }

QString TImportShoreline::CrsText() const
{
    return QString::fromStdString(orvane::CrsText(CrsEdit->text().toStdString()));
}

void TImportShoreline::BrowseBtnClick()
{
    QFileDialog dialog(this, QStringLiteral("Import shoreline"), folder_, SourceFilter());
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    SourceEdit->setText(dialog.selectedFiles().first());
    FillLayers();
}

void TImportShoreline::FillLayers()
{
    if (Source() == layersOf_)
        return;
    layersOf_ = Source();
    const QString chosen = Layer();
    while (LayerCombo->count() > 1)
        LayerCombo->removeItem(1);
    if (!QFileInfo::exists(layersOf_))
        return;
    const std::vector<std::string> names = LayerNames(layersOf_.toStdString());
    // One layer needs no choice: "all layers" is that layer.
    if (names.size() > 1) {
        for (const std::string& name : names)
            LayerCombo->addItem(QString::fromStdString(name));
    }
    LayerCombo->setCurrentIndex(std::max(0, LayerCombo->findText(chosen)));
}

void TImportShoreline::accept()
{
    XY point;
    QString problem;
    if (Source().isEmpty())
        problem = QStringLiteral("Choose the GIS file to import.");
    else if (!QFileInfo::exists(Source()))
        problem = QStringLiteral("There is no file [%1].").arg(Source());
    else if (!PointText().isEmpty() && !ParsePoint(PointText().toStdString(), point))
        problem = QStringLiteral("The point must be two numbers, x, y (for example 23.712, 37.904).");
    else if (!CrsEdit->text().trimmed().isEmpty() && CrsText().isEmpty())
        problem = QStringLiteral("The coordinate system must be written EPSG:NNNN (for example EPSG:32633) or as WKT.");
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    QDialog::accept();
}

}  // namespace orvane

#endif  // ORVANE_UI_GIS
