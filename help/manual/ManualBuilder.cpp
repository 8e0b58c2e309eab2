// Lays out the help topics as the user manual: a title page, a table of
// contents with page numbers, then every topic of the help file's table of
// contents in its order and the questions of the FAQ file, each starting on a
// new A4 page with a running head and a page number. Writes the PDF with
// QPdfWriter and the same chapters as an RTF document (the manual "in DOC
// format").
//
//   orvane-manual HELP_SOURCE_FOLDER OUT.pdf OUT.doc VERSION

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <memory>
#include <vector>

#include "RtfWriter.h"

namespace {

constexpr int kDpi = 300;
constexpr double kMarginMm = 20.0;
constexpr double kHeadMm = 8.0;          // running head above the text
constexpr double kFootMm = 10.0;         // page number below the text
constexpr int kMaxPictureWidthPx = 640;  // at 96 px per inch: the 170 mm text width

struct Chapter {
    QString title;
    QString file;
    std::unique_ptr<QTextDocument> document;
    int firstPage = 0;  // 1-based page number in the PDF
    struct Section {
        QString title;
        int page;
    };
    std::vector<Section> sections;
};

QString ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "orvane-manual: cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return QString::fromUtf8(file.readAll());
}

// The topics of a table of contents in order: (title, file) of every entry
// that names a file not named before.
std::vector<std::pair<QString, QString>> ContentsEntries(const QString& hhc)
{
    std::vector<std::pair<QString, QString>> entries;
    static const QRegularExpression object(
        QStringLiteral(
            "<param\\s+name=\"Name\"\\s+value=\"([^\"]*)\">\\s*<param\\s+name=\"Local\"\\s+value=\"([^\"#]*)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList seen;
    for (auto it = object.globalMatch(hhc); it.hasNext();) {
        const auto match = it.next();
        const QString file = match.captured(2);
        if (seen.contains(file))
            continue;
        seen << file;
        QString title = match.captured(1);
        title.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        entries.emplace_back(title, file);
    }
    return entries;
}

// Pictures wider than the text are drawn at the text width.
QString FitPictures(QString html, const QString& folder)
{
    static const QRegularExpression img(QStringLiteral("<img\\s+src=\"([^\"]+)\"([^>]*)>"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype last = 0;
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        out += html.mid(last, match.capturedStart() - last);
        QString tag = match.captured(0);
        const QSize size = QImageReader(folder + QLatin1Char('/') + match.captured(1)).size();
        if (!match.captured(2).contains(QStringLiteral("width")) && size.width() > kMaxPictureWidthPx)
            tag.insert(4, QStringLiteral(" width=\"%1\"").arg(kMaxPictureWidthPx));
        out += tag;
        last = match.capturedEnd();
    }
    return out + html.mid(last);
}

// "year.month.day.build" -> "Version dd.mm.yyyy", as the program's About window writes it.
QString VersionLine(const QString& version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() < 3)
        return QStringLiteral("Version %1").arg(version);
    return QStringLiteral("Version %1.%2.%3")
        .arg(parts[2].toInt(), 2, 10, QLatin1Char('0'))
        .arg(parts[1].toInt(), 2, 10, QLatin1Char('0'))
        .arg(parts[0]);
}

class PdfPages {
public:
    explicit PdfPages(const QString& path) : writer_(path)
    {
        writer_.setResolution(kDpi);
        writer_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer_.setTitle(QStringLiteral("Orvane User's Manual"));
        writer_.setCreator(QStringLiteral("Orvane"));
        painter_.begin(&writer_);
        const double mm = kDpi / 25.4;
        text_ = QRectF(kMarginMm * mm, (kMarginMm + kHeadMm) * mm, (210 - 2 * kMarginMm) * mm,
                       (297 - 2 * kMarginMm - kHeadMm - kFootMm) * mm);
        page_ = QRectF(0, 0, 210 * mm, 297 * mm);
    }

    QPdfWriter& Writer() { return writer_; }
    QSizeF TextSize() const { return text_.size(); }

    void Prepare(QTextDocument& document) const
    {
        document.documentLayout()->setPaintDevice(const_cast<QPdfWriter*>(&writer_));
        document.setPageSize(text_.size());
        document.setDocumentMargin(0);
    }

    void NewPage()
    {
        if (pages_ > 0)
            writer_.newPage();
        ++pages_;
    }
    int Pages() const { return pages_; }

    void DrawDocumentPage(QTextDocument& document, int index)
    {
        painter_.save();
        painter_.translate(text_.topLeft());
        painter_.translate(0, -index * text_.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, index * text_.height(), text_.width(), text_.height());
        painter_.setClipRect(context.clip);
        document.documentLayout()->draw(&painter_, context);
        painter_.restore();
    }

    void DrawFrame(const QString& head)
    {
        const double mm = kDpi / 25.4;
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(8.5);
        painter_.setFont(font);
        painter_.setPen(QColor(80, 80, 80));
        const QRectF headRect(text_.left(), kMarginMm * mm, text_.width(), 5 * mm);
        painter_.drawText(headRect, Qt::AlignLeft | Qt::AlignVCenter, head);
        painter_.drawText(headRect, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Orvane User's Manual"));
        painter_.drawLine(QPointF(text_.left(), headRect.bottom() + mm),
                          QPointF(text_.right(), headRect.bottom() + mm));
        const QRectF footRect(text_.left(), text_.bottom() + 4 * mm, text_.width(), 5 * mm);
        painter_.drawText(footRect, Qt::AlignHCenter | Qt::AlignVCenter, QString::number(pages_));
    }

    QPainter& Painter() { return painter_; }
    QRectF PageRect() const { return page_; }

    bool End() { return painter_.end(); }

private:
    QPdfWriter writer_;
    QPainter painter_;
    QRectF text_;
    QRectF page_;
    int pages_ = 0;
};

QString ContentsHtml(const std::vector<Chapter>& chapters)
{
    QString html = QStringLiteral("<h1>Contents</h1><table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    int n = 0;
    for (const Chapter& chapter : chapters) {
        html += QStringLiteral("<tr><td style=\"padding-top:6px\"><b>%1. %2</b></td><td align=\"right\" "
                               "style=\"padding-top:6px\"><b>%3</b></td></tr>")
                    .arg(++n)
                    .arg(chapter.title.toHtmlEscaped())
                    .arg(chapter.firstPage);
        for (const auto& section : chapter.sections)
            html += QStringLiteral("<tr><td>&nbsp;&nbsp;&nbsp;&nbsp;%1</td><td align=\"right\">%2</td></tr>")
                        .arg(section.title.toHtmlEscaped())
                        .arg(section.page);
    }
    return html + QStringLiteral("</table>");
}

// The title page: the name, the kind of document, what the program does and
// the version.
void DrawTitlePage(PdfPages& pdf, const QString& version)
{
    pdf.NewPage();
    QPainter& p = pdf.Painter();
    const QRectF whole = pdf.PageRect();
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPointSize(40);
    big.setBold(true);
    p.setFont(big);
    p.setPen(QColor(0, 40, 110));
    p.drawText(QRectF(0, whole.height() * 0.28, whole.width(), whole.height() * 0.08), Qt::AlignCenter,
               QStringLiteral("Orvane"));
    QFont sub(QStringLiteral("Liberation Sans"));
    sub.setPointSize(20);
    p.setFont(sub);
    p.drawText(QRectF(0, whole.height() * 0.37, whole.width(), whole.height() * 0.05), Qt::AlignCenter,
               QStringLiteral("User's Manual"));
    sub.setPointSize(13);
    p.setFont(sub);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, whole.height() * 0.45, whole.width(), whole.height() * 0.08),
               Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Wind-wave hindcasting at a point in a bounded water region:\nfetch, "
                              "significant waves, directional spectra and a synthetic wave record"));
    sub.setPointSize(11);
    p.setFont(sub);
    p.drawText(QRectF(0, whole.height() * 0.80, whole.width(), whole.height() * 0.04), Qt::AlignCenter, version);
}

// The first page of every chapter and section, and the contents laid out
// with them (which tells how many pages the contents themselves take).
// height: the text area's height in the documents' units.
void NumberPages(std::vector<Chapter>& chapters, QTextDocument& contents, double height)
{
    std::vector<std::vector<int>> sectionOffsets;
    for (Chapter& chapter : chapters) {
        std::vector<int> offsets;
        for (QTextBlock b = chapter.document->begin(); b.isValid(); b = b.next()) {
            if (b.blockFormat().headingLevel() != 2)
                continue;
            const QRectF box = chapter.document->documentLayout()->blockBoundingRect(b);
            chapter.sections.push_back({b.text().simplified(), 0});
            offsets.push_back(static_cast<int>(box.top() / height));
        }
        sectionOffsets.push_back(std::move(offsets));
    }
    contents.setHtml(ContentsHtml(chapters));
    int page = 1 + contents.pageCount() + 1;  // title page, contents pages, first chapter
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        chapters[c].firstPage = page;
        for (std::size_t s = 0; s < chapters[c].sections.size(); ++s)
            chapters[c].sections[s].page = page + sectionOffsets[c][s];
        page += chapters[c].document->pageCount();
    }
    contents.setHtml(ContentsHtml(chapters));
}

// The same chapters as RTF, from documents laid out without pages; false
// when the file cannot be written.
bool WriteRtfManual(const std::vector<Chapter>& chapters, const QString& folder, const QString& css,
                    const QString& version, const QString& docPath)
{
    orvane::RtfWriter rtf(QStringLiteral("Orvane User's Manual"), QStringLiteral("Orvane"));
    rtf.AddTitlePage(QStringLiteral("Orvane"), QStringLiteral("User's Manual"), version);
    QStringList titles;
    for (const Chapter& chapter : chapters)
        titles << chapter.title;
    rtf.AddContentsList(titles);
    for (const Chapter& chapter : chapters) {
        QTextDocument document;
        document.setBaseUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
        document.setDefaultStyleSheet(css);
        document.setHtml(FitPictures(ReadText(folder + QLatin1Char('/') + chapter.file), folder));
        rtf.AddChapter(document);
    }
    QSaveFile doc(docPath);
    return doc.open(QIODevice::WriteOnly) && doc.write(rtf.Finish()) >= 0 && doc.commit();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: orvane-manual HELP_SOURCE_FOLDER OUT.pdf OUT.doc VERSION\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString pdfPath = QString::fromLocal8Bit(argv[2]);
    const QString docPath = QString::fromLocal8Bit(argv[3]);
    const QString version = VersionLine(QString::fromLocal8Bit(argv[4]));
    const QString css = ReadText(folder + QStringLiteral("/help.css"));

    std::vector<Chapter> chapters;
    auto entries = ContentsEntries(ReadText(folder + QStringLiteral("/KAVRO421ENG.hhc")));
    const auto faq = ContentsEntries(ReadText(folder + QStringLiteral("/OrvaneFAQ.hhc")));
    if (!faq.empty())
        entries.emplace_back(QStringLiteral("Frequently asked questions"), faq.front().second);
    for (const auto& [title, file] : entries) {
        Chapter chapter;
        chapter.title = title;
        chapter.file = file;
        chapters.push_back(std::move(chapter));
    }

    const QString dir = QFileInfo(pdfPath).absolutePath();
    QDir().mkpath(dir);
    // Written beside the result and renamed over it only when complete.
    const QString pdfTemp = pdfPath + QStringLiteral(".part");
    int pageCount = 0;
    {
        PdfPages pdf(pdfTemp);
        // Lay the chapters out first: the contents need their page numbers.
        for (Chapter& chapter : chapters) {
            chapter.document = std::make_unique<QTextDocument>();
            QTextDocument& document = *chapter.document;
            document.setBaseUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
            document.setDefaultStyleSheet(css);
            pdf.Prepare(document);
            document.setHtml(FitPictures(ReadText(folder + QLatin1Char('/') + chapter.file), folder));
        }
        QTextDocument contents;
        contents.setDefaultStyleSheet(css);
        pdf.Prepare(contents);
        NumberPages(chapters, contents, pdf.TextSize().height());

        DrawTitlePage(pdf, version);

        for (int i = 0; i < contents.pageCount(); ++i) {
            pdf.NewPage();
            pdf.DrawFrame(QStringLiteral("Contents"));
            pdf.DrawDocumentPage(contents, i);
        }
        for (Chapter& chapter : chapters) {
            for (int i = 0; i < chapter.document->pageCount(); ++i) {
                pdf.NewPage();
                pdf.DrawFrame(chapter.title);
                pdf.DrawDocumentPage(*chapter.document, i);
            }
        }
        pageCount = pdf.Pages();
        if (!pdf.End()) {
            std::fprintf(stderr, "orvane-manual: cannot write %s\n", qPrintable(pdfPath));
            return 1;
        }
    }
    QFile::remove(pdfPath);
    if (!QFile::rename(pdfTemp, pdfPath)) {
        std::fprintf(stderr, "orvane-manual: cannot write %s\n", qPrintable(pdfPath));
        return 1;
    }

    if (!WriteRtfManual(chapters, folder, css, version, docPath)) {
        std::fprintf(stderr, "orvane-manual: cannot write %s\n", qPrintable(docPath));
        return 1;
    }
    std::fprintf(stderr, "orvane-manual: %d pages, %zu chapters\n", pageCount, chapters.size());
    return 0;
}
