#include "reports/FormulaPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string_view>

namespace orvane {

namespace {

constexpr double kScriptScale = 0.7;
constexpr double kNestedFractionScale = 0.8;
constexpr double kMmPerInch = 25.4;

// One drawing step, relative to the baseline origin of its box (y down).
struct Op {
    enum Kind { Text, Path } kind = Text;
    QPointF at;
    QString text;
    QFont font;
    double scaleY = 1.0;  // vertical stretch of a grown delimiter or integral sign
    QPainterPath path;
    double penWidth = 0;
};

struct Box {
    double width = 0;
    double ascent = 0;  // above the baseline
    double descent = 0;
    std::vector<Op> ops;

    // Puts b after this box, its baseline raised by rise.
    void Append(const Box& b, double rise = 0)
    {
        for (Op op : b.ops) {
            op.at += QPointF(width, -rise);
            op.path.translate(width, -rise);
            ops.push_back(std::move(op));
        }
        ascent = std::max(ascent, b.ascent + rise);
        descent = std::max(descent, b.descent - rise);
        width += b.width;
    }
    void Space(double w) { width += w; }
};

struct Style {
    double scale = 1.0;
    bool italic = true;
    bool bold = false;
};

class Typesetter {
public:
    Typesetter(const QPaintDevice* device, double basePt) : device_(device), basePt_(basePt) { }

    Box Line(std::string_view source)
    {
        src_ = source;
        pos_ = 0;
        return Row(Style {}, '\0');
    }

private:
    QFont FontOf(const Style& st) const
    {
        QFont font {QString::fromLatin1(kFormulaFace)};
        font.setStyleHint(QFont::Serif);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setPointSizeF(basePt_ * st.scale);
        font.setItalic(st.italic);
        font.setBold(st.bold);
        return font;
    }
    double Em(const Style& st) const { return basePt_ * st.scale / 72.0 * device_->logicalDpiY(); }
    // Height of the fraction bars and the centre of grown delimiters above
    // the baseline: about half the height of a lower-case x.
    double Axis(const Style& st) const { return 0.25 * Em(st); }

    Box Glyphs(const QString& text, const Style& st) const
    {
        const QFont font = FontOf(st);
        const QFontMetricsF metrics(font, device_);
        Box box;
        box.width = metrics.horizontalAdvance(text);
        box.ascent = metrics.ascent();
        box.descent = metrics.descent();
        box.ops.push_back({Op::Text, QPointF(0, 0), text, font, 1.0, {}, 0});
        return box;
    }

    // A glyph stretched vertically to cover height, centred on the axis.
    Box Stretched(const QString& glyph, const Style& st, double height) const
    {
        Box box = Glyphs(glyph, st);
        const double natural = box.ascent + box.descent;
        const double s = std::max(1.0, height / natural);
        const double centre = -Axis(st);                            // y of the axis (y down)
        const double glyphCentre = (box.descent - box.ascent) / 2;  // relative to the baseline
        Op& op = box.ops.front();
        op.scaleY = s;
        op.at.setY(centre - s * glyphCentre);
        box.ascent = -(op.at.y() - s * box.ascent);
        box.descent = op.at.y() + s * box.descent;
        return box;
    }

    bool Peek(char c) const { return pos_ < src_.size() && src_[pos_] == c; }

    std::string Word()
    {
        std::string word;
        while (pos_ < src_.size() && std::isalpha(static_cast<unsigned char>(src_[pos_])))
            word += src_[pos_++];
        return word;
    }

    // The braced argument as raw text ("{...}"), without nesting rules.
    std::string RawArgument()
    {
        if (!Peek('{'))
            return {};
        const std::size_t end = src_.find('}', pos_);
        const std::string text(
            src_.substr(pos_ + 1, end == std::string_view::npos ? std::string_view::npos : end - pos_ - 1));
        pos_ = end == std::string_view::npos ? src_.size() : end + 1;
        return text;
    }

    // A braced group or a single character, as a box.
    Box Argument(const Style& st)
    {
        while (Peek(' '))
            ++pos_;
        if (Peek('{')) {
            ++pos_;
            Box b = Row(st, '}');
            if (Peek('}'))
                ++pos_;
            return b;
        }
        Box b;
        if (pos_ < src_.size())
            b = Atom(st);
        return b;
    }

    Box Fraction(const Style& st)
    {
        // A fraction inside a fraction or inside brackets is set smaller, as
        // in running text, so nested formulas stay compact.
        Style inner = st;
        if (fractionDepth_ > 0 || delimiterDepth_ > 0)
            inner.scale *= kNestedFractionScale;
        ++fractionDepth_;
        const Box num = Argument(inner);
        const Box den = Argument(inner);
        --fractionDepth_;
        const double em = Em(st);
        const double gap = 0.12 * em;
        const double pad = 0.1 * em;
        const double bar = 0.05 * em;
        const double width = std::max(num.width, den.width) + 2 * pad;
        Box box;
        Box top;
        top.Space((width - num.width) / 2);
        top.Append(num);
        Box bottom;
        bottom.Space((width - den.width) / 2);
        bottom.Append(den);
        const double axis = Axis(st);
        box.Append(top, axis + gap + num.descent);
        box.width = 0;
        box.Append(bottom, axis - gap - den.ascent);
        box.width = width;
        QPainterPath line;
        line.moveTo(0, -axis);
        line.lineTo(width, -axis);
        box.ops.push_back({Op::Path, {}, {}, {}, 1.0, line, bar});
        return box;
    }

    Box Root(const Style& st)
    {
        const Box inner = Argument(st);
        const double em = Em(st);
        const double top = -(inner.ascent + 0.15 * em);
        const double bottom = inner.descent;
        const double hook = 0.55 * em;
        QPainterPath path;
        path.moveTo(0, -Axis(st) + 0.05 * em);
        path.lineTo(0.15 * em, -Axis(st) - 0.05 * em);
        path.lineTo(0.3 * em, bottom);
        path.lineTo(hook, top);
        path.lineTo(hook + inner.width + 0.1 * em, top);
        Box box;
        box.ops.push_back({Op::Path, {}, {}, {}, 1.0, path, 0.05 * em});
        box.Space(hook + 0.05 * em);
        box.Append(inner);
        box.Space(0.15 * em);
        box.ascent = std::max(box.ascent, -top + 0.05 * em);
        box.descent = std::max(box.descent, bottom);
        return box;
    }

    static QString Delimiter(std::string_view token)
    {
        if (token == "\\{")
            return QStringLiteral("{");
        if (token == "\\}")
            return QStringLiteral("}");
        return QString::fromLatin1(token.data(), static_cast<qsizetype>(token.size()));
    }

    std::string DelimiterToken()
    {
        while (Peek(' '))
            ++pos_;
        if (Peek('\\') && pos_ + 1 < src_.size()) {
            pos_ += 2;
            return std::string(src_.substr(pos_ - 2, 2));
        }
        return pos_ < src_.size() ? std::string(1, src_[pos_++]) : std::string();
    }

    Box Delimited(const Style& st)
    {
        const QString open = Delimiter(DelimiterToken());
        ++delimiterDepth_;
        Box inner = Row(st, '\\');  // stops at \right
        --delimiterDepth_;
        QString close;
        if (src_.substr(pos_, 6) == "\\right") {
            pos_ += 6;
            close = Delimiter(DelimiterToken());
        }
        const double em = Em(st);
        // Cover the content symmetrically about the axis, as tall as its
        // taller half on both sides.
        const double half = std::max(inner.ascent - Axis(st), inner.descent + Axis(st)) + 0.05 * em;
        Box box = Stretched(open, NonItalic(st), 2 * half);
        box.Space(0.05 * em);
        box.Append(inner);
        box.Space(0.05 * em);
        box.Append(Stretched(close, NonItalic(st), 2 * half));
        return box;
    }

    static Style NonItalic(Style st)
    {
        st.italic = false;
        return st;
    }

    // Upright or bold text with its blanks, up to the closing brace.
    Box Plain(const Style& st, bool bold)
    {
        Style plain = NonItalic(st);
        plain.bold = bold;
        return Glyphs(QString::fromLatin1(RawArgument().c_str()), plain);
    }

    Box Command(const Style& st)
    {
        ++pos_;  // the backslash
        if (pos_ < src_.size() && !std::isalpha(static_cast<unsigned char>(src_[pos_]))) {
            const char c = src_[pos_++];
            if (c == ',')
                return Spacing(Em(st) / 6);
            if (c == ';')
                return Spacing(Em(st) / 3);
            return Glyphs(QString(QLatin1Char(c)), NonItalic(st));
        }
        const std::string name = Word();
        static const std::map<std::string, char16_t> greek = {
            {"alpha", u'\u03B1'}, {"gamma", u'\u03B3'}, {"sigma", u'\u03C3'}, {"phi", u'\u03C6'}, {"pi", u'\u03C0'}};
        if (auto it = greek.find(name); it != greek.end())
            return Glyphs(QString(QChar(it->second)), st);
        if (name == "le")
            return Relation(QString(QChar(u'\u2264')), st);
        if (name == "frac")
            return Fraction(st);
        if (name == "sqrt")
            return Root(st);
        if (name == "left")
            return Delimited(st);
        if (name == "int")
            return Stretched(QString(QChar(u'\u222B')), NonItalic(st), 2.0 * Em(st));
        if (name == "rm")
            return Plain(st, false);
        if (name == "b")
            return Plain(st, true);
        if (name == "quad")
            return Spacing(Em(st));
        if (name == "qquad")
            return Spacing(2 * Em(st));
        if (name == "tanh" || name == "exp" || name == "cos") {
            Box b = Spacing(Em(st) / 6);
            b.Append(Glyphs(QString::fromLatin1(name.c_str()), NonItalic(st)));
            b.Space(Em(st) / 6);
            return b;
        }
        return Glyphs(QString::fromLatin1(name.c_str()), NonItalic(st));
    }

    static Box Spacing(double w)
    {
        Box b;
        b.width = w;
        return b;
    }

    Box Relation(const QString& sign, const Style& st) const
    {
        const double space = st.scale < 1.0 ? 0.0 : 0.28 * Em(st);
        Box b = Spacing(space);
        b.Append(Glyphs(sign, NonItalic(st)));
        b.Space(space);
        return b;
    }

    Box Atom(const Style& st)
    {
        const char c = src_[pos_];
        if (c == '\\')
            return Command(st);
        if (c == '{') {
            ++pos_;
            Box b = Row(st, '}');
            if (Peek('}'))
                ++pos_;
            return b;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            std::string number;
            while (pos_ < src_.size() && (std::isdigit(static_cast<unsigned char>(src_[pos_])) || src_[pos_] == '.'))
                number += src_[pos_++];
            return Glyphs(QString::fromLatin1(number.c_str()), NonItalic(st));
        }
        if (std::isalpha(static_cast<unsigned char>(c)))
            return Glyphs(QString::fromLatin1(Word().c_str()), st);
        ++pos_;
        if (c == '=' || c == '>' || c == '<')
            return Relation(QString(QLatin1Char(c)), st);
        if ((c == '-' || c == '+') && binaryAllowed_) {
            const double space = st.scale < 1.0 ? 0.0 : 0.22 * Em(st);
            Box b = Spacing(space);
            b.Append(Glyphs(c == '-' ? QString(QChar(u'\u2212')) : QStringLiteral("+"), NonItalic(st)));
            b.Space(space);
            return b;
        }
        if (c == '-')
            return Glyphs(QString(QChar(u'\u2212')), NonItalic(st));
        return Glyphs(QString(QLatin1Char(c)), NonItalic(st));
    }

    // Superscript and subscript of base, placed beside it.
    void Scripts(Box& base, const Style& st)
    {
        Style small = st;
        small.scale *= kScriptScale;
        const double em = Em(st);
        Box sup;
        Box sub;
        bool hasSup = false;
        bool hasSub = false;
        while (Peek('^') || Peek('_')) {
            const bool isSup = src_[pos_++] == '^';
            const bool saved = binaryAllowed_;
            binaryAllowed_ = false;
            (isSup ? sup : sub) = Argument(small);
            binaryAllowed_ = saved;
            (isSup ? hasSup : hasSub) = true;
        }
        if (!hasSup && !hasSub)
            return;
        const double x = base.width;
        // An italic letter leans into its superscript: move the script
        // right by the lean (italic correction).
        const bool italicEnd = !base.ops.empty() && base.ops.back().kind == Op::Text && base.ops.back().font.italic();
        const double lean = italicEnd ? 0.12 * em : 0.0;
        double width = 0;
        if (hasSup) {
            const double rise = std::max({0.42 * em, base.ascent - 0.55 * sup.ascent, sup.descent + 0.2 * em});
            base.width = x + lean;
            base.Append(sup, rise);
            width = lean + sup.width;
            base.width = x;
        }
        if (hasSub) {
            const double drop = std::max(0.25 * em, base.descent * 0.6 + (hasSup ? 0.1 * em : 0.0));
            base.Append(sub, -drop);
            width = std::max(width, sub.width);
            base.width = x;
        }
        base.width = x + width + 0.05 * em;
    }

    Box Row(const Style& st, char terminator)
    {
        Box row;
        const bool saved = binaryAllowed_;
        binaryAllowed_ = false;  // a sign at the start of a group is unary
        while (pos_ < src_.size()) {
            const char c = src_[pos_];
            if (c == ' ') {
                ++pos_;
                continue;
            }
            if (terminator != '\0' && c == terminator && (c != '\\' || src_.substr(pos_, 6) == "\\right"))
                break;
            if (c == '\\' && src_.substr(pos_, 4) == "\\at{") {
                pos_ += 3;
                const double at = std::atof(RawArgument().c_str()) * Em(st);
                row.width = std::max(row.width, at);
                continue;
            }
            const bool opens = c == '(' || c == '[' || c == '=' || src_.substr(pos_, 5) == "\\left";
            Box atom = Atom(st);
            Scripts(atom, st);
            row.Append(atom);
            binaryAllowed_ = !opens;
        }
        binaryAllowed_ = saved;
        return row;
    }

    const QPaintDevice* device_;
    double basePt_;
    std::string_view src_;
    std::size_t pos_ = 0;
    bool binaryAllowed_ = false;
    int fractionDepth_ = 0;
    int delimiterDepth_ = 0;
};

void PaintBox(QPainter& painter, const Box& box, QPointF origin)
{
    for (const Op& op : box.ops) {
        if (op.kind == Op::Path) {
            QPen pen(Qt::black);
            pen.setWidthF(op.penWidth);
            pen.setCapStyle(Qt::FlatCap);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(op.path.translated(origin));
            continue;
        }
        painter.setFont(op.font);
        painter.setPen(Qt::black);
        if (op.scaleY == 1.0) {
            painter.drawText(origin + op.at, op.text);
        } else {
            painter.save();
            painter.translate(origin + op.at);
            painter.scale(1.0, op.scaleY);
            painter.drawText(QPointF(0, 0), op.text);
            painter.restore();
        }
    }
}

std::vector<Box> Typeset(const QPaintDevice* device, const std::vector<std::string>& lines, double basePt)
{
    Typesetter typesetter(device, basePt);
    std::vector<Box> boxes;
    boxes.reserve(lines.size());
    for (const std::string& line : lines)
        boxes.push_back(typesetter.Line(line));
    return boxes;
}

// Lines are set apart by a third of the base size.
double LineGap(const QPaintDevice* device, double basePt) { return basePt / 3.0 / 72.0 * device->logicalDpiY(); }

std::pair<double, double> Extent(const std::vector<Box>& boxes, double gap)
{
    double width = 0;
    double height = 0;
    for (const Box& b : boxes) {
        width = std::max(width, b.width);
        height += b.ascent + b.descent;
    }
    if (boxes.size() > 1)
        height += gap * static_cast<double>(boxes.size() - 1);
    return {width, height};
}

}  // namespace

void PaintFormulaLines(QPainter& painter, const QRectF& rect, const std::vector<std::string>& lines, double basePt)
{
    const QPaintDevice* device = painter.device();
    const std::vector<Box> boxes = Typeset(device, lines, basePt);
    const double gap = LineGap(device, basePt);
    const auto [width, height] = Extent(boxes, gap);
    if (width <= 0 || height <= 0)
        return;
    const double k = std::min({1.0, rect.width() / width, rect.height() / height});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(rect.left(), rect.top());
    painter.scale(k, k);
    double y = 0;
    for (const Box& b : boxes) {
        PaintBox(painter, b, QPointF(0, y + b.ascent));
        y += b.ascent + b.descent + gap;
    }
    painter.restore();
}

std::pair<double, double> FormulaLinesSizeMm(const std::vector<std::string>& lines, double basePt)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(1200.0 / kMmPerInch * 1000.0));
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    const std::vector<Box> boxes = Typeset(&device, lines, basePt);
    const auto [width, height] = Extent(boxes, LineGap(&device, basePt));
    const double mmPerDot = kMmPerInch / device.logicalDpiY();
    return {width * mmPerDot, height * mmPerDot};
}

}  // namespace orvane
