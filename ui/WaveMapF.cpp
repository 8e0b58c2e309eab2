#include "ui/WaveMapF.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "core/AppState.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/Region.h"
#include "core/Units.h"
#include "tools/QtText.h"
#include "ui/GisCommands.h"

#ifdef ORVANE_UI_GIS
#include "gis/MapRaster.h"
#endif

namespace orvane {

// --- the picture ---------------------------------------------------------

TWaveMapView::TWaveMapView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MapView"));
    setMouseTracking(true);
    setMinimumSize(480, 360);
}

void TWaveMapView::SetMap(const MapGrid& grid, const ProjectRecord& rec, const WaveMapLegend& legend)
{
    grid_ = grid;
    rec_ = rec;
    legend_ = legend;
    layout_ = LayoutWaveMap(grid_, QRectF(rect()));
    update();
}

void TWaveMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (grid_.values.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("No map yet: choose the cell size and Compute."));
        return;
    }
    PaintWaveMap(painter, layout_, grid_, rec_, legend_);
}

void TWaveMapView::resizeEvent(QResizeEvent*) { layout_ = LayoutWaveMap(grid_, QRectF(rect())); }

void TWaveMapView::mouseMoveEvent(QMouseEvent* event)
{
    int row = 0, column = 0;
    if (grid_.values.empty() || !layout_.CellAt(grid_, event->position(), row, column)) {
        emit ValueHovered(QString());
        return;
    }
    const float v = grid_.At(row, column);
    const QString at = FromUtf8(
        Format("x = %.3f, y = %.3f %s: ", grid_.CentreX(column), grid_.CentreY(row), CoordUnitName(rec_.CoordUnits)));
    emit ValueHovered(
        at + (std::isnan(v) ? QStringLiteral("not in the water")
                            : legend_.quantity + QStringLiteral(" = ") + FromUtf8(Format("%.3f ", v)) + legend_.unit));
}

void TWaveMapView::leaveEvent(QEvent*) { emit ValueHovered(QString()); }

// --- the window ----------------------------------------------------------

namespace {

struct QuantityItem {
    const char* caption;
    MapQuantity quantity;
    const char* shortName;
};
constexpr QuantityItem kQuantities[] = {{"Significant height Hs", MapQuantity::Hs, "Hs"},
                                        {"Significant period Ts", MapQuantity::Ts, "Ts"},
                                        {"Fetch along the wind", MapQuantity::Fetch, "Fetch"},
                                        {"Effective fetch", MapQuantity::EffectiveFetch, "Effective fetch"}};

}  // namespace

TWaveMap::TWaveMap(AppState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state)
{
    setObjectName(QStringLiteral("WaveMap"));
    setWindowTitle(QStringLiteral("Wave map"));
    QuantityCombo = new QComboBox(this);
    QuantityCombo->setObjectName(QStringLiteral("QuantityCombo"));
    for (const QuantityItem& q : kQuantities)
        QuantityCombo->addItem(QString::fromLatin1(q.caption));
    CellCombo = new QComboBox(this);
    CellCombo->setObjectName(QStringLiteral("CellCombo"));
    AllDirectionsCheck = new QCheckBox(QStringLiteral("Largest over every wind direction"), this);
    AllDirectionsCheck->setObjectName(QStringLiteral("AllDirectionsCheck"));
    ComputeBtn = new QPushButton(QStringLiteral("Compute"), this);
    ComputeBtn->setObjectName(QStringLiteral("ComputeBtn"));
    MapProgressBar = new QProgressBar(this);
    MapProgressBar->setObjectName(QStringLiteral("MapProgressBar"));
    MapProgressBar->setVisible(false);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setVisible(false);
    MapView = new TWaveMapView(this);
    ValueLabel = new QLabel(this);
    ValueLabel->setObjectName(QStringLiteral("ValueLabel"));
    ExportBtn = new QPushButton(QStringLiteral("Export..."), this);
    ExportBtn->setObjectName(QStringLiteral("ExportBtn"));
    ExportBtn->setEnabled(false);
    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Map of:"), this));
    top->addWidget(QuantityCombo);
    top->addWidget(new QLabel(QStringLiteral("Cell:"), this));
    top->addWidget(CellCombo);
    top->addWidget(AllDirectionsCheck);
    top->addStretch(1);
    top->addWidget(ComputeBtn);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(MapProgressBar, 1);
    progressRow->addWidget(CancelBtn);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ValueLabel, 1);
    bottom->addWidget(ExportBtn);
    bottom->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(progressRow);
    layout->addWidget(MapView, 1);
    layout->addLayout(bottom);
    resize(960, 760);

    timer_ = new QTimer(this);
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &TWaveMap::Poll);
    connect(ComputeBtn, &QPushButton::clicked, this, &TWaveMap::ComputeBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TWaveMap::CancelBtnClick);
    connect(ExportBtn, &QPushButton::clicked, this, &TWaveMap::ExportBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    connect(MapView, &TWaveMapView::ValueHovered, ValueLabel, &QLabel::setText);
}

TWaveMap::~TWaveMap() { StopWorker(); }

void TWaveMap::StopWorker()
{
    if (!worker_.joinable())
        return;
    progress_->cancel = true;
    worker_.join();
}

void TWaveMap::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FillCellSizes();
}

// Round sizes giving about 50, 100, 200 and 400 cells along the region's
// longer side, in the project's unit.
void TWaveMap::FillCellSizes()
{
    const QString chosen = CellCombo->currentText();
    CellCombo->clear();
    const QString name = FromUtf8(CoordUnitName(state_.project.CoordUnits));
    for (int cells : {50, 100, 200, 400}) {
        const double size = MapRoundCell(state_.project, cells);
        if (!(size > 0.0))
            return;
        const QString text = FromUtf8(Format("%g ", size)) + name;
        if (CellCombo->findText(text) < 0)
            CellCombo->addItem(text, size);
    }
    const int again = CellCombo->findText(chosen);
    CellCombo->setCurrentIndex(again >= 0 ? again : std::min(1, CellCombo->count() - 1));
}

void TWaveMap::ComputeBtnClick()
{
    StopWorker();
    if (CellCombo->count() == 0)
        FillCellSizes();
    if (CellCombo->count() == 0) {
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The project has no outer boundary to map."));
        return;
    }
    computing_ = state_.project;
    options_ = MapOptions {};
    options_.cell = CellCombo->currentData().toDouble();
    options_.quantity = kQuantities[std::max(0, QuantityCombo->currentIndex())].quantity;
    options_.allDirections = AllDirectionsCheck->isChecked();
    options_.growth = state_.companion.growth;
    const MapGridResult layout = MapGridLayout(computing_, options_);
    progress_ = std::make_unique<MapProgress>();
    done_ = false;
    MapProgressBar->setRange(0, std::max(1, layout.grid.rows));
    MapProgressBar->setValue(0);
    MapProgressBar->setVisible(true);
    CancelBtn->setVisible(true);
    ComputeBtn->setEnabled(false);
    worker_ = std::thread([this] {
        result_ = ComputeMap(computing_, options_, progress_.get());
        done_ = true;
    });
    timer_->start();
}

void TWaveMap::CancelBtnClick()
{
    if (progress_)
        progress_->cancel = true;
}

void TWaveMap::Poll()
{
    if (!worker_.joinable()) {
        timer_->stop();
        return;
    }
    MapProgressBar->setValue(progress_->rowsDone.load());
    if (!done_.load())
        return;
    worker_.join();
    timer_->stop();
    MapProgressBar->setVisible(false);
    CancelBtn->setVisible(false);
    ComputeBtn->setEnabled(true);
    if (!result_.ok) {
        if (!result_.cancelled)
            QMessageBox::warning(this, windowTitle(), FromUtf8(result_.error));
        return;
    }
    shown_ = result_;
    shownRec_ = computing_;
    const QuantityItem& q = kQuantities[std::max(0, QuantityCombo->currentIndex())];
    legend_.quantity = QString::fromLatin1(q.shortName);
    legend_.unit = FromUtf8(MapQuantityUnit(options_.quantity, shownRec_));
    legend_.bearings = GisCommands::Bearings(shownRec_, state_.companion);
    const std::string speed = Format("%g %s", shownRec_.WindVelocity, VelocityUnitItem(shownRec_.VelocityUnits));
    legend_.title = FromUtf8(options_.allDirections ? "largest over every wind direction, " + speed
                                                    : WindFromText(shownRec_.WindDirection, legend_.bearings) + ", " +
                                                          speed + Format(", sector %g\xC2\xB0", shownRec_.SectorAngle));
    MapView->SetMap(shown_.grid, shownRec_, legend_);
    ExportBtn->setEnabled(true);
}

void TWaveMap::ExportBtnClick()
{
    const QString filter = GisCommands::Available() ? QStringLiteral("GeoTIFF (*.tif *.tiff);;PNG picture (*.png)")
                                                    : QStringLiteral("PNG picture (*.png)");
    const QString name = QFileDialog::getSaveFileName(this, QStringLiteral("Export wave map"), QString(), filter);
    if (!name.isEmpty())
        ExportMap(name);
}

bool TWaveMap::ExportMap(const QString& fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    Outcome written = Outcome::Failure("the name must end in .tif, .tiff or .png");
    if (ext == QLatin1String("png")) {
        // Encoded in memory, then written beside the old file and renamed.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        written = WaveMapImage(shown_.grid, shownRec_, legend_).save(&buffer, "PNG")
                      ? WriteFileAtomically(ToUtf8(fileName), png.constData(), static_cast<std::size_t>(png.size()))
                      : Outcome::Failure("cannot encode the picture");
    } else if (ext == QLatin1String("tif") || ext == QLatin1String("tiff")) {
#ifdef ORVANE_UI_GIS
        written = WriteMapGeoTiff(ToUtf8(fileName), shown_.grid,
                                  MapRasterInfo {state_.companion.crs, shownRec_.CoordUnits,
                                                 MapQuantityName(options_.quantity), ToUtf8(legend_.unit)});
#else
        written = Outcome::Failure("this program was built without GIS support: export a .png");
#endif
    }
    if (!written) {
        QMessageBox::warning(this, windowTitle(), FromUtf8(written.message));
        return false;
    }
    return true;
}

}  // namespace orvane
