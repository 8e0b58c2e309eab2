// PDF and RTF documents of the results report: the RTF frames read back to
// the layout's positions, characters and properties; the PDF's subject and
// subset font names added as updates that keep the original bytes.
#include "reports/DocumentExport.h"

#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "reports/OrvaneRep01F.h"
#include "reports/PngEncoder.h"
#include "reports/RtfWriter.h"
#include "tests/reports/ReportTestSupport.h"

namespace orvane {
namespace {

constexpr double kMmPerTwip = 25.4 / 1440.0;

PreparedReport SquareReport()
{
    ProjectRecord rec = test::SquareProject();
    SetTitleBytes(rec, "Lake");
    return TOrvaneRep01(rec, test::SampleResults()).Prepare();
}

struct Frame {
    double left, top, width, height;  // mm
};

// Every positioned paragraph of the document, in order.
std::vector<Frame> Frames(const std::string& rtf)
{
    std::vector<Frame> frames;
    static const QRegularExpression re(QStringLiteral("\\\\posx(\\d+)\\\\posy(\\d+)\\\\absw(\\d+)\\\\absh-?(\\d+)"));
    auto it = re.globalMatch(QString::fromStdString(rtf));
    while (it.hasNext()) {
        const auto m = it.next();
        frames.push_back({m.captured(1).toDouble() * kMmPerTwip, m.captured(2).toDouble() * kMmPerTwip,
                          m.captured(3).toDouble() * kMmPerTwip, m.captured(4).toDouble() * kMmPerTwip});
    }
    return frames;
}

TEST(RtfDocument, EveryItemIsAFrameWhereTheLayoutPlacesIt)
{
    const PreparedReport report = SquareReport();
    const std::string rtf = RtfDocument(report, {"Lake", "RTF report", "Orvane Test"}, 20);
    const std::vector<Frame> frames = Frames(rtf);
    std::size_t next = 0;
    int rules = 0;
    for (const PlacedPage& page : report.pages) {
        // Pictures first, then the rest, each in layout order.
        std::vector<const PlacedItem*> order;
        for (const bool pictures : {true, false}) {
            for (const PlacedItem& placed : page.items) {
                if ((placed.item.kind == ItemKind::Picture || placed.item.kind == ItemKind::Chart) == pictures)
                    order.push_back(&placed);
            }
        }
        for (const PlacedItem* item : order) {
            const PlacedItem& placed = *item;
            const RectMm& r = placed.rect;
            if (placed.item.kind == ItemKind::Rule) {
                ++rules;
                continue;
            }
            ASSERT_LT(next, frames.size()) << placed.item.name;
            const Frame& f = frames[next++];
            EXPECT_NEAR(f.top, r.top, 0.1) << placed.item.name;
            if (placed.item.kind == ItemKind::Label) {
                // Labels get slack on the side away from their anchor.
                if (placed.item.alignRight)
                    EXPECT_NEAR(f.left + f.width, r.Right(), 0.1) << placed.item.name;
                else
                    EXPECT_NEAR(f.left, r.left, 0.1) << placed.item.name;
                EXPECT_NEAR(f.width, r.width + kRtfLabelSlackMm, 0.1) << placed.item.name;
            } else {
                EXPECT_NEAR(f.left, r.left, 0.1) << placed.item.name;
                EXPECT_NEAR(f.width, r.width, 0.1) << placed.item.name;
                EXPECT_NEAR(f.height, r.height, 0.1) << placed.item.name;
            }
        }
    }
    EXPECT_EQ(next, frames.size());
    EXPECT_EQ(rules, 4);  // header and footer rule on both pages
    const std::size_t shapes = QString::fromStdString(rtf).count(QStringLiteral("{\\shp{"));
    EXPECT_EQ(shapes, 4u);
    EXPECT_EQ(QString::fromStdString(rtf).count(QStringLiteral("\\page")), 1);
    EXPECT_NE(rtf.find("\\paperw11906\\paperh16838\\margl0\\margr0\\margt0\\margb0"), std::string::npos);
    EXPECT_NE(rtf.find("{\\info{\\title Lake}{\\subject RTF report}{\\author Orvane Test}}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\*\\generator Orvane Test;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\pngblip"), std::string::npos);
    EXPECT_NE(rtf.find("Courier New;}"), std::string::npos);
    // 7-bit output only.
    for (char c : rtf)
        ASSERT_GE(static_cast<signed char>(c), 0);
}

TEST(RtfDocument, ColouredTextTakesItsColourFromTheTable)
{
    ProjectRecord rec = test::SquareProject();
    rec.PointX = -10;  // outside the water: the red warning under the picture
    const std::string rtf =
        RtfDocument(TOrvaneRep01(rec, test::SampleResults()).Prepare(), {"Lake", "RTF report", "Orvane Test"}, 20);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf2 point is not in the water region\\par"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf1 Mean wind direction\\par"), std::string::npos);
}

TEST(PngEncoder, ReadsBackPixelForPixel)
{
    for (const bool transparent : {false, true}) {
        QImage image(37, 23, QImage::Format_ARGB32);
        image.fill(transparent ? QColor(0, 0, 0, 0) : QColor(Qt::white));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); x += 2)
                image.setPixel(x, y, qRgba(x * 7, y * 11, (x * y) % 256, transparent ? (x * 5) % 256 : 255));
        }
        image.setDotsPerMeterX(11811);  // 300 dpi
        image.setDotsPerMeterY(11811);
        const QImage back = QImage::fromData(EncodePng(image), "PNG");
        ASSERT_FALSE(back.isNull());
        EXPECT_EQ(back.hasAlphaChannel(), transparent);
        EXPECT_EQ(back.dotsPerMeterX(), 11811);
        const QImage expected = image.convertToFormat(QImage::Format_ARGB32);
        const QImage actual = back.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(actual.pixel(x, y), expected.pixel(x, y)) << x << "," << y << " transparent " << transparent;
        }
    }
    EXPECT_TRUE(EncodePng(QImage()).isEmpty());
}

TEST(PdfDocument, SubjectAndSubsetNamesAreAddedAsUpdatesAfterTheOriginal)
{
    const PreparedReport report = SquareReport();
    const QByteArray plain = PdfDocument(report, {"Lake \u00E9", "", "Orvane Test"});
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_EQ(plain.count("/Subject"), 0);
    // Each embedded subset (tagged in its descriptor) is renamed in its CID
    // font and in the composite font above it, after the original's end.
    const qsizetype originalEnd = plain.indexOf("%%EOF");
    const QString original = QString::fromLatin1(plain.left(originalEnd));
    const QString fontUpdate = QString::fromLatin1(plain.mid(originalEnd));
    auto subsets = QRegularExpression(QStringLiteral("/FontName /([A-Z]{6}\\+[A-Za-z-]+)")).globalMatch(original);
    int tagged = 0;
    for (; subsets.hasNext(); ++tagged)
        EXPECT_EQ(fontUpdate.count(QStringLiteral("/BaseFont /") + subsets.next().captured(1)), 2);
    EXPECT_GE(tagged, 3);  // Arial, Arial bold, Courier New
    EXPECT_EQ(original.count(QStringLiteral("/BaseFont /")), 2 * tagged);

    const QByteArray updated = UpdatePdf(plain, "PDF report");
    ASSERT_TRUE(updated.startsWith(plain));
    const QByteArray update = updated.mid(plain.size());
    // "PDF report" as UTF-16BE with its byte-order mark.
    EXPECT_TRUE(update.contains("/Subject <FEFF0050004400460020007200650070006F00720074>"));
    EXPECT_TRUE(update.contains("/Prev "));
    EXPECT_TRUE(update.contains("/Title"));
    EXPECT_TRUE(update.endsWith("%%EOF\n"));
    // The new cross-reference entry points at the new object.
    const QRegularExpression entry(QStringLiteral("xref\\n(\\d+) 1\\n(\\d{10}) (\\d{5}) n\\r\\n"));
    const auto m = entry.match(QString::fromLatin1(update));
    ASSERT_TRUE(m.hasMatch());
    const qsizetype offset = m.captured(2).toLongLong();
    EXPECT_TRUE(updated.mid(offset).startsWith((m.captured(1) + QStringLiteral(" 0 obj")).toLatin1()));

    EXPECT_TRUE(UpdatePdf("%PDF-1.4\nno trailer here\n", "x").isEmpty());
}

TEST(ExportKinds, ByExtensionInAnyCase)
{
    EXPECT_EQ(ExportKindOfFileName("a/Bay.pdf"), ExportKind::Pdf);
    EXPECT_EQ(ExportKindOfFileName("Bay.PDF"), ExportKind::Pdf);
    EXPECT_EQ(ExportKindOfFileName("Bay.Rtf"), ExportKind::Rtf);
    EXPECT_EQ(ExportKindOfFileName("Bay.doc"), std::nullopt);
    EXPECT_EQ(ExportKindOfFileName("pdf"), std::nullopt);
    EXPECT_EQ(ExportKindOfFileName("folder.pdf/report"), std::nullopt);
    EXPECT_EQ(DocumentCreator().size(), 14u);  // "Orvane " and a 7-character tag
}

}  // namespace
}  // namespace orvane
