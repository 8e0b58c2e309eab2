#pragma once
// A banded report as plain data, measured in millimetres.
//
// A report is a page (size and margins) and a list of bands. The page header
// and page footer bands are printed on every page, the first and the last
// included; the title band is printed once, at the start; child bands follow
// in list order, each directly after the one before it, unless it starts a
// new page. Bands hold items placed relative to the band's top-left corner.
//
// Nothing here paints or measures: Paginate (Pagination.h) turns a report
// into placed pages, and the painter and the RTF writer work on those. The
// only toolkit type named is QPainter, as the argument of the callbacks that
// draw pictures and charts.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QPainter;
class QRectF;

namespace orvane {

struct ReportFont {
    std::string face = "Arial";
    double sizePt = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

// Font with its style given by letters: "b" bold, "i" italic, "u" underline.
ReportFont Font(std::string_view face, double sizePt, std::string_view style = {});

struct RectMm {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

enum class ItemKind {
    Label,    // one line of text that sizes itself to the text
    Rule,     // a straight line from (left, top) to (right, bottom)
    Picture,  // drawn by its callback into its rectangle
    Chart,    // the same, for a chart
    TextBox,  // word-wrapped lines; grows downwards when they need more room
};

// Draws a picture or chart into deviceRect, in the device units of painter.
// The callback may be called many times (preview pages, printing, export).
using PaintCallback = std::function<void(QPainter& painter, const QRectF& deviceRect)>;

struct ReportItem {
    ItemKind kind = ItemKind::Label;
    std::string name;  // unique within the report; found by ItemNamed
    RectMm rect;       // relative to the band; a label's size comes from its text
    std::string text;  // UTF-8; a text box breaks lines at '\n' and wraps words
    ReportFont font;
    bool alignRight = false;      // label: rect.left is where the text ends, not where it starts
    double penMm = 0.25;          // rule width
    unsigned textRgb = 0x000000;  // labels and text boxes: colour as 0xRRGGBB
    PaintCallback paint;
};

enum class BandKind { PageHeader, Title, Child, PageFooter };

struct Band {
    BandKind kind = BandKind::Child;
    std::string name;
    double heightMm = 0;
    bool startsNewPage = false;
    std::vector<ReportItem> items;

    ReportItem& Label(std::string name, std::string text, const ReportFont& font, double leftMm, double topMm);
    // A label whose text ends at rightMm.
    ReportItem& RightLabel(std::string name, std::string text, const ReportFont& font, double rightMm, double topMm);
    ReportItem& Rule(std::string name, double leftMm, double topMm, double rightMm, double bottomMm);
    ReportItem& Picture(std::string name, const RectMm& rect, PaintCallback paint);
    ReportItem& Chart(std::string name, const RectMm& rect, PaintCallback paint);
    ReportItem& TextBox(std::string name, const RectMm& rect, std::string text, const ReportFont& font);
};

struct Report {
    double pageWidthMm = 210;  // A4 portrait
    double pageHeightMm = 297;
    double marginLeftMm = 10;
    double marginTopMm = 10;
    double marginRightMm = 10;
    double marginBottomMm = 10;
    std::vector<Band> bands;

    double PrintableWidthMm() const { return pageWidthMm - marginLeftMm - marginRightMm; }

    Band& AddBand(BandKind kind, std::string name, double heightMm);
    // The band or item of that name; throws std::out_of_range when there is none.
    Band& BandNamed(std::string_view name);
    const Band& BandNamed(std::string_view name) const;
    ReportItem& ItemNamed(std::string_view name);
    const ReportItem& ItemNamed(std::string_view name) const;
};

}  // namespace orvane
