#pragma once
// Report fonts in Qt: the QFont of a ReportFont, and text sizes measured with
// the real font files, so the layout matches what the painter prints.

#include <QFont>
#include <map>
#include <memory>

#include "reports/Pagination.h"

class QFontMetricsF;
class QImage;

namespace orvane {

// The face, point size and style of a report font. Faces missing on the system fall
// back by kind: fixed-pitch for Courier faces, serif for Times, sans serif
// otherwise. Hinting is off, so widths scale with the resolution and a
// layout measured once holds on the screen, the printer and in a PDF.
QFont ToQFont(const ReportFont& wanted);

// Measures at 1200 dots per inch. Needs a QGuiApplication (fonts).
class QtTextMeasurer final : public TextMeasurer {
public:
    QtTextMeasurer();
    ~QtTextMeasurer() override;
    double WidthMm(std::string_view utf8, const ReportFont& font) const override;
    double LineHeightMm(const ReportFont& font) const override;

private:
    const QFontMetricsF& Metrics(const ReportFont& font) const;

    std::unique_ptr<QImage> device_;
    mutable std::map<std::tuple<std::string, double, bool, bool, bool>, std::unique_ptr<QFontMetricsF>> cache_;
};

}  // namespace orvane
