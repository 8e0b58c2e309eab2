// The formula typesetter: spacing commands, scripts, fractions, roots and
// grown delimiters, measured against each other in em (the base size), and
// painted into boxes smaller and larger than the formula.

#include "reports/FormulaPicture.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr double kPt = 12;
constexpr double kEmMm = kPt / 72.0 * 25.4;

double Width(const std::string& formula) { return FormulaLinesSizeMm({formula}, kPt).first; }
double Height(const std::string& formula) { return FormulaLinesSizeMm({formula}, kPt).second; }

TEST(FormulaPicture, SpacesAndTabsAreWholeFractionsOfAnEm)
{
    const struct {
        const char* formula;
        double ems;
    } cases[] = {
        {"\\quad", 1.0}, {"\\qquad", 2.0}, {"\\,\\;", 0.5}, {"\\at{3}", 3.0}, {"\\at{3}\\at{1}", 3.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Width(c.formula), c.ems * kEmMm, 1e-6) << c.formula;
    // A tab is measured from the start of the line, whatever stands before it.
    EXPECT_NEAR(Width("\\at{5}x"), 5 * kEmMm + Width("x"), 1e-6);
    EXPECT_NEAR(Width("x\\at{5}x"), 5 * kEmMm + Width("x"), 1e-6);
}

TEST(FormulaPicture, ConstructsStackRaiseAndGrowAsTypeset)
{
    // Superscripts are set small and raised, subscripts small and lowered.
    EXPECT_GT(Height("x^2"), Height("x"));
    EXPECT_LT(Width("x^{2222}") - Width("x"), 0.8 * Width("2222"));
    EXPECT_GT(Height("F_{eff}"), Height("F"));
    EXPECT_LT(Width("F_{eff}") - Width("F"), Width("eff"));
    // A fraction stacks its parts: taller than both together, narrower than side by side.
    EXPECT_GT(Height("\\frac{a}{b}"), Height("a") + Height("b"));
    EXPECT_LT(Width("\\frac{aaaa}{b}"), Width("aaaab"));
    EXPECT_GE(Width("\\frac{aaaa}{b}"), Width("aaaa"));
    // A fraction inside a fraction is set smaller than on its own.
    EXPECT_LT(Width("\\frac{\\frac{aaaa}{b}}{c}"), Width("\\frac{aaaa}{b}"));
    // The radical's hook stands before its content, its bar above it.
    EXPECT_GT(Width("\\sqrt{x}"), Width("x") + 0.55 * kEmMm);
    EXPECT_GT(Height("\\sqrt{x}"), Height("x"));
    // Delimiters grow with what they hold.
    EXPECT_GT(Height("\\left(\\frac{a}{b}\\right)"), 1.5 * Height("\\left(a\\right)"));
    // Lines stand a third of the base size apart.
    EXPECT_NEAR(FormulaLinesSizeMm({"a", "b"}, kPt).second, Height("a") + Height("b") + kEmMm / 3, 1e-6);
}

TEST(FormulaPicture, UnfinishedInputIsSetAsFarAsItGoes)
{
    for (const char* formula : {"\\frac{a", "\\frac", "\\left(", "\\left(a", "x^", "\\sqrt", "\\at{", "\\", "{{{",
                                "}}}", "\\rm{open", "\\unknown"}) {
        const auto [width, height] = FormulaLinesSizeMm({formula}, kPt);
        EXPECT_TRUE(std::isfinite(width) && width >= 0 && width < 20 * kEmMm) << formula;
        EXPECT_TRUE(std::isfinite(height) && height >= 0 && height < 10 * kEmMm) << formula;
    }
}

// The ink's bounding box on a 300 dpi image.
QRect Ink(const std::vector<std::string>& lines, const QRectF& box)
{
    QImage image(1200, 600, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(300 / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintFormulaLines(painter, box, lines, kPt);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(FormulaPicture, LinesShrinkToTheirBoxAndAreNeverEnlarged)
{
    const std::vector<std::string> lines = {
        "\\frac{gH}{U^2} = 0.283 \\tanh\\left[0.0125 \\left(\\frac{gF}{U^2}\\right)^{0.42}\\right]",
        "T_s = \\sqrt{\\frac{a}{b}}"};
    const auto [widthMm, heightMm] = FormulaLinesSizeMm(lines, kPt);
    const double pxPerMm = 300 / 25.4;
    const QRect natural = Ink(lines, QRectF(100, 100, 1000, 400));
    EXPECT_NEAR(natural.width(), widthMm * pxPerMm, 0.05 * widthMm * pxPerMm);

    const QRectF small(100, 100, widthMm * pxPerMm / 2, heightMm * pxPerMm);
    const QRect shrunk = Ink(lines, small);
    EXPECT_TRUE(small.adjusted(-1, -1, 1, 1).contains(QRectF(shrunk))) << shrunk.width() << " in " << small.width();
    EXPECT_NEAR(shrunk.width(), natural.width() / 2.0, 0.05 * natural.width());
}

}  // namespace
}  // namespace orvane
