#pragma once
// From a report to placed pages: every item of every page with its final
// rectangle on the page, in millimetres from the paper's top-left corner.
// The painter, the preview and the RTF writer all work on the placed pages,
// so a report looks the same on every device.
//
// Rules:
// - The page header sits at the top margin and the page footer ends at the
//   bottom margin, on every page. Body bands stack downwards between them.
// - A body band that does not fit below the bands already on the page moves
//   to the next page; so does a band that starts a new page. A band taller
//   than a whole page body is placed at the top of a page of its own and
//   runs into the footer: bands are never split.
// - A label is one line as wide and as high as its text; a right-aligned
//   label ends at its x.
// - A text box keeps its designed width and wraps its words; when its lines
//   need more room than designed, it grows downwards, every item designed
//   below it moves down by as much, and the band grows with it.

#include <string>
#include <string_view>
#include <vector>

#include "reports/ReportModel.h"

namespace orvane {

// Text sizes, in millimetres on paper.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double WidthMm(std::string_view utf8, const ReportFont& font) const = 0;
    // Distance from one line's top to the next line's top.
    virtual double LineHeightMm(const ReportFont& font) const = 0;
};

// Lines of text in a box widthMm wide: '\n' starts a new line, words break at
// blanks (the blanks at a break are dropped, blanks between words kept), a
// word longer than the whole width breaks between characters.
std::vector<std::string> WrapText(std::string_view utf8, double widthMm, const ReportFont& font,
                                  const TextMeasurer& measurer);

struct PlacedItem {
    ReportItem item;                 // as designed (name, kind, font, callback)
    RectMm rect;                     // on the page
    std::vector<std::string> lines;  // labels and text boxes: the lines to print
    double lineMm = 0;               // labels and text boxes: line pitch on paper
};

struct PlacedPage {
    std::vector<PlacedItem> items;
    // The item of that name on this page; nullptr when the page has none.
    const PlacedItem* Find(std::string_view name) const;
};

struct PreparedReport {
    double pageWidthMm = 210;
    double pageHeightMm = 297;
    std::vector<PlacedPage> pages;
    // The first placement of an item of that name on any page; nullptr when none.
    const PlacedItem* Find(std::string_view name) const;
    // Page index of that first placement, -1 when none.
    int PageOf(std::string_view name) const;
};

PreparedReport Paginate(const Report& report, const TextMeasurer& measurer);

}  // namespace orvane
