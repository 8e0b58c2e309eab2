#include "reports/ReportModel.h"

#include <stdexcept>
#include <utility>

namespace orvane {

ReportFont Font(std::string_view face, double sizePt, std::string_view style)
{
    ReportFont font;
    font.face = std::string(face);
    font.sizePt = sizePt;
    font.bold = style.find('b') != std::string_view::npos;
    font.italic = style.find('i') != std::string_view::npos;
    font.underline = style.find('u') != std::string_view::npos;
    return font;
}

namespace {

ReportItem& Add(Band& band, ItemKind kind, std::string name, const RectMm& rect)
{
    ReportItem item;
    item.kind = kind;
    item.name = std::move(name);
    item.rect = rect;
    band.items.push_back(std::move(item));
    return band.items.back();
}

}  // namespace

ReportItem& Band::Label(std::string itemName, std::string text, const ReportFont& font, double leftMm, double topMm)
{
    ReportItem& item = Add(*this, ItemKind::Label, std::move(itemName), {leftMm, topMm, 0, 0});
    item.text = std::move(text);
    item.font = font;
    return item;
}

ReportItem& Band::RightLabel(std::string itemName, std::string text, const ReportFont& font, double rightMm,
                             double topMm)
{
    ReportItem& item = Label(std::move(itemName), std::move(text), font, rightMm, topMm);
    item.alignRight = true;
    return item;
}

ReportItem& Band::Rule(std::string itemName, double leftMm, double topMm, double rightMm, double bottomMm)
{
    return Add(*this, ItemKind::Rule, std::move(itemName), {leftMm, topMm, rightMm - leftMm, bottomMm - topMm});
}

ReportItem& Band::Picture(std::string itemName, const RectMm& rect, PaintCallback paint)
{
    ReportItem& item = Add(*this, ItemKind::Picture, std::move(itemName), rect);
    item.paint = std::move(paint);
    return item;
}

ReportItem& Band::Chart(std::string itemName, const RectMm& rect, PaintCallback paint)
{
    ReportItem& item = Add(*this, ItemKind::Chart, std::move(itemName), rect);
    item.paint = std::move(paint);
    return item;
}

ReportItem& Band::TextBox(std::string itemName, const RectMm& rect, std::string text, const ReportFont& font)
{
    ReportItem& item = Add(*this, ItemKind::TextBox, std::move(itemName), rect);
    item.text = std::move(text);
    item.font = font;
    return item;
}

Band& Report::AddBand(BandKind kind, std::string name, double heightMm)
{
    Band band;
    band.kind = kind;
    band.name = std::move(name);
    band.heightMm = heightMm;
    bands.push_back(std::move(band));
    return bands.back();
}

Band& Report::BandNamed(std::string_view name)
{
    return const_cast<Band&>(static_cast<const Report&>(*this).BandNamed(name));
}

const Band& Report::BandNamed(std::string_view name) const
{
    for (const Band& band : bands) {
        if (band.name == name)
            return band;
    }
    throw std::out_of_range("no band " + std::string(name));
}

ReportItem& Report::ItemNamed(std::string_view name)
{
    return const_cast<ReportItem&>(static_cast<const Report&>(*this).ItemNamed(name));
}

const ReportItem& Report::ItemNamed(std::string_view name) const
{
    for (const Band& band : bands) {
        for (const ReportItem& item : band.items) {
            if (item.name == name)
                return item;
        }
    }
    throw std::out_of_range("no report item " + std::string(name));
}

}  // namespace orvane
