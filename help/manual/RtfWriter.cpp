#include "RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QVariant>

#include "tools/RtfText.h"

namespace orvane {

namespace {

// Fonts: 0 body and headings, 1 fixed pitch. Readers without them substitute
// their metric equivalents.
constexpr const char* kFontTable = "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}";
constexpr int kTextWidthTwips = 9638;  // A4 less 2 x 20 mm margins

int HalfPoints(double points) { return static_cast<int>(points * 2 + 0.5); }

QByteArray Number(qint64 n) { return QByteArray::number(n); }

QByteArray Picture(const QImage& image, double widthPx)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    // The picture's shown size in twips: pixels at 96 per inch, never wider
    // than the text.
    const double scale = widthPx > 0 ? widthPx / image.width() : 1.0;
    qint64 w = static_cast<qint64>(image.width() * scale * 15);
    qint64 h = static_cast<qint64>(image.height() * scale * 15);
    if (w > kTextWidthTwips) {
        h = h * kTextWidthTwips / w;
        w = kTextWidthTwips;
    }
    QByteArray out = "{\\pict\\pngblip\\picw" + Number(image.width()) + "\\pich" + Number(image.height()) +
                     "\\picwgoal" + Number(w) + "\\pichgoal" + Number(h) + "\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + "\n";
    return out + "}";
}

QByteArray Fragment(const QTextDocument& document, const QTextFragment& fragment)
{
    const QTextCharFormat format = fragment.charFormat();
    if (format.isImageFormat()) {
        const QTextImageFormat image = format.toImageFormat();
        const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(image.name()));
        const QImage picture = resource.value<QImage>();
        return picture.isNull() ? QByteArray() : Picture(picture, image.width());
    }
    QByteArray out = "{";
    if (format.fontWeight() >= QFont::DemiBold)
        out += "\\b";
    if (format.fontItalic())
        out += "\\i";
    if (format.fontUnderline())
        out += "\\ul";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out += "\\super";
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out += "\\sub";
    if (format.fontFixedPitch() || format.fontFamilies().toStringList().join(' ').contains("Courier") ||
        format.fontFamilies().toStringList().join(' ').contains("monospace", Qt::CaseInsensitive))
        out += "\\f1";
    if (format.hasProperty(QTextFormat::FontPointSize))
        out += "\\fs" + Number(HalfPoints(format.fontPointSize()));
    return out + " " + RtfWriter::Escape(fragment.text()) + "}";
}

QByteArray Block(const QTextDocument& document, const QTextBlock& block, bool inTable)
{
    const QTextBlockFormat format = block.blockFormat();
    QByteArray out = "\\pard";
    if (inTable)
        out += "\\intbl";
    const int level = format.headingLevel();
    if (level == 1)
        out += "\\sb240\\sa120\\keepn\\fs36\\b";
    else if (level == 2)
        out += "\\sb200\\sa80\\keepn\\fs28\\b";
    else if (level >= 3)
        out += "\\sb160\\sa60\\keepn\\fs24\\b";
    else
        out += inTable ? "\\sa0\\fs20" : "\\sa100\\fs21";
    if (format.alignment() & Qt::AlignHCenter)
        out += "\\qc";
    else if (format.alignment() & Qt::AlignRight)
        out += "\\qr";
    if (format.nonBreakableLines())
        out += "\\f1\\fs18";
    if (const QTextList* list = block.textList()) {
        const int indent = 360 * list->format().indent();
        out += "\\li" + Number(indent) + "\\fi-240 ";
        if (list->format().style() == QTextListFormat::ListDecimal)
            out += Number(list->itemNumber(block) + 1) + ".\\tab ";
        else
            out += "\\'95\\tab ";
    } else {
        out += " ";
    }
    for (auto it = block.begin(); !it.atEnd(); ++it)
        out += Fragment(document, it.fragment());
    return out + (inTable ? "" : "\\par\n");
}

QByteArray Frame(const QTextDocument& document, QTextFrame* frame);

QByteArray Table(const QTextDocument& document, QTextTable* table)
{
    QByteArray out;
    const int columns = table->columns();
    for (int r = 0; r < table->rows(); ++r) {
        out += "\\trowd\\trgaph80\\trleft0";
        for (int c = 0; c < columns; ++c)
            out += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs"
                   "\\brdrw10\\cellx" +
                   Number(kTextWidthTwips * (c + 1) / columns);
        out += "\n";
        for (int c = 0; c < columns; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            bool first = true;
            for (auto it = cell.begin(); !it.atEnd(); ++it) {
                if (it.currentBlock().isValid()) {
                    if (!first)
                        out += "\\line ";
                    QByteArray b = Block(document, it.currentBlock(), true);
                    out += first ? b : b.mid(b.indexOf(' ') + 1);  // one paragraph per cell
                    first = false;
                }
            }
            if (first)
                out += "\\pard\\intbl ";
            out += "\\cell\n";
        }
        out += "\\row\n";
    }
    return out + "\\pard\n";
}

QByteArray Frame(const QTextDocument& document, QTextFrame* frame)
{
    QByteArray out;
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* child = it.currentFrame()) {
            if (auto* table = qobject_cast<QTextTable*>(child))
                out += Table(document, table);
            else
                out += Frame(document, child);
        } else if (it.currentBlock().isValid()) {
            out += Block(document, it.currentBlock(), false);
        }
    }
    return out;
}

}  // namespace

RtfWriter::RtfWriter(const QString& title, const QString& author) : title_(title), author_(author) { }

QByteArray RtfWriter::Escape(const QString& text) { return QByteArray::fromStdString(RtfText(text.toStdString())); }

void RtfWriter::PageBreak()
{
    if (!firstPage_)
        body_ += "\\page\n";
    firstPage_ = false;
}

void RtfWriter::AddTitlePage(const QString& heading, const QString& subheading, const QString& version)
{
    PageBreak();
    body_ += "\\pard\\qc\\sb3600\\fs64\\b " + Escape(heading) + "\\par\n";
    body_ += "\\pard\\qc\\sb240\\fs32 " + Escape(subheading) + "\\par\n";
    body_ += "\\pard\\qc\\sb1200\\fs22 " + Escape(version) + "\\par\n";
}

void RtfWriter::AddContentsList(const QStringList& chapters)
{
    PageBreak();
    body_ += "\\pard\\sa200\\fs36\\b Contents\\par\n";
    int n = 0;
    for (const QString& chapter : chapters)
        body_ += "\\pard\\sa60\\fs22 " + Number(++n) + ".\\tab " + Escape(chapter) + "\\par\n";
}

void RtfWriter::AddChapter(const QTextDocument& document)
{
    PageBreak();
    body_ += Frame(document, document.rootFrame());
}

QByteArray RtfWriter::Finish()
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    out += kFontTable;
    out += "\n{\\info{\\title " + Escape(title_) + "}{\\author " + Escape(author_) + "}}\n";
    // A4, margins 20 mm.
    out += "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\f0\\fs21\n";
    return out + body_ + "}\n";
}

}  // namespace orvane
