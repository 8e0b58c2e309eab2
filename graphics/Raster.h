#pragma once
// The abstract drawing surface that the region plot, the drawing pad and the
// report picture paint on. No toolkit here: the Qt implementation lives in
// QtRaster.h, tests use a recording raster that keeps the primitive list.
//
// The surface carries a drawing state (pen, fill, font, pen mode) that stays
// set until changed, so a primitive is drawn with whatever the last setters
// left. Drawing code relies on that: node numbers, for example, are written in
// the font face some earlier call left on the surface.
//
// Coordinates are pixels, (0, 0) the top-left corner, y pointing down. Points
// may lie outside the surface; implementations clip.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colours {
inline constexpr Rgb kWhite {255, 255, 255};
inline constexpr Rgb kBlack {0, 0, 0};
inline constexpr Rgb kSkyBlue {166, 202, 240};
inline constexpr Rgb kGrey {128, 128, 128};
inline constexpr Rgb kSilver {192, 192, 192};
inline constexpr Rgb kRed {255, 0, 0};
inline constexpr Rgb kBlue {0, 0, 255};
}  // namespace colours

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A picture as plain pixels: Width x Height, rows from the top, four bytes
// a pixel (red, green, blue, alpha; alpha 0 is transparent).
struct RgbaImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Pixels;
    bool Empty() const
    {
        return Width <= 0 || Height <= 0 || Pixels.size() != static_cast<std::size_t>(Width) * Height * 4;
    }
};

// Where a picture lands: picture position (column, row) to surface position
//   X = M11 * column + M21 * row + Dx,  Y = M12 * column + M22 * row + Dy,
// both continuous, pixel (i, j) covering [i, i + 1) x [j, j + 1) on either.
struct ImageTransform {
    double M11 = 1;
    double M12 = 0;
    double M21 = 0;
    double M22 = 1;
    double Dx = 0;
    double Dy = 0;
    friend bool operator==(const ImageTransform&, const ImageTransform&) = default;
};

// Copy paints the pen and fill colours. Invert combines them with what is
// there so that drawing the same figure a second time restores the surface
// exactly (rubber-band feedback); on white it shows the pen's own colour.
enum class PenMode { Copy, Invert };

// Font style bits, combined with |.
enum FontStyle : int { kFontRegular = 0, kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

// Face of a fresh surface, until a caller sets another.
inline constexpr std::string_view kDefaultFontFace = "Arial";

struct RasterState {
    Rgb penColour = colours::kBlack;
    int penWidth = 1;  // pixels; pens are always solid
    PenMode penMode = PenMode::Copy;
    Rgb fillColour = colours::kWhite;
    bool fillSolid = true;  // false: polygons and ellipses are outlines only
    std::string fontFace {kDefaultFontFace};
    int fontSizePt = 8;  // points
    int fontStyle = kFontRegular;
    Rgb fontColour = colours::kBlack;
    friend bool operator==(const RasterState&, const RasterState&) = default;
};

class Raster {
public:
    virtual ~Raster() = default;

    // Drawable area in pixels.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // The whole drawable area to white, whatever the pen mode.
    virtual void Clear() = 0;
    // Filled (when the fill is solid) and outlined polygon, closed from the
    // last point back to the first. An empty list draws nothing.
    virtual void Polygon(std::span<const PixelPoint> points) = 0;
    virtual void Line(PixelPoint from, PixelPoint to) = 0;
    // Ellipse inscribed in the box from (left, top) to (right, bottom).
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Text with its top-left corner at topLeft, on a transparent background,
    // in the current font. The text is Windows-1252 bytes (the degree sign is
    // 0xB0), as the rest of the program stores it.
    virtual void Text(PixelPoint topLeft, std::string_view text1252) = 0;
    // The picture placed by toSurface, over what is there, opacity 0
    // (invisible) to 1 (opaque) times its own alpha; smoothed where it is
    // reduced, sharp where magnified; never in invert mode. Surfaces that never show a picture (report pages, the
    // measuring of a layout) leave this as it is: it draws nothing.
    virtual void DrawImage(const RgbaImage& picture, const ImageTransform& toSurface, double opacity)
    {
        (void)picture;
        (void)toSurface;
        (void)opacity;
    }

    void SetPenColour(Rgb colour) { state_.penColour = colour; }
    void SetPenWidth(int pixels) { state_.penWidth = pixels; }
    void SetPenMode(PenMode mode) { state_.penMode = mode; }
    // Solid fill in the given colour.
    void SetFill(Rgb colour)
    {
        state_.fillColour = colour;
        state_.fillSolid = true;
    }
    void SetFillColour(Rgb colour) { state_.fillColour = colour; }
    void SetNoFill() { state_.fillSolid = false; }
    void SetFontFace(std::string_view face) { state_.fontFace = face; }
    void SetFontSize(int points) { state_.fontSizePt = points; }
    void SetFontStyle(int styleBits) { state_.fontStyle = styleBits; }
    void SetFontColour(Rgb colour) { state_.fontColour = colour; }

    const RasterState& State() const { return state_; }

protected:
    RasterState state_;
};

}  // namespace orvane
