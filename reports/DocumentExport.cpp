#include "reports/DocumentExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

#include "core/FileIO.h"
#include "reports/ReportPainter.h"
#include "reports/RtfWriter.h"
#include "tools/FixedText.h"

namespace orvane {

namespace {

// Resolution of the PDF's coordinate space; text and vectors do not depend
// on it, it only sets the precision of positions (1/1200 inch).
constexpr int kPdfDpi = 1200;

// A PDF text string: UTF-16BE with its byte-order mark, in hexadecimal, so
// any title survives whatever characters it holds.
QByteArray PdfTextString(const std::string& utf8)
{
    const QString text = QString::fromUtf8(utf8.c_str(), static_cast<qsizetype>(utf8.size()));
    QByteArray bytes("\xFE\xFF", 2);
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() >> 8));
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
    }
    return "<" + bytes.toHex().toUpper() + ">";
}

// One indirect object of a PDF that is not a stream: its generation and
// what stands between "n g obj" and "endobj".
struct PdfObject {
    int generation = 0;
    QByteArray body;
};

// The dictionary objects of the classic cross-reference sections, from
// the one at xrefAt back along the trailers' /Prev, the newest version of
// each (streams and anything unreadable are left out): all an update needs
// to read, and safer than searching the file, whose compressed streams may
// hold any bytes.
std::map<int, PdfObject> PdfObjects(const QByteArray& pdf, qsizetype xrefAt)
{
    static const QRegularExpression subsection(QStringLiteral("^(\\d+) (\\d+)\\s*$"));
    static const QRegularExpression prevSection(QStringLiteral("/Prev\\s+(\\d+)"));
    std::map<int, PdfObject> objects;
    std::vector<qsizetype> visited;
    while (xrefAt > 0 && pdf.mid(xrefAt, 4) == "xref" &&
           std::find(visited.begin(), visited.end(), xrefAt) == visited.end()) {
        visited.push_back(xrefAt);
        qsizetype at = pdf.indexOf('\n', xrefAt) + 1;
        while (at > 0 && at < pdf.size()) {
            const qsizetype lineEnd = pdf.indexOf('\n', at);
            const auto heading = subsection.match(QString::fromLatin1(pdf.mid(at, lineEnd - at)));
            if (lineEnd < 0 || !heading.hasMatch())
                break;
            const int first = heading.captured(1).toInt();
            const int count = heading.captured(2).toInt();
            at = lineEnd + 1;
            for (int i = 0; i < count && at + 20 <= pdf.size(); ++i, at += 20) {
                const QByteArray entry = pdf.mid(at, 18);
                const int number = first + i;
                if (entry.at(17) != 'n' || objects.count(number))
                    continue;
                const qsizetype offset = entry.left(10).toLongLong();
                const int generation = entry.mid(11, 5).toInt();
                const QByteArray header = QByteArray::number(number) + ' ' + QByteArray::number(generation) + " obj";
                if (offset <= 0 || pdf.mid(offset, header.size()) != header)
                    continue;
                const qsizetype bodyAt = offset + header.size();
                const qsizetype endAt = pdf.indexOf("endobj", bodyAt);
                const qsizetype streamAt = pdf.indexOf("stream", bodyAt);
                if (endAt < 0 || (streamAt >= 0 && streamAt < endAt))
                    continue;
                objects[number] = {generation, pdf.mid(bodyAt, endAt - bodyAt).trimmed()};
            }
        }
        const qsizetype trailerAt = pdf.indexOf("trailer", at);
        const qsizetype trailerEnd = trailerAt < 0 ? -1 : pdf.indexOf("startxref", trailerAt);
        const auto prev = prevSection.match(QString::fromLatin1(pdf.mid(trailerAt, trailerEnd - trailerAt)));
        xrefAt = trailerAt >= 0 && trailerEnd >= 0 && prev.hasMatch() ? prev.captured(1).toLongLong() : -1;
    }
    return objects;
}

// The font dictionaries whose base font is an embedded subset, with the
// subset's tag in front of the name ("ABCDEF+LiberationSans"). Qt embeds
// subsets and tags their descriptors, but not the fonts themselves, so
// readers would list them as whole fonts.
std::map<int, PdfObject> TaggedSubsetFonts(const std::map<int, PdfObject>& objects)
{
    static const QRegularExpression fontName(QStringLiteral("/FontName\\s*/([A-Z]{6}\\+[^\\s/<>\\[\\]()]+)"));
    static const QRegularExpression baseFont(QStringLiteral("/BaseFont\\s*/([^\\s/<>\\[\\]()]+)"));
    static const QRegularExpression descriptor(QStringLiteral("/FontDescriptor\\s+(\\d+)\\s+\\d+\\s+R"));
    static const QRegularExpression descendant(QStringLiteral("/DescendantFonts\\s*\\[\\s*(\\d+)\\s+\\d+\\s+R"));
    const auto rename = [](const PdfObject& object, const QString& tagged) {
        PdfObject renamed = object;
        const auto m = baseFont.match(QString::fromLatin1(object.body));
        renamed.body.replace(m.capturedStart(1), m.capturedLength(1), tagged.toLatin1());
        return renamed;
    };
    std::map<int, QString> tagOf;  // font object number -> tagged name
    std::map<int, PdfObject> changed;
    for (const int pass : {0, 1}) {  // simple and CID fonts first, then the composite fonts above them
        for (const auto& [number, object] : objects) {
            const QString text = QString::fromLatin1(object.body);
            const auto base = baseFont.match(text);
            if (!text.contains(QLatin1String("/Type /Font")) || !base.hasMatch() || base.captured(1).contains('+'))
                continue;
            const auto link = (pass == 0 ? descriptor : descendant).match(text);
            if (!link.hasMatch())
                continue;
            QString tagged;
            if (pass == 0) {
                const auto d = objects.find(link.captured(1).toInt());
                const auto name = d == objects.end() ? QRegularExpressionMatch()
                                                     : fontName.match(QString::fromLatin1(d->second.body));
                if (name.hasMatch() && name.captured(1).mid(7) == base.captured(1))
                    tagged = name.captured(1);
            } else if (tagOf.count(link.captured(1).toInt())) {
                tagged = tagOf[link.captured(1).toInt()];
            }
            if (tagged.isEmpty())
                continue;
            tagOf[number] = tagged;
            changed[number] = rename(object, tagged);
        }
    }
    return changed;
}

}  // namespace

const ExportKindInfo& InfoOf(ExportKind kind)
{
    static const ExportKindInfo kRtf {".rtf", "Rich Edit (word)", "(*.RTF)|*.RTF|", "RTF report"};
    static const ExportKindInfo kPdf {".pdf", "PDF (Acrobat)", "(*.PDF)|*.PDF", "PDF report"};
    return kind == ExportKind::Rtf ? kRtf : kPdf;
}

std::optional<ExportKind> ExportKindOfFileName(const std::string& fileName)
{
    const std::size_t dot = fileName.find_last_of("./");
    if (dot == std::string::npos || fileName[dot] != '.')
        return std::nullopt;
    std::string ext = fileName.substr(dot);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (ExportKind kind : {ExportKind::Rtf, ExportKind::Pdf}) {
        if (ext == InfoOf(kind).defaultExtension)
            return kind;
    }
    return std::nullopt;
}

Outcome WriteReportDocument(const PreparedReport& report, ExportKind kind, const std::string& path,
                            const std::string& title)
{
    const DocumentProperties properties {title, InfoOf(kind).subject, DocumentCreator()};
    if (kind == ExportKind::Rtf) {
        const std::string rtf = RtfDocument(report, properties);
        return WriteFileAtomically(path, rtf.data(), rtf.size());
    }
    const QByteArray pdf = PdfDocument(report, properties);
    if (pdf.isEmpty())
        return Outcome::Failure("cannot write [" + path + "]: the PDF document could not be made");
    return WriteFileAtomically(path, pdf.constData(), static_cast<std::size_t>(pdf.size()));
}

std::string DocumentCreator() { return "Orvane " + FixedText(FixedTextId::ProductTag); }

QByteArray PdfDocument(const PreparedReport& report, const DocumentProperties& properties)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly))
            return {};
        QPdfWriter writer(&buffer);
        const QPageSize size(QSizeF(report.pageWidthMm, report.pageHeightMm), QPageSize::Millimeter, QString(),
                             QPageSize::FuzzyMatch);
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        writer.setResolution(kPdfDpi);
        writer.setTitle(QString::fromStdString(properties.title));
        writer.setCreator(QString::fromStdString(properties.creator));
        if (!PaintReport(writer, report))
            return {};
    }
    return UpdatePdf(pdf, properties.subject);
}

QByteArray UpdatePdf(const QByteArray& pdf, const std::string& subject)
{
    // The last trailer names the information dictionary, the catalogue and
    // the object count; the last startxref gives the section to point back to.
    const qsizetype trailerAt = pdf.lastIndexOf("trailer");
    const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
    if (trailerAt < 0 || startxrefAt < trailerAt)
        return {};
    const QString trailer = QString::fromLatin1(pdf.mid(trailerAt, startxrefAt - trailerAt));
    const QString tail = QString::fromLatin1(pdf.mid(startxrefAt));
    const auto info = QRegularExpression(QStringLiteral("/Info\\s+(\\d+)\\s+(\\d+)\\s+R")).match(trailer);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(trailer);
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(trailer);
    const auto id = QRegularExpression(QStringLiteral("/ID\\s*(\\[[^\\]]*\\])")).match(trailer);
    const auto prev = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(tail);
    if (!info.hasMatch() || !root.hasMatch() || !size.hasMatch() || !prev.hasMatch())
        return {};
    const std::map<int, PdfObject> objects = PdfObjects(pdf, prev.captured(1).toLongLong());
    const auto infoObject = objects.find(info.captured(1).toInt());
    if (infoObject == objects.end())
        return {};

    std::map<int, PdfObject> changed = TaggedSubsetFonts(objects);
    PdfObject infoChanged = infoObject->second;
    const qsizetype dictEnd = infoChanged.body.lastIndexOf(">>");
    if (dictEnd < 0)
        return {};
    if (!subject.empty()) {
        infoChanged.body = infoChanged.body.left(dictEnd) + "/Subject " + PdfTextString(subject) + "\n>>";
        changed[infoObject->first] = infoChanged;
    }
    if (changed.empty())
        return pdf;

    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out.append('\n');
    std::map<int, qsizetype> offsets;
    for (const auto& [number, object] : changed) {
        offsets[number] = out.size();
        out.append(QByteArray::number(number) + ' ' + QByteArray::number(object.generation) + " obj\n" + object.body +
                   "\nendobj\n");
    }
    const qsizetype xrefOffset = out.size();
    out.append("xref\n");
    // One subsection per object; entries are exactly 20 bytes: offset,
    // generation, "n", CR LF.
    for (const auto& [number, offset] : offsets) {
        out.append(QByteArray::number(number) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + ' ' +
                   QByteArray::number(changed[number].generation).rightJustified(5, '0') + " n\r\n");
    }
    out.append("trailer\n<< /Size " + size.captured(1).toLatin1() + " /Root " + root.captured(1).toLatin1() +
               " /Info " + info.captured(1).toLatin1() + ' ' + info.captured(2).toLatin1() + " R /Prev " +
               prev.captured(1).toLatin1());
    if (id.hasMatch())
        out.append(" /ID " + id.captured(1).toLatin1());
    out.append(" >>\nstartxref\n" + QByteArray::number(xrefOffset) + "\n%%EOF\n");
    return out;
}

}  // namespace orvane
