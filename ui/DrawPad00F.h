#pragma once
// TDrawPad00: the bottom layer of the drawing pad window, a map-scale raster
// surface with the graph of points and lines behind it. Later layers add the
// world grid and readout (TDrawPad01), points (TDrawPad02), lines
// (TDrawPad03) and the editing tools (TDrawPad05); the region input window
// derives from the last.
//
// Layout: PanelTop, PanelMain and PanelBottom stacked; PanelMain holds
// PanelMainLeft, PanelMainCenter and PanelMainRight side by side. Inside
// PanelMainCenter the coordinate bar PanelCoord runs along the bottom and the
// frame ImageScrollBox, holding the raster control DrawSurface, is pinned with
// its bottom-left corner just above the bar, so a larger window shows more of
// the surface upward and to the right; the rest is clipped. The mapping's
// origin is the world point at the surface's bottom-left pixel: the view is
// moved by moving it (TDrawPad01), not the surface. The scroll bars for that
// lie over the frame's right edge (VertScrollBar) and in the coordinate bar
// right of the readout (HorzScrollBar).
//
// The four layer operations (ResetDefaults, Redraw, SetUnits, SetScale) are
// virtual; every override first calls the one it overrides. None of the
// setters redraws: the caller decides when.

#include <QFrame>
#include <QMainWindow>
#include <cstdint>
#include <memory>

#include "graphics/PadGraph.h"
#include "graphics/PadMapping.h"
#include "graphics/PadView.h"

class QEventLoop;
class QLabel;
class QScrollBar;

namespace orvane {

class QtRaster;

// The raster control: shows the pad's raster unscaled at its own size and
// reports the mouse in raster pixels.
class TPadSurface : public QWidget {
    Q_OBJECT

public:
    explicit TPadSurface(QWidget* parent = nullptr);
    // Shows raster (owned by the pad) and takes its size.
    void SetRaster(const QtRaster* raster);

    // Keys held at the mouse event being handled (Shift with a click, say);
    // none after a press has been handled.
    Qt::KeyboardModifiers Modifiers() const { return modifiers_; }

signals:
    void MouseDown(Qt::MouseButton button, int X, int Y);
    void MouseMove(int X, int Y);
    void MouseUp(Qt::MouseButton button, int X, int Y);
    // In place of the second press of a double click.
    void MouseDoubleClick(Qt::MouseButton button, int X, int Y);
    // angleDelta: eighths of a degree, 120 per notch of a common wheel.
    void Wheel(int X, int Y, QPoint angleDelta, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const QtRaster* raster_ = nullptr;
    Qt::KeyboardModifiers modifiers_;
};

class TDrawPad00 : public QMainWindow {
    Q_OBJECT

public:
    // Raster size in pixels; the frame around it is 1400 x 1000.
    static constexpr int kSurfaceWidth = 1396;
    static constexpr int kSurfaceHeight = 996;

    explicit TDrawPad00(QWidget* parent = nullptr);
    ~TDrawPad00() override;

    // Clears the surface to white.
    virtual void ResetDefaults();
    // Clears the surface to white, refreshes SurfaceWidth and SurfaceBottom
    // from the raster and reads the display's pixel density again.
    virtual void Redraw();
    // Row of PadUnits; a row outside the table is ignored.
    virtual void SetUnits(std::int32_t row);
    // Row of PadScales; a row outside the table is ignored. Ends a free scale.
    virtual void SetScale(std::int32_t row);
    // A scale between or beyond the rows (world mm per screen mm), from
    // zooming or fitting; ScaleIndex keeps the row last chosen, which is
    // what the owner stores.
    virtual void SetFreeScale(double ratio);

    // Pins ImageScrollBox's bottom-left corner above the coordinate bar and
    // refreshes SurfaceWidth and SurfaceBottom; runs on every resize of
    // PanelMainCenter.
    void PanelMainCenterResize();
    // PixelsPerMmX and PixelsPerMmY from the screen the window is on, 96 dpi
    // where it reports no physical size.
    void ReadPixelDensity();
    // Shows the window application-modal and returns once it is closed.
    void ShowModal();
    // The pixels of the surface the window shows now (clipped by the centre
    // panel, less the coordinate bar and the vertical scroll bar); empty
    // before the window is laid out.
    PadRect VisibleSurface() const;

    // The raster of DrawSurface. Drawing on it shows at the next repaint of
    // DrawSurface (update() it after drawing outside Redraw).
    QtRaster& Canvas() { return *raster_; }
    const QtRaster& Canvas() const { return *raster_; }
    // Counts the clears of the surface, so feedback drawn in invert mode is
    // erased only while it is still on the raster.
    std::uint64_t SurfaceClears() const { return surfaceClears_; }

    PadGraph Graph;               // points, lines and the five chains
    PadMapping Mapping;           // world units, scale, pixel density, surface, grid, snap
    std::int32_t UnitsIndex = 1;  // row of PadUnits (kilometres)
    std::int32_t ScaleIndex = 2;  // row of PadScales ("1cm:10Km")
    bool FreeScale = false;       // Mapping.ScaleRatio is no row's: zoomed freely
    bool Ready = false;           // set by the owner once the pad holds its data

    QFrame* PanelTop = nullptr;
    QFrame* PanelMain = nullptr;
    QFrame* PanelMainLeft = nullptr;
    QFrame* PanelMainCenter = nullptr;
    QFrame* PanelMainRight = nullptr;
    QFrame* PanelBottom = nullptr;
    QFrame* PanelCoord = nullptr;
    QLabel* LabelCoord = nullptr;
    QFrame* ImageScrollBox = nullptr;
    TPadSurface* DrawSurface = nullptr;
    QScrollBar* HorzScrollBar = nullptr;
    QScrollBar* VertScrollBar = nullptr;

protected:
    // Runs after every layout of the centre panel (a resize of the window).
    virtual void ViewAreaResized();
    // Moves the mouse cursor by (dx, dy) pixels; nothing where the platform
    // cannot move it.
    void MoveCursorBy(int dx, int dy);
    void ClearSurface();

    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::unique_ptr<QtRaster> raster_;
    std::uint64_t surfaceClears_ = 0;
    QEventLoop* modalLoop_ = nullptr;
};

}  // namespace orvane
