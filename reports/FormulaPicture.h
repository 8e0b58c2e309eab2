#pragma once
// Formulas typeset with QPainter: text as text, fraction bars and radicals
// as lines, so a formula prints sharp at any size and stays text in a PDF.
//
// The notation is a small TeX-like one, ASCII only:
//   letters           italic variables; digits and signs upright
//   x^2  x^{-4}       superscript; x_p  F_{eff}  subscript (at 70 %)
//   \frac{a}{b}       stacked fraction
//   \sqrt{a}          square root
//   \int              integral sign, taking ^ and _ as its limits
//   \left( .. \right) delimiters ( [ \{ ) ] \} grown to their content
//   \alpha \gamma \sigma \phi \pi \le \tanh \exp \cos
//   \rm{text} \b{text}  upright and bold upright text, blanks kept
//   \, \; \quad \qquad  spaces of 1/6, 1/3, 1 and 2 em
//   \at{n}            continue at n em from the start of the line
// Blanks outside \rm and \b are ignored; "=" and the signs + - between
// terms get their spacing by themselves.

#include <string>
#include <utility>
#include <vector>

class QPainter;
class QRectF;

namespace orvane {

// Face of the formulas; fontconfig maps it to a metric-compatible free face.
inline constexpr const char* kFormulaFace = "Times New Roman";

// Paints the lines one below the other from rect's top-left corner, at
// basePt points when they fit and scaled down as a whole when they do not.
// Black on transparent.
void PaintFormulaLines(QPainter& painter, const QRectF& rect, const std::vector<std::string>& lines, double basePt);

// Natural size of the lines at basePt, in millimetres (width, height).
std::pair<double, double> FormulaLinesSizeMm(const std::vector<std::string>& lines, double basePt);

}  // namespace orvane
