#pragma once
// A Raster of width x height pixels that draws onto a rectangle of any
// QPainter as vectors: the region picture on a printer or in a PDF keeps
// sharp lines and real text at any zoom. Raster pixels are mapped linearly
// onto the rectangle; pen widths and font sizes scale with them, so the
// picture looks as it would on a raster of that size, only smoother.
//
// The invert pen mode has no vector equivalent and draws like copy; the
// report pictures never use it.

#include <QRectF>

#include "graphics/Raster.h"

class QPainter;

namespace orvane {

class PainterRaster final : public Raster {
public:
    // Draws clipped to target (device units of painter) until destroyed; the
    // painter's state is restored then.
    PainterRaster(QPainter& painter, const QRectF& target, int width, int height);
    ~PainterRaster() override;
    PainterRaster(const PainterRaster&) = delete;
    PainterRaster& operator=(const PainterRaster&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Clear() override;
    void Polygon(std::span<const PixelPoint> points) override;
    void Line(PixelPoint from, PixelPoint to) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Text(PixelPoint topLeft, std::string_view text1252) override;

private:
    void PrepareShape();

    QPainter& painter_;
    int width_;
    int height_;
};

}  // namespace orvane
