// Pagination as a pure function, with a measurer whose sizes are known:
// every character 2 mm wide and lines 5 mm apart at 10 pt.
#include "reports/Pagination.h"

#include <string>

#include <gtest/gtest.h>

namespace orvane {
namespace {

class FixedMeasurer final : public TextMeasurer {
public:
    double WidthMm(std::string_view utf8, const ReportFont& font) const override
    {
        return 2.0 * static_cast<double>(utf8.size()) * font.sizePt / 10.0;
    }
    double LineHeightMm(const ReportFont& font) const override { return 0.5 * font.sizePt; }
};

const FixedMeasurer kMeasurer;

// Page 100 mm high with 10 mm margins, header 10 and footer 10: the body
// runs from 20 to 80 mm.
Report SmallReport()
{
    Report rep;
    rep.pageWidthMm = 100;
    rep.pageHeightMm = 100;
    Band& head = rep.AddBand(BandKind::PageHeader, "Head", 10);
    head.Label("HeadLabel", "title", ReportFont {}, 1, 1);
    Band& foot = rep.AddBand(BandKind::PageFooter, "Foot", 10);
    foot.Rule("FootRule", 0, 0, 80, 0);
    return rep;
}

Band& Body(Report& rep, const std::string& name, double height, bool newPage = false)
{
    Band& band = rep.AddBand(BandKind::Child, name, height);
    band.startsNewPage = newPage;
    band.Label(name + "Label", name, ReportFont {}, 0, 0);
    return band;
}

double TopOf(const PreparedReport& prepared, const std::string& name) { return prepared.Find(name)->rect.top; }

TEST(Pagination, HeaderAndFooterOnEveryPageBandsStackAndMoveWhenFull)
{
    Report rep = SmallReport();
    Body(rep, "A", 30);
    Body(rep, "B", 30);  // ends exactly at the footer: still fits
    Body(rep, "C", 1);   // does not fit: next page
    Body(rep, "D", 25, true);
    const PreparedReport prepared = Paginate(rep, kMeasurer);
    ASSERT_EQ(prepared.pages.size(), 3u);
    for (const PlacedPage& page : prepared.pages) {
        ASSERT_NE(page.Find("HeadLabel"), nullptr);
        EXPECT_DOUBLE_EQ(page.Find("HeadLabel")->rect.top, 11);
        ASSERT_NE(page.Find("FootRule"), nullptr);
        EXPECT_DOUBLE_EQ(page.Find("FootRule")->rect.top, 80);
        EXPECT_DOUBLE_EQ(page.Find("FootRule")->rect.left, 10);
    }
    EXPECT_EQ(prepared.PageOf("ALabel"), 0);
    EXPECT_EQ(prepared.PageOf("BLabel"), 0);
    EXPECT_DOUBLE_EQ(TopOf(prepared, "BLabel"), 50);
    EXPECT_EQ(prepared.PageOf("CLabel"), 1);
    EXPECT_DOUBLE_EQ(TopOf(prepared, "CLabel"), 20);
    EXPECT_EQ(prepared.PageOf("DLabel"), 2);  // would fit below C, but starts a new page
}

TEST(Pagination, TitlePrintsFirstAndANewPageBandOnAnEmptyPageStaysThere)
{
    Report rep = SmallReport();
    Body(rep, "A", 10, true);
    Band& title = rep.AddBand(BandKind::Title, "Title", 5);
    title.Label("TitleLabel", "x", ReportFont {}, 0, 0);
    const PreparedReport prepared = Paginate(rep, kMeasurer);
    ASSERT_EQ(prepared.pages.size(), 2u);
    EXPECT_DOUBLE_EQ(TopOf(prepared, "TitleLabel"), 20);

    Report alone = SmallReport();
    Body(alone, "A", 10, true);
    EXPECT_EQ(Paginate(alone, kMeasurer).pages.size(), 1u);
}

TEST(Pagination, TallerThanAPageBandGetsAPageOfItsOwn)
{
    Report rep = SmallReport();
    Body(rep, "A", 10);
    Body(rep, "Huge", 90);
    Body(rep, "B", 10);
    const PreparedReport prepared = Paginate(rep, kMeasurer);
    ASSERT_EQ(prepared.pages.size(), 3u);
    EXPECT_EQ(prepared.PageOf("HugeLabel"), 1);
    EXPECT_DOUBLE_EQ(TopOf(prepared, "HugeLabel"), 20);
}

TEST(Pagination, LabelsSizeToTheirTextAndRightLabelsEndAtTheirX)
{
    Report rep = SmallReport();
    Band& band = rep.AddBand(BandKind::Child, "A", 10);
    band.Label("Left", "abcd", ReportFont {}, 5, 2);
    band.RightLabel("Right", "abc", Font("Arial", 20), 70, 3);
    const PreparedReport prepared = Paginate(rep, kMeasurer);
    const RectMm left = prepared.Find("Left")->rect;
    EXPECT_DOUBLE_EQ(left.left, 15);
    EXPECT_DOUBLE_EQ(left.top, 22);
    EXPECT_DOUBLE_EQ(left.width, 8);
    EXPECT_DOUBLE_EQ(left.height, 5);
    const RectMm right = prepared.Find("Right")->rect;
    EXPECT_DOUBLE_EQ(right.Right(), 80);
    EXPECT_DOUBLE_EQ(right.width, 12);
    EXPECT_DOUBLE_EQ(right.height, 10);
}

TEST(Pagination, GrowingTextBoxPushesWhatIsBelowItAndItsBand)
{
    Report rep = SmallReport();
    Band& band = rep.AddBand(BandKind::Child, "A", 30);
    // 10 mm wide holds 5 characters a line; 5 lines need 25 mm of 10 designed.
    band.TextBox("Box", {0, 2, 10, 10}, "aaaa bbbb cccc dddd eeee", ReportFont {});
    band.TextBox("Beside", {40, 2, 10, 10}, "aaaa bbbb cccc", ReportFont {});  // grows by 5 only
    band.Label("Under", "u", ReportFont {}, 0, 12);
    band.Label("Above", "a", ReportFont {}, 20, 0);
    Body(rep, "Next", 5);
    const PreparedReport prepared = Paginate(rep, kMeasurer);
    const PlacedItem* box = prepared.Find("Box");
    EXPECT_EQ(box->lines.size(), 5u);
    EXPECT_DOUBLE_EQ(box->rect.height, 25);
    EXPECT_DOUBLE_EQ(TopOf(prepared, "Under"), 20 + 12 + 15);  // the larger push, not the sum
    EXPECT_DOUBLE_EQ(TopOf(prepared, "Above"), 20);
    EXPECT_DOUBLE_EQ(TopOf(prepared, "NextLabel"), 20 + 30 + 15);
    EXPECT_EQ(prepared.PageOf("NextLabel"), 0);
}

TEST(Pagination, WrapTextCases)
{
    const struct {
        const char* name;
        const char* text;
        double widthMm;
        std::vector<std::string> lines;
    } cases[] = {
        {"fits", "ab cd", 10, {"ab cd"}},
        {"breaks at blanks", "ab cd ef", 10, {"ab cd", "ef"}},
        {"keeps double blanks inside a line", "a  b", 10, {"a  b"}},
        {"long word broken by characters", "abcdefgh", 6, {"abc", "def", "gh"}},
        {"line feeds and empty lines", "ab\n\ncd\n", 10, {"ab", "", "cd", ""}},
        {"empty text is one empty line", "", 10, {""}},
        {"multi-byte characters stay whole", "\xC3\xA9\xC3\xA9\xC3\xA9", 4, {"\xC3\xA9", "\xC3\xA9", "\xC3\xA9"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrapText(c.text, c.widthMm, ReportFont {}, kMeasurer), c.lines) << c.name;
}

}  // namespace
}  // namespace orvane
