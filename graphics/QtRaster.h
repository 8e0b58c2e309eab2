#pragma once
// Raster on a QImage, painted with QPainter: the main window's plot, the
// report picture and the command-line pictures. Works with a
// QGuiApplication alone (fonts need one); no window is involved.

#include <QImage>
#include <QPainter>
#include <memory>

#include "graphics/Raster.h"

namespace orvane {

// Largest width or height of a surface, pixels (a 32-bit image of 8192 x 8192
// takes 256 MB). Larger requests are cut to it, smaller than 1 raised to 1.
inline constexpr int kMaxRasterSide = 8192;

// Pictures are laid out for a 96 dpi screen: an 8 pt font is about 11 pixels high.
inline constexpr int kRasterDotsPerInch = 96;

class QtRaster final : public Raster {
public:
    // A white surface of width x height pixels.
    QtRaster(int width, int height);
    // A surface that starts as a copy of picture (as RGB32, its size cut to
    // the limits), with the default drawing state.
    explicit QtRaster(const QImage& picture);
    ~QtRaster() override;
    QtRaster(const QtRaster&) = delete;
    QtRaster& operator=(const QtRaster&) = delete;

    int Width() const override;
    int Height() const override;
    void Clear() override;
    void Polygon(std::span<const PixelPoint> points) override;
    void Line(PixelPoint from, PixelPoint to) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Text(PixelPoint topLeft, std::string_view text1252) override;
    void DrawImage(const RgbaImage& picture, const ImageTransform& toSurface, double opacity) override;

    // A new white surface of the new size; the drawing state is kept.
    void Resize(int width, int height);

    // The picture as drawn so far (format RGB32). Finishes any painting in
    // progress; drawing afterwards resumes on the same image.
    const QImage& Image() const;

private:
    QPainter* Painter();       // begun on demand; null if the image could not be allocated
    QPainter* PrepareShape();  // pen, brush and pen mode of the current state
    void EndPainting() const;

    QImage image_;
    mutable std::unique_ptr<QPainter> painter_;
};

}  // namespace orvane
