#include "graphics/QtRaster.h"

#include <QFont>
#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Text1252.h"

namespace orvane {

namespace {

int ClampSide(int pixels) { return std::clamp(pixels, 1, kMaxRasterSide); }

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Inverting is "not source xor destination": drawing the same figure twice
// restores every pixel (x ^ s ^ s == x), the alpha byte of an RGB32 image
// stays 0xFF (~0xFF ^ 0xFF), and on white the pen shows its own colour.
QPainter::CompositionMode ModeOf(PenMode mode)
{
    return mode == PenMode::Invert ? QPainter::RasterOp_NotSourceXorDestination : QPainter::CompositionMode_SourceOver;
}

QImage WhiteImage(int width, int height)
{
    QImage image(ClampSide(width), ClampSide(height), QImage::Format_RGB32);
    if (!image.isNull()) {
        const int dotsPerMeter = static_cast<int>(std::lround(kRasterDotsPerInch / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
    }
    return image;
}

}  // namespace

QtRaster::QtRaster(int width, int height) : image_(WhiteImage(width, height)) { }

QtRaster::QtRaster(const QImage& picture)
{
    if (picture.format() == QImage::Format_RGB32 && picture.width() == ClampSide(picture.width()) &&
        picture.height() == ClampSide(picture.height())) {
        image_ = picture;  // shared until the first drawing copies it
        return;
    }
    image_ = WhiteImage(picture.width(), picture.height());
    if (!image_.isNull() && !picture.isNull()) {
        QPainter copy(&image_);
        copy.setCompositionMode(QPainter::CompositionMode_Source);
        copy.drawImage(0, 0, picture);
    }
}

QtRaster::~QtRaster() { EndPainting(); }

int QtRaster::Width() const { return image_.width(); }
int QtRaster::Height() const { return image_.height(); }

void QtRaster::EndPainting() const
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

const QImage& QtRaster::Image() const
{
    EndPainting();
    return image_;
}

void QtRaster::Resize(int width, int height)
{
    EndPainting();
    image_ = WhiteImage(width, height);
}

QPainter* QtRaster::Painter()
{
    if (!painter_ && !image_.isNull()) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&image_)) {
            painter_.reset();
            return nullptr;
        }
        // Pixel-exact shapes: the integer coordinates are the picture, and
        // an inverted figure must cover the same pixels the second time.
        // Text is smoothed, except in invert mode (see Text).
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setBackgroundMode(Qt::TransparentMode);
    }
    return painter_.get();
}

QPainter* QtRaster::PrepareShape()
{
    QPainter* p = Painter();
    if (p == nullptr)
        return nullptr;
    p->setCompositionMode(ModeOf(state_.penMode));
    QPen pen(ToQColor(state_.penColour));
    pen.setStyle(Qt::SolidLine);
    pen.setWidth(std::clamp(state_.penWidth, 1, 1000));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p->setPen(pen);
    if (state_.fillSolid)
        p->setBrush(QBrush(ToQColor(state_.fillColour), Qt::SolidPattern));
    else
        p->setBrush(Qt::NoBrush);
    return p;
}

void QtRaster::Clear()
{
    EndPainting();
    if (!image_.isNull())
        image_.fill(Qt::white);
}

void QtRaster::Polygon(std::span<const PixelPoint> points)
{
    if (points.empty())
        return;
    QPainter* p = PrepareShape();
    if (p == nullptr)
        return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint& pt : points)
        polygon.append(QPoint(pt.x, pt.y));
    p->drawPolygon(polygon);
}

void QtRaster::Line(PixelPoint from, PixelPoint to)
{
    if (QPainter* p = PrepareShape())
        p->drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void QtRaster::Ellipse(int left, int top, int right, int bottom)
{
    if (QPainter* p = PrepareShape()) {
        // The box's corners are pixel centres: a circle of radius r around p
        // from (p - r) to (p + r) is centred on p.
        const QRectF box(QPointF(std::min(left, right), std::min(top, bottom)),
                         QPointF(std::max(left, right), std::max(top, bottom)));
        p->drawEllipse(box);
    }
}

void QtRaster::Text(PixelPoint topLeft, std::string_view text1252)
{
    QPainter* p = Painter();
    if (p == nullptr || text1252.empty())
        return;
    QFont font(QString::fromStdString(state_.fontFace));
    // Faces missing on this system fall back by kind: fixed-pitch for the
    // Courier faces, sans serif otherwise.
    const bool fixedPitch =
        QString::fromStdString(state_.fontFace).contains(QLatin1String("Courier"), Qt::CaseInsensitive);
    // Inverted text is drawn without smoothing: partly covered pixels would
    // not be restored exactly by the second drawing.
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif,
                      state_.penMode == PenMode::Invert ? QFont::NoAntialias : QFont::PreferDefault);
    font.setPointSize(std::clamp(state_.fontSizePt, 1, 1000));
    font.setBold((state_.fontStyle & kFontBold) != 0);
    font.setItalic((state_.fontStyle & kFontItalic) != 0);
    font.setUnderline((state_.fontStyle & kFontUnderline) != 0);
    font.setStrikeOut((state_.fontStyle & kFontStrikeOut) != 0);
    p->setFont(font);
    p->setCompositionMode(ModeOf(state_.penMode));
    p->setPen(ToQColor(state_.fontColour));
    p->setBrush(Qt::NoBrush);
    const QString text = QString::fromStdString(Cp1252ToUtf8(text1252));
    p->drawText(QPoint(topLeft.x, topLeft.y + p->fontMetrics().ascent()), text);
}

void QtRaster::DrawImage(const RgbaImage& picture, const ImageTransform& toSurface, double opacity)
{
    QPainter* p = Painter();
    if (p == nullptr || picture.Empty() || !(opacity > 0))
        return;
    const QTransform transform(toSurface.M11, toSurface.M12, toSurface.M21, toSurface.M22, toSurface.Dx, toSurface.Dy);
    if (!transform.isInvertible())
        return;
    // Wraps the pixels without copying them: the picture outlives this call's painting.
    const QImage image(picture.Pixels.data(), picture.Width, picture.Height, picture.Width * 4,
                       QImage::Format_RGBA8888);
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setOpacity(std::min(opacity, 1.0));
    // Reduced pictures are smoothed; magnified ones keep sharp pixels, so that
    // a traced edge is where the picture has it.
    p->setRenderHint(QPainter::SmoothPixmapTransform, std::fabs(transform.determinant()) < 1);
    p->setTransform(transform);
    p->drawImage(QPointF(0, 0), image);
    p->restore();
}

}  // namespace orvane
