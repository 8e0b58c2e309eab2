#pragma once
// The "Wave map" window: the committed project's waves (or fetch) over the
// whole region on a grid of the chosen cell size, painted by the one wave
// map painter (graphics/WaveMap) over the region's outline, with the colour
// bar and the value under the cursor. The map is computed off the window's
// thread behind a progress bar with Cancel; "Export..." writes the map shown
// as a GeoTIFF (through the GIS module) or a PNG picture, by the extension.
//
// Modeless; it shows the project as it was when "Compute" was last pressed.

#include <QWidget>
#include <memory>
#include <thread>

#include "core/MapGrid.h"
#include "core/ProjectRecord.h"
#include "graphics/WaveMap.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace orvane {

struct AppState;

// The picture of a map; reports the value under the mouse.
class TWaveMapView : public QWidget {
    Q_OBJECT
public:
    explicit TWaveMapView(QWidget* parent = nullptr);
    void SetMap(const MapGrid& grid, const ProjectRecord& rec, const WaveMapLegend& legend);
    const WaveMapLayout& Layout() const { return layout_; }

signals:
    // The text of the cell under the mouse ("x, y: Hs 1.23 m"), "" off the map.
    void ValueHovered(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    MapGrid grid_;
    ProjectRecord rec_ {};
    WaveMapLegend legend_;
    WaveMapLayout layout_;
};

class TWaveMap : public QWidget {
    Q_OBJECT
public:
    explicit TWaveMap(AppState& state, QWidget* parent = nullptr);
    ~TWaveMap() override;

    // Starts computing the committed project with the choices shown; a map
    // already being computed is cancelled first.
    void ComputeBtnClick();
    void CancelBtnClick();
    void ExportBtnClick();
    // Writes the map shown: .tif/.tiff GeoTIFF, .png picture. False after a message.
    bool ExportMap(const QString& fileName);

    bool Computing() const { return worker_.joinable(); }
    const MapGrid& Map() const { return shown_.grid; }

    QComboBox* QuantityCombo;       // Hs, Ts, fetch, effective fetch
    QComboBox* CellCombo;           // cell sizes in the project's unit
    QCheckBox* AllDirectionsCheck;  // "Largest over every wind direction"
    QPushButton* ComputeBtn;
    QProgressBar* MapProgressBar;
    QPushButton* CancelBtn;
    TWaveMapView* MapView;
    QLabel* ValueLabel;      // the value under the cursor
    QPushButton* ExportBtn;  // "Export..."
    QPushButton* CloseBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillCellSizes();
    void Poll();  // progress, and the map when the worker has finished
    void StopWorker();

    AppState& state_;
    ProjectRecord computing_ {};  // the record being mapped
    ProjectRecord shownRec_ {};   // the record of the map shown
    MapOptions options_;
    std::unique_ptr<MapProgress> progress_;
    MapGridResult result_;  // written by the worker
    MapGridResult shown_;
    WaveMapLegend legend_;
    std::thread worker_;
    std::atomic<bool> done_ {false};
    QTimer* timer_;
};

}  // namespace orvane
