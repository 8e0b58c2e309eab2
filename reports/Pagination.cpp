#include "reports/Pagination.h"

#include <algorithm>
#include <cstddef>

namespace orvane {

namespace {

// Tolerance for comparing designed positions: layouts are given to 0.1 mm.
constexpr double kEpsMm = 1e-6;

std::size_t Utf8Length(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Breaks a word wider than the box between characters, filling each line.
void BreakLongWord(std::string_view word, double widthMm, const ReportFont& font, const TextMeasurer& measurer,
                   std::vector<std::string>& lines, std::string& line)
{
    std::size_t i = 0;
    while (i < word.size()) {
        const std::size_t n = std::min(Utf8Length(static_cast<unsigned char>(word[i])), word.size() - i);
        const std::string candidate = line + std::string(word.substr(i, n));
        if (!line.empty() && measurer.WidthMm(candidate, font) > widthMm) {
            lines.push_back(line);
            line.clear();
            continue;
        }
        line = candidate;
        i += n;
    }
}

void WrapParagraph(std::string_view text, double widthMm, const ReportFont& font, const TextMeasurer& measurer,
                   std::vector<std::string>& lines)
{
    std::string line;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t wordStart = text.find_first_not_of(' ', i);
        const std::string_view blanks = text.substr(i, std::min(wordStart, text.size()) - i);
        if (wordStart == std::string_view::npos) {
            line += blanks;  // trailing blanks stay with their line
            break;
        }
        const std::size_t wordEnd = std::min(text.find(' ', wordStart), text.size());
        const std::string_view word = text.substr(wordStart, wordEnd - wordStart);
        const std::string candidate = line + std::string(blanks) + std::string(word);
        if (measurer.WidthMm(candidate, font) <= widthMm) {
            line = candidate;
        } else {
            if (!line.empty())
                lines.push_back(line);
            line.clear();
            if (measurer.WidthMm(word, font) <= widthMm)
                line = std::string(word);
            else
                BreakLongWord(word, widthMm, font, measurer, lines, line);
        }
        i = wordEnd;
    }
    lines.push_back(line);
}

struct LaidOutBand {
    std::vector<PlacedItem> items;  // rectangles relative to the band
    double heightMm = 0;
};

LaidOutBand LayOut(const Band& band, const TextMeasurer& measurer)
{
    LaidOutBand out;
    out.items.reserve(band.items.size());
    for (const ReportItem& item : band.items) {
        PlacedItem placed {item, item.rect, {}, 0.0};
        if (item.kind == ItemKind::Label) {
            placed.lines = {item.text};
            placed.lineMm = measurer.LineHeightMm(item.font);
            placed.rect.width = measurer.WidthMm(item.text, item.font);
            placed.rect.height = placed.lineMm;
            if (item.alignRight)
                placed.rect.left = item.rect.left - placed.rect.width;
        } else if (item.kind == ItemKind::TextBox) {
            placed.lines = WrapText(item.text, item.rect.width, item.font, measurer);
            placed.lineMm = measurer.LineHeightMm(item.font);
            placed.rect.height = std::max(item.rect.height, static_cast<double>(placed.lines.size()) * placed.lineMm);
        }
        out.items.push_back(std::move(placed));
    }

    // A grown text box pushes down what is designed below it; the shift of
    // an item is the largest push of any box above it (boxes side by side do
    // not add up). Items are visited from the top so pushes chain downwards.
    std::vector<std::size_t> order(out.items.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return band.items[a].rect.top < band.items[b].rect.top; });
    std::vector<double> shift(out.items.size(), 0.0);
    double bandShift = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t i = order[k];
        for (std::size_t m = 0; m < k; ++m) {
            const std::size_t above = order[m];
            const ReportItem& box = band.items[above];
            if (box.kind != ItemKind::TextBox || box.rect.Bottom() > band.items[i].rect.top + kEpsMm)
                continue;
            const double push = shift[above] + out.items[above].rect.height - box.rect.height;
            shift[i] = std::max(shift[i], push);
        }
        // The band's bottom edge is pushed like an item designed below every box.
        if (band.items[i].kind == ItemKind::TextBox)
            bandShift = std::max(bandShift, shift[i] + out.items[i].rect.height - band.items[i].rect.height);
    }
    out.heightMm = band.heightMm + bandShift;
    for (std::size_t i = 0; i < out.items.size(); ++i)
        out.items[i].rect.top += shift[i];
    return out;
}

void Place(PlacedPage& page, const LaidOutBand& band, double leftMm, double topMm)
{
    for (PlacedItem item : band.items) {
        item.rect.left += leftMm;
        item.rect.top += topMm;
        page.items.push_back(std::move(item));
    }
}

}  // namespace

std::vector<std::string> WrapText(std::string_view utf8, double widthMm, const ReportFont& font,
                                  const TextMeasurer& measurer)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = utf8.find('\n', start);
        std::string_view paragraph =
            utf8.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        WrapParagraph(paragraph, widthMm, font, measurer, lines);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

const PlacedItem* PlacedPage::Find(std::string_view name) const
{
    for (const PlacedItem& placed : items) {
        if (placed.item.name == name)
            return &placed;
    }
    return nullptr;
}

const PlacedItem* PreparedReport::Find(std::string_view name) const
{
    for (const PlacedPage& page : pages) {
        if (const PlacedItem* placed = page.Find(name))
            return placed;
    }
    return nullptr;
}

int PreparedReport::PageOf(std::string_view name) const
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].Find(name))
            return static_cast<int>(i);
    }
    return -1;
}

PreparedReport Paginate(const Report& report, const TextMeasurer& measurer)
{
    PreparedReport prepared;
    prepared.pageWidthMm = report.pageWidthMm;
    prepared.pageHeightMm = report.pageHeightMm;

    const Band* header = nullptr;
    const Band* footer = nullptr;
    std::vector<const Band*> body;
    for (const Band& band : report.bands) {
        if (band.kind == BandKind::PageHeader && !header)
            header = &band;
        else if (band.kind == BandKind::PageFooter && !footer)
            footer = &band;
        else if (band.kind == BandKind::Title)
            body.insert(body.begin(), &band);  // printed once, before everything else
        else if (band.kind == BandKind::Child)
            body.push_back(&band);
    }
    const LaidOutBand headerLayout = header ? LayOut(*header, measurer) : LaidOutBand {};
    const LaidOutBand footerLayout = footer ? LayOut(*footer, measurer) : LaidOutBand {};
    const double left = report.marginLeftMm;
    const double bodyTop = report.marginTopMm + headerLayout.heightMm;
    const double footerTop = report.pageHeightMm - report.marginBottomMm - footerLayout.heightMm;

    prepared.pages.emplace_back();
    double y = bodyTop;
    for (const Band* band : body) {
        const LaidOutBand layout = LayOut(*band, measurer);
        const bool pageHasBody = y > bodyTop + kEpsMm;
        if (pageHasBody && (band->startsNewPage || y + layout.heightMm > footerTop + kEpsMm)) {
            prepared.pages.emplace_back();
            y = bodyTop;
        }
        Place(prepared.pages.back(), layout, left, y);
        y += layout.heightMm;
    }
    for (PlacedPage& page : prepared.pages) {
        Place(page, headerLayout, left, report.marginTopMm);
        Place(page, footerLayout, left, footerTop);
    }
    return prepared;
}

}  // namespace orvane
