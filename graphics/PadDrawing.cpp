#include "graphics/PadDrawing.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <string>
#include <vector>

#include "core/Format.h"

namespace orvane {

namespace {

PixelPoint ToPixelPoint(PadPixel p) { return {p.X, p.Y}; }

// Whether pixel p lies on the surface or within reach pixels of it.
bool Near(const PadMapping& m, PadPixel p, std::int32_t reach)
{
    return p.X >= -reach && p.X <= m.SurfaceWidth + reach && p.Y >= -reach && p.Y <= m.SurfaceBottom + reach;
}

// Where point numbers are written, so that a number that would overlap one
// already written is left out: crowded nodes keep legible numbers, and a
// dense coast does not spend its redraw on thousands of unreadable ones.
// Occupied space is kept in cells of a few pixels over the surface.
class LabelSpace {
public:
    LabelSpace(const PadMapping& m, const PadPointStyle& style)
        : style_(style), columns_(std::max(1, m.SurfaceWidth / kCell + 1)),
          rows_(std::max(1, m.SurfaceBottom / kCell + 1)),
          taken_(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), false)
    {
    }

    // Text width estimate in pixels, from the label size in points at 96 dpi:
    // digits are about 0.6 of the font's height wide.
    std::int32_t LabelWidth(std::int32_t number) const
    {
        const int digits = static_cast<int>(std::to_string(number).size());
        return static_cast<std::int32_t>(std::ceil(digits * 0.6 * Height()));
    }

    // True when the number of the point at p is to be written (and then its
    // place is taken); numbers not shown take no place.
    bool Take(PadPixel p, std::int32_t number)
    {
        if (!style_.ShowNumbers || number <= 0)
            return false;
        const int left = Cell(p.X + style_.Size, columns_);
        const int top = Cell(p.Y - style_.Size, rows_);
        const int right = Cell(p.X + style_.Size + LabelWidth(number) - 1, columns_);
        const int bottom = Cell(p.Y - style_.Size + Height() - 1, rows_);
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c)
                if (taken_[Index(c, r)])
                    return false;
        for (int r = top; r <= bottom; ++r)
            for (int c = left; c <= right; ++c)
                taken_[Index(c, r)] = true;
        return true;
    }

private:
    static constexpr int kCell = 4;

    std::int32_t Height() const { return std::max(1, style_.LabelSize * 96 / 72); }
    static int Cell(std::int32_t pixel, int count) { return std::clamp(pixel / kCell, 0, count - 1); }
    std::size_t Index(int c, int r) const
    {
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(c);
    }

    PadPointStyle style_;
    int columns_;
    int rows_;
    std::vector<bool> taken_;
};

// Grid lines closer than this many per pixel are laid column by column: a
// column (or row) gets a line when a multiple of the grid size falls on it.
// That bounds the work at any zoom (1 km cells at 1 cm to 1000 km, or
// beyond) to one line per pixel.
constexpr double kMaxLinesPerPixel = 4;

// Nearest integer, halves to even, as WorldToPixel rounds.
double RoundEven(double v) { return std::nearbyint(v); }

// Pixel positions (columns when across, rows otherwise) of the grid lines
// inside [0, last], in drawing order: columns left to right, rows bottom to
// top. Each pixel at most once.
std::vector<std::int32_t> GridPixels(const PadMapping& m, bool across)
{
    const double step = m.GridSize;
    const double perUnit = across ? m.PixelsPerUnitX() : m.PixelsPerUnitY();
    const std::int32_t last = across ? m.SurfaceWidth : m.SurfaceBottom;
    // Pixel of world position w along this axis, counted from the origin's pixel.
    const auto pixelOf = [&](double w) {
        return across ? m.WorldToPixel(w, m.OriginY).X : m.WorldToPixel(m.OriginX, w).Y;
    };
    std::vector<std::int32_t> pixels;
    if (!(std::isfinite(step) && step > 0 && perUnit > 0)) {
        pixels.push_back(pixelOf(0));  // the line through the world origin only
        return pixels;
    }
    const double origin = across ? m.OriginX : m.OriginY;
    const double far = origin + (last + 1) / perUnit;  // world at the far edge
    const double first = std::floor(origin / step) - 1;
    const double lines = std::floor(far / step) + 1 - first;
    if (lines > kMaxLinesPerPixel * (last + 1)) {
        // Pixel k (counted from the origin) covers world origin + (k -+ 0.5) / perUnit.
        for (std::int32_t k = 0; k <= last; ++k) {
            const double low = std::floor((origin + (k - 0.5) / perUnit) / step);
            const double high = std::floor((origin + (k + 0.5) / perUnit) / step);
            if (high > low)
                pixels.push_back(across ? k : m.SurfaceBottom - k);
        }
        return pixels;
    }
    for (double n = first; n <= first + lines; ++n) {
        const std::int32_t p = pixelOf(n * step);
        const bool inside = across ? p >= 0 && p <= last : p >= 0 && p <= m.SurfaceBottom;
        if (inside && (pixels.empty() || pixels.back() != p))
            pixels.push_back(p);
    }
    return pixels;
}

// Decimals that show every multiple of step (display units) without noise:
// as few as its digits need, at most two beyond its leading digit.
int LabelDecimals(double step)
{
    const int most = std::clamp(2 - static_cast<int>(std::floor(std::log10(step))), 0, 6);
    double scaled = step;
    for (int d = 0; d < most; ++d, scaled *= 10)
        if (std::fabs(scaled - RoundEven(scaled)) <= 1e-6 * scaled)
            return d;
    return most;
}

std::string LabelText(double value, int decimals)
{
    std::string text = Format("%.*f", decimals, value + 0.0);
    if (text.find_first_not_of("-0.") == std::string::npos)
        text = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    return text;
}

}  // namespace

void DrawPadGrid(Raster& raster, const PadMapping& mapping, Rgb colour, std::int32_t penWidth)
{
    raster.SetPenColour(colour);
    raster.SetPenWidth(penWidth);
    for (const std::int32_t column : GridPixels(mapping, true))
        raster.Line({column, 0}, {column, mapping.SurfaceBottom});
    for (const std::int32_t row : GridPixels(mapping, false))
        raster.Line({0, row}, {mapping.SurfaceWidth, row});
}

void DrawPadGridLabels(Raster& raster, const PadMapping& mapping, double displayPerWorld)
{
    const double step = mapping.GridSize;
    if (!(std::isfinite(step) && step > 0 && std::isfinite(displayPerWorld) && displayPerWorld > 0))
        return;
    raster.SetFontFace(kPadLabelFace);
    raster.SetFontSize(kPadGridLabelSize);
    raster.SetFontStyle(kFontRegular);
    raster.SetFontColour(kPadGridLabelColour);

    const auto labelled = [&](double perUnit, double spacing) {
        // Every line, or every 2nd, 5th, 10th, ... so that labels stay spacing pixels apart.
        double every = 1;
        for (int n = 0; n < 12 && every * step * perUnit < spacing; ++n)
            every *= (n % 3 == 1) ? 2.5 : 2;  // 1, 2, 5, 10, 20, 50, ...
        return every * step;
    };
    const double across = labelled(mapping.PixelsPerUnitX(), kPadGridLabelSpacingX);
    const double up = labelled(mapping.PixelsPerUnitY(), kPadGridLabelSpacingY);
    const int acrossDecimals = LabelDecimals(across * displayPerWorld);
    const int upDecimals = LabelDecimals(up * displayPerWorld);
    const std::int32_t bottom = mapping.SurfaceBottom;

    // Left edge: one label per labelled row, centred on its line, clear of the bottom labels.
    const double top = mapping.OriginY + (bottom + 1) / mapping.PixelsPerUnitY();
    for (double n = std::ceil(mapping.OriginY / up); n * up <= top; ++n) {
        const std::int32_t row = mapping.WorldToPixel(mapping.OriginX, n * up).Y;
        if (row > bottom - kPadGridLabelBand || row < kPadGridLabelHalfHeight)
            continue;
        raster.Text({kPadGridLabelInset, row - kPadGridLabelHalfHeight},
                    LabelText(n * up * displayPerWorld, upDecimals));
    }
    // Bottom edge: one label right of each labelled column, clear of the left labels.
    const double right = mapping.OriginX + (mapping.SurfaceWidth + 1) / mapping.PixelsPerUnitX();
    for (double n = std::ceil(mapping.OriginX / across); n * across <= right; ++n) {
        const std::int32_t column = mapping.WorldToPixel(n * across, mapping.OriginY).X;
        if (column < kPadGridLabelLeftBand)
            continue;
        raster.Text({column + kPadGridLabelInset, bottom - kPadGridLabelBand + 2},
                    LabelText(n * across * displayPerWorld, acrossDecimals));
    }
}

void DrawPadPoint(Raster& raster, const PadPointStyle& style, std::int32_t number, PadPixel p)
{
    raster.SetPenWidth(1);
    raster.SetPenColour(style.Colour);
    // White fill: in invert mode a white fill leaves the pixels as they were,
    // so a dragged marker shows only its outline.
    raster.SetFill(colours::kWhite);
    const std::int32_t h = style.Size / 2;
    if (style.Type == kPadDot) {
        raster.Ellipse(p.X - h, p.Y - h, p.X + h, p.Y + h);
    } else if (style.Type == kPadTriangle) {
        // Apex down the screen.
        const PixelPoint corners[] = {{p.X, p.Y + h}, {p.X + h, p.Y - h}, {p.X - h, p.Y - h}};
        raster.Polygon(corners);
    } else {
        const PixelPoint corners[] = {{p.X - h, p.Y - h}, {p.X + h, p.Y - h}, {p.X + h, p.Y + h}, {p.X - h, p.Y + h}};
        raster.Polygon(corners);
    }
    if (style.ShowNumbers && number > 0) {
        raster.SetNoFill();
        raster.SetFontFace(kPadLabelFace);
        raster.SetFontSize(style.LabelSize);
        raster.SetFontStyle(kFontRegular);
        raster.SetFontColour(style.LabelColour);
        raster.Text({p.X + style.Size, p.Y - style.Size}, std::to_string(number));
    }
}

void DrawPadPoints(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadPointStyle& style)
{
    raster.SetPenMode(PenMode::Copy);
    LabelSpace labels(mapping, style);
    const std::int32_t reach = std::max(style.Size, 0) + labels.LabelWidth(std::numeric_limits<std::int32_t>::max());
    bool drawn = false;
    PadPixel last;
    for (const PadPoint& p : graph.Points) {
        if (!p.Live || !p.Visible)
            continue;
        const PadPixel at = mapping.WorldToPixel(p.X, p.Y);
        if (!Near(mapping, at, reach))
            continue;
        // The same marker again on the same pixel changes nothing; its number
        // would only overwrite the last one.
        if (drawn && at == last)
            continue;
        drawn = true;
        last = at;
        DrawPadPoint(raster, style, labels.Take(at, p.Number) ? p.Number : 0, at);
    }
}

void DrawPadLine(Raster& raster, const PadMapping& mapping, const PadLineStyle& style, bool withMark, double x1,
                 double y1, double x2, double y2)
{
    raster.SetPenWidth(style.Width);
    raster.SetPenColour(style.Colour);
    const PadPixel from = mapping.WorldToPixel(x1, y1);
    const PadPixel to = mapping.WorldToPixel(x2, y2);
    raster.Line(ToPixelPoint(from), ToPixelPoint(to));

    const double dx = x2 - x1;
    const double dy = y2 - y1;
    // A line within one pixel shows no direction to mark.
    if (!withMark || !style.MarkOn || !(std::fabs(dx) + std::fabs(dy) > 0.0001) || from == to)
        return;
    const auto row = static_cast<std::size_t>(
        std::clamp(style.MarkSize, 0, static_cast<std::int32_t>(DirectionMarkFactors.size()) - 1));
    const double mark = DirectionMarkFactors[row] * mapping.GridSize;
    if (!(mark > 0))
        return;  // a zero-length grey stroke would only blot the line's end
    const double length = std::sqrt(dx * dx + dy * dy);
    const double pixels = std::hypot(dx * mapping.PixelsPerUnitX(), dy * mapping.PixelsPerUnitY());
    const double markPixels =
        std::clamp(mark / length * pixels, kPadMinMarkPixels, std::max(pixels / 2, kPadMinMarkPixels));
    const double share = markPixels / pixels;
    raster.SetPenColour(kPadMarkColour);
    raster.Line(ToPixelPoint(mapping.WorldToPixel(x2 - dx * share, y2 - dy * share)), ToPixelPoint(to));
}

void DrawPadLines(Raster& raster, const PadGraph& graph, const PadMapping& mapping, const PadLineStyle& style)
{
    raster.SetPenMode(PenMode::Copy);
    const auto valid = [&](std::int32_t i) { return i >= 0 && static_cast<std::size_t>(i) < graph.Points.size(); };
    const std::int32_t reach = std::max(style.Width, 0) + static_cast<std::int32_t>(kPadMinMarkPixels);
    bool drawn = false;
    PadPixel lastEnd;
    for (const PadLine& l : graph.Lines) {
        if (!l.Live || !l.Visible || !valid(l.From) || !valid(l.To))
            continue;
        const PadPoint& a = graph.Points[static_cast<std::size_t>(l.From)];
        const PadPoint& b = graph.Points[static_cast<std::size_t>(l.To)];
        const PadPixel from = mapping.WorldToPixel(a.X, a.Y);
        const PadPixel to = mapping.WorldToPixel(b.X, b.Y);
        // Wholly beyond one edge of the surface (its mark included): nothing to see.
        if ((from.X < -reach && to.X < -reach) || (from.Y < -reach && to.Y < -reach) ||
            (from.X > mapping.SurfaceWidth + reach && to.X > mapping.SurfaceWidth + reach) ||
            (from.Y > mapping.SurfaceBottom + reach && to.Y > mapping.SurfaceBottom + reach))
            continue;
        // A line within the pixel where the last one ended is that line's round end again.
        if (drawn && from == to && from == lastEnd)
            continue;
        drawn = true;
        lastEnd = to;
        DrawPadLine(raster, mapping, style, true, a.X, a.Y, b.X, b.Y);
    }
}

// --- background -------------------------------------------------------------------

namespace {

PadXY PictureWorld(const std::array<double, 6>& g, double column, double row)
{
    return {g[0] + column * g[1] + row * g[2], g[3] + column * g[4] + row * g[5]};
}

bool Overlap(const PadBox& a, const PadBox& b)
{
    return !a.Empty && !b.Empty && a.Left <= b.Right && b.Left <= a.Right && a.Bottom <= b.Top && b.Bottom <= a.Top;
}

// Both ends beyond the same edge of the surface.
bool Beyond(const PadMapping& m, PadPixel a, PadPixel b)
{
    return (a.X < 0 && b.X < 0) || (a.Y < 0 && b.Y < 0) || (a.X > m.SurfaceWidth && b.X > m.SurfaceWidth) ||
           (a.Y > m.SurfaceBottom && b.Y > m.SurfaceBottom);
}

PadBox PictureBox(const PadBackground& background)
{
    PadBox box;
    if (!background.Picture || background.Picture->Empty())
        return box;
    const double w = background.Picture->Width;
    const double h = background.Picture->Height;
    for (const auto& [column, row] : {std::pair {0.0, 0.0}, {w, 0.0}, {0.0, h}, {w, h}}) {
        const PadXY p = PictureWorld(background.PictureToWorld, column, row);
        box = Union(box, PadBox {p.X, p.Y, p.X, p.Y, false});
    }
    return box;
}

}  // namespace

PadBox PadBackgroundBox(const PadBackground& background)
{
    PadBox box = PictureBox(background);
    for (const auto& line : background.Lines)
        for (const PadXY& p : line)
            if (std::isfinite(p.X) && std::isfinite(p.Y))
                box = Union(box, PadBox {p.X, p.Y, p.X, p.Y, false});
    return box;
}

void DrawPadBackground(Raster& raster, const PadMapping& m, const PadBackground& background)
{
    const double opacity = std::min(background.Opacity, 1.0);
    if (!(opacity > 0))
        return;
    raster.SetPenMode(PenMode::Copy);
    const PadBox view = WorldBoxOf(m, PadRect {0, 0, m.SurfaceWidth + 1, m.SurfaceBottom + 1});
    if (Overlap(PictureBox(background), view)) {
        const auto& g = background.PictureToWorld;
        const double px = m.PixelsPerUnitX();
        const double py = m.PixelsPerUnitY();
        // Pixel X is centred on world OriginX + X / px (WorldToPixel rounds), so
        // its continuous left edge lies half a pixel before.
        const ImageTransform toSurface {px * g[1],
                                        -py * g[4],
                                        px * g[2],
                                        -py * g[5],
                                        px * (g[0] - m.OriginX) + 0.5,
                                        m.SurfaceBottom + 0.5 - py * (g[3] - m.OriginY)};
        raster.DrawImage(*background.Picture, toSurface, opacity);
    }
    if (background.Lines.empty())
        return;
    const auto fade = [opacity](std::uint8_t c) {
        return static_cast<std::uint8_t>(std::lround(255 - (255 - c) * opacity));
    };
    raster.SetPenColour({fade(kPadLayerColour.r), fade(kPadLayerColour.g), fade(kPadLayerColour.b)});
    raster.SetPenWidth(1);
    for (const auto& line : background.Lines) {
        if (line.size() < 2)
            continue;
        PadPixel from = m.WorldToPixel(line[0].X, line[0].Y);
        for (std::size_t k = 1; k < line.size(); ++k) {
            const PadPixel to = m.WorldToPixel(line[k].X, line[k].Y);
            // Nodes within one pixel are one node at this scale.
            if (to == from)
                continue;
            if (!Beyond(m, from, to))
                raster.Line(ToPixelPoint(from), ToPixelPoint(to));
            from = to;
        }
    }
}

std::optional<std::array<double, 6>> PictureToWorldFromControlPoints(const std::array<double, 8>& points)
{
    for (const double v : points)
        if (!std::isfinite(v))
            return std::nullopt;
    // As complex numbers, with the picture's rows turned upward: world = a * picture + b.
    const std::complex<double> p1(points[0], -points[1]);
    const std::complex<double> w1(points[2], points[3]);
    const std::complex<double> p2(points[4], -points[5]);
    const std::complex<double> w2(points[6], points[7]);
    if (p1 == p2 || w1 == w2)
        return std::nullopt;
    const std::complex<double> a = (w2 - w1) / (p2 - p1);
    const std::complex<double> b = w1 - a * p1;
    const std::array<double, 6> g {b.real(), a.real(), a.imag(), b.imag(), a.imag(), -a.real()};
    for (const double v : g)
        if (!std::isfinite(v))
            return std::nullopt;
    return g;
}

}  // namespace orvane
