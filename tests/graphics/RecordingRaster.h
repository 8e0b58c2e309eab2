#pragma once
// A raster that draws nothing and keeps every primitive with the drawing
// state it was issued in, so tests can assert what a drawing operation did.

#include <algorithm>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "graphics/Raster.h"

namespace orvane::test {

enum class PrimitiveKind { Clear, Polygon, Line, Ellipse, Text, Image };

struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Clear;
    // Polygon: its vertices; Line: from, to; Ellipse: (left, top), (right, bottom); Text: top-left.
    std::vector<PixelPoint> points;
    std::string text;          // Windows-1252 bytes, Text only
    ImageTransform transform;  // Image only, with its opacity and the picture's size
    double opacity = 0;
    PixelPoint imageSize;
    // The part of the drawing state the primitive uses: pen, fill and mode for
    // shapes, font and mode for text; the rest is left at its defaults so that
    // comparisons see only what can change the picture.
    RasterState state;
    friend bool operator==(const Primitive&, const Primitive&) = default;
};

// Readable failure messages instead of byte dumps.
inline void PrintTo(const Primitive& p, std::ostream* os)
{
    static const char* const names[] = {"Clear", "Polygon", "Line", "Ellipse", "Text", "Image"};
    *os << names[static_cast<int>(p.kind)];
    for (const PixelPoint& q : p.points)
        *os << " (" << q.x << "," << q.y << ")";
    if (!p.text.empty())
        *os << " \"" << p.text << "\"";
    const RasterState& s = p.state;
    *os << " pen " << int(s.penColour.r) << "/" << int(s.penColour.g) << "/" << int(s.penColour.b) << " w" << s.penWidth
        << (s.penMode == PenMode::Invert ? " invert" : "") << " fill " << (s.fillSolid ? "solid " : "none ")
        << int(s.fillColour.r) << "/" << int(s.fillColour.g) << "/" << int(s.fillColour.b) << " font " << s.fontFace
        << " " << s.fontSizePt;
}

class RecordingRaster final : public Raster {
public:
    RecordingRaster(int width, int height) : width_(width), height_(height) { }

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Clear() override { Add(PrimitiveKind::Clear, {}); }
    void Polygon(std::span<const PixelPoint> points) override
    {
        Add(PrimitiveKind::Polygon, std::vector<PixelPoint>(points.begin(), points.end()));
    }
    void Line(PixelPoint from, PixelPoint to) override { Add(PrimitiveKind::Line, {from, to}); }
    void Ellipse(int left, int top, int right, int bottom) override
    {
        Add(PrimitiveKind::Ellipse, {{left, top}, {right, bottom}});
    }
    void Text(PixelPoint topLeft, std::string_view text1252) override
    {
        Add(PrimitiveKind::Text, {topLeft});
        primitives.back().text = std::string(text1252);
    }

    void DrawImage(const RgbaImage& picture, const ImageTransform& toSurface, double opacity) override
    {
        Add(PrimitiveKind::Image, {});
        primitives.back().transform = toSurface;
        primitives.back().opacity = opacity;
        primitives.back().imageSize = {picture.Width, picture.Height};
    }

    std::vector<Primitive> Of(PrimitiveKind kind) const
    {
        std::vector<Primitive> out;
        std::copy_if(primitives.begin(), primitives.end(), std::back_inserter(out),
                     [kind](const Primitive& p) { return p.kind == kind; });
        return out;
    }
    std::vector<Primitive> Lines(Rgb colour) const
    {
        std::vector<Primitive> out;
        for (const Primitive& p : Of(PrimitiveKind::Line))
            if (p.state.penColour == colour)
                out.push_back(p);
        return out;
    }

    std::vector<Primitive> primitives;

private:
    void Add(PrimitiveKind kind, std::vector<PixelPoint> points)
    {
        RasterState used;
        used.penMode = state_.penMode;
        if (kind == PrimitiveKind::Text) {
            used.fontFace = state_.fontFace;
            used.fontSizePt = state_.fontSizePt;
            used.fontStyle = state_.fontStyle;
            used.fontColour = state_.fontColour;
        } else if (kind != PrimitiveKind::Clear) {
            used.penColour = state_.penColour;
            used.penWidth = state_.penWidth;
            used.fillColour = state_.fillColour;
            used.fillSolid = state_.fillSolid;
        }
        Primitive p;
        p.kind = kind;
        p.points = std::move(points);
        p.state = used;
        primitives.push_back(std::move(p));
    }

    int width_;
    int height_;
};

}  // namespace orvane::test
