#include "reports/RtfWriter.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "core/Format.h"
#include "core/Text1252.h"
#include "reports/PngEncoder.h"
#include "tools/RtfText.h"

namespace orvane {

namespace {

constexpr double kMmPerInch = 25.4;

// Rules are line shapes; their width is given in EMU (914400 per inch).
int Emu(double mm) { return static_cast<int>(std::lround(mm / kMmPerInch * 914400.0)); }

// Half-points, RTF's font size unit.
int HalfPoints(double pt) { return static_cast<int>(std::lround(pt * 2.0)); }

std::string FontFamily(const std::string& face)
{
    if (face.find("Courier") != std::string::npos)
        return "\\fmodern";
    if (face.find("Times") != std::string::npos)
        return "\\froman";
    return "\\fswiss";
}

bool IsPicture(const PlacedItem& placed)
{
    return placed.item.kind == ItemKind::Picture || placed.item.kind == ItemKind::Chart;
}

class Writer {
public:
    Writer(const PreparedReport& report, double pictureDpi) : report_(report), dpi_(pictureDpi) { }

    std::string Document(const DocumentProperties& properties)
    {
        std::string body;
        for (std::size_t p = 0; p < report_.pages.size(); ++p) {
            if (p > 0)
                body += "\\pard\\plain\\fs2\\page\\par\n";
            // Pictures first: a reader draws later frames on top, and a
            // picture's box may overlap a heading next to it.
            for (const PlacedItem& placed : report_.pages[p].items) {
                if (IsPicture(placed))
                    body += Item(placed);
            }
            for (const PlacedItem& placed : report_.pages[p].items) {
                if (!IsPicture(placed))
                    body += Item(placed);
            }
        }
        std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\n{\\fonttbl";
        for (const auto& [face, index] : fonts_)
            out += Format("{\\f%d%s\\fcharset0 %s;}", index, FontFamily(face), RtfText(face));
        out += "}\n{\\colortbl;";
        for (const unsigned rgb : colours_)
            out += Format("\\red%d\\green%d\\blue%d;", (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
        out += "}\n";
        // RTF's information group has no creator field: the program that made
        // the document is its author there, as readers show it.
        out += "{\\info{\\title " + RtfText(properties.title) + "}{\\subject " + RtfText(properties.subject) +
               "}{\\author " + RtfText(properties.creator) + "}}\n";
        out += "{\\*\\generator " + RtfText(properties.creator) + ";}\n";
        const int w = Twips(report_.pageWidthMm);
        const int h = Twips(report_.pageHeightMm);
        out += Format("\\paperw%d\\paperh%d\\margl0\\margr0\\margt0\\margb0\n", w, h);
        out += Format("\\sectd\\pgwsxn%d\\pghsxn%d\\marglsxn0\\margrsxn0\\margtsxn0\\margbsxn0\n", w, h);
        return out + body + "}\n";
    }

private:
    int FontIndex(const std::string& face)
    {
        const auto it = fonts_.find(face);
        if (it != fonts_.end())
            return it->second;
        const int index = static_cast<int>(fonts_.size());
        fonts_.emplace(face, index);
        return index;
    }

    static std::string Frame(double left, double top, double width, double height, bool exactHeight)
    {
        return Format("\\pard\\plain\\pvpg\\phpg\\posx%d\\posy%d\\absw%d\\absh%s%d\\nowrap\\dxfrtext0", Twips(left),
                      Twips(top), Twips(width), exactHeight ? "-" : "", Twips(height));
    }

    // Index in the colour table. Entry 0 is the reader's automatic colour;
    // black is entry 1, other colours follow in the order of first use.
    int ColourIndex(unsigned rgb)
    {
        const auto it = std::find(colours_.begin(), colours_.end(), rgb);
        if (it != colours_.end())
            return static_cast<int>(it - colours_.begin()) + 1;
        colours_.push_back(rgb);
        return static_cast<int>(colours_.size());
    }

    std::string FontCodes(const ReportFont& font, unsigned rgb)
    {
        std::string codes =
            Format("\\f%d\\fs%d\\cf%d", FontIndex(font.face), HalfPoints(font.sizePt), ColourIndex(rgb));
        if (font.bold)
            codes += "\\b";
        if (font.italic)
            codes += "\\i";
        if (font.underline)
            codes += "\\ul";
        return codes;
    }

    std::string Item(const PlacedItem& placed)
    {
        const RectMm& r = placed.rect;
        switch (placed.item.kind) {
        case ItemKind::Label: {
            const double left = placed.item.alignRight ? r.left - kRtfLabelSlackMm : r.left;
            return Frame(left, r.top, r.width + kRtfLabelSlackMm, r.height, false) +
                   (placed.item.alignRight ? "\\qr" : "\\ql") + FontCodes(placed.item.font, placed.item.textRgb) + " " +
                   RtfText(placed.lines.empty() ? std::string() : placed.lines.front()) + "\\par\n";
        }
        case ItemKind::TextBox: {
            std::string text;
            for (std::size_t i = 0; i < placed.lines.size(); ++i)
                text += (i > 0 ? "\\line " : "") + RtfText(placed.lines[i]);
            return Frame(r.left, r.top, r.width, r.height, false) +
                   Format("\\ql\\sl-%d\\slmult0", Twips(placed.lineMm)) +
                   FontCodes(placed.item.font, placed.item.textRgb) + " " + text + "\\par\n";
        }
        case ItemKind::Rule:
            return Format("\\pard\\plain\\fs2{\\shp{\\*\\shpinst\\shpleft%d\\shptop%d\\shpright%d\\shpbottom%d"
                          "\\shpbxpage\\shpbxignore\\shpbypage\\shpbyignore\\shpwr3\\shpz0"
                          "{\\sp{\\sn shapeType}{\\sv 20}}{\\sp{\\sn lineWidth}{\\sv %d}}}}\\par\n",
                          Twips(r.left), Twips(r.top), Twips(r.Right()), Twips(r.Bottom()), Emu(placed.item.penMm));
        case ItemKind::Picture:
        case ItemKind::Chart:
            return Frame(r.left, r.top, r.width, r.height, true) + "\\ql\\sl0\\fs2 " + Picture(placed) + "\\par\n";
        }
        return {};
    }

    std::string Picture(const PlacedItem& placed) const
    {
        const RectMm& r = placed.rect;
        const int width = std::max(1, static_cast<int>(std::lround(r.width / kMmPerInch * dpi_)));
        const int height = std::max(1, static_cast<int>(std::lround(r.height / kMmPerInch * dpi_)));
        // Transparent where the picture does not paint: a formula whose box
        // overlaps a heading must not hide it.
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return {};
        const int dotsPerMeter = static_cast<int>(std::lround(dpi_ / kMmPerInch * 1000.0));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::transparent);
        if (placed.item.paint) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, true);
            placed.item.paint(painter, QRectF(0, 0, width, height));
        }
        const QByteArray png = EncodePng(image);
        if (png.isEmpty())
            return {};
        std::string out = Format("{\\pict\\pngblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n", width, height,
                                 Twips(r.width), Twips(r.height));
        // Two hexadecimal digits a byte, 64 bytes a line.
        static constexpr char kHex[] = "0123456789abcdef";
        const auto bytes = static_cast<std::size_t>(png.size());
        const std::size_t start = out.size();
        out.resize(start + bytes * 2 + bytes / 64);
        char* hex = out.data() + start;
        for (std::size_t i = 0; i < bytes; ++i) {
            const auto byte = static_cast<unsigned char>(png[static_cast<qsizetype>(i)]);
            *hex++ = kHex[byte >> 4];
            *hex++ = kHex[byte & 0x0F];
            if (i % 64 == 63)
                *hex++ = '\n';
        }
        return out + "}";
    }

    const PreparedReport& report_;
    double dpi_;
    std::map<std::string, int> fonts_;
    std::vector<unsigned> colours_ {0x000000};
};

}  // namespace

int Twips(double mm) { return static_cast<int>(std::lround(mm / kMmPerInch * 1440.0)); }

std::string RtfDocument(const PreparedReport& report, const DocumentProperties& properties, double pictureDpi)
{
    return Writer(report, pictureDpi).Document(properties);
}

}  // namespace orvane
