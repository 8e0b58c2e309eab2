#include "reports/QtTextMeasurer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QString>
#include <cmath>
#include <tuple>

namespace orvane {

namespace {

constexpr double kMeasureDpi = 1200.0;
constexpr double kMmPerInch = 25.4;

}  // namespace

QFont ToQFont(const ReportFont& wanted)
{
    const QString face = QString::fromStdString(wanted.face);
    QFont font(face);
    if (face.contains(QLatin1String("Courier"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::TypeWriter);
    else if (face.contains(QLatin1String("Times"), Qt::CaseInsensitive))
        font.setStyleHint(QFont::Serif);
    else
        font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(wanted.sizePt > 0 && std::isfinite(wanted.sizePt) ? wanted.sizePt : 10.0);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QtTextMeasurer::QtTextMeasurer() : device_(std::make_unique<QImage>(1, 1, QImage::Format_RGB32))
{
    const int dotsPerMeter = static_cast<int>(std::lround(kMeasureDpi / kMmPerInch * 1000.0));
    device_->setDotsPerMeterX(dotsPerMeter);
    device_->setDotsPerMeterY(dotsPerMeter);
}

QtTextMeasurer::~QtTextMeasurer() = default;

const QFontMetricsF& QtTextMeasurer::Metrics(const ReportFont& font) const
{
    auto key = std::make_tuple(font.face, font.sizePt, font.bold, font.italic, font.underline);
    auto it = cache_.find(key);
    if (it == cache_.end())
        it = cache_.emplace(key, std::make_unique<QFontMetricsF>(ToQFont(font), device_.get())).first;
    return *it->second;
}

double QtTextMeasurer::WidthMm(std::string_view utf8, const ReportFont& font) const
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return Metrics(font).horizontalAdvance(text) * kMmPerInch / device_->logicalDpiX();
}

double QtTextMeasurer::LineHeightMm(const ReportFont& font) const
{
    return Metrics(font).lineSpacing() * kMmPerInch / device_->logicalDpiY();
}

}  // namespace orvane
