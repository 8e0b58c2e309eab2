#include "reports/DocumentExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QString>

#include <cctype>

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

}  // namespace

const ExportKindInfo& InfoOf(ExportKind kind)
{
    static const ExportKindInfo kRtf{".rtf", "Rich Edit (word)", "(*.RTF)|*.RTF|", "RTF report"};
    static const ExportKindInfo kPdf{".pdf", "PDF (Acrobat)", "(*.PDF)|*.PDF", "PDF report"};
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

bool WriteReportDocument(const PreparedReport& report, ExportKind kind, const std::string& path,
                         const std::string& title)
{
    const DocumentProperties properties{title, InfoOf(kind).subject, DocumentCreator()};
    if (kind == ExportKind::Rtf) {
        const std::string rtf = RtfDocument(report, properties);
        return WriteFileAtomically(path, rtf.data(), rtf.size());
    }
    const QByteArray pdf = PdfDocument(report, properties);
    return !pdf.isEmpty() && WriteFileAtomically(path, pdf.constData(), static_cast<std::size_t>(pdf.size()));
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
    if (properties.subject.empty())
        return pdf;
    return AddPdfSubject(pdf, properties.subject);
}

QByteArray AddPdfSubject(const QByteArray& pdf, const std::string& subject)
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

    // The present dictionary, found as "n g obj << ... >> endobj".
    const QByteArray header =
        (info.captured(1) + QLatin1Char(' ') + info.captured(2) + QStringLiteral(" obj")).toLatin1();
    qsizetype objAt = -1;
    for (qsizetype at = pdf.indexOf(header); at >= 0; at = pdf.indexOf(header, at + 1)) {
        if (at == 0 || pdf.at(at - 1) == '\n' || pdf.at(at - 1) == '\r')
            objAt = at;
    }
    if (objAt < 0)
        return {};
    const qsizetype endAt = pdf.indexOf("endobj", objAt);
    const qsizetype dictEnd = endAt < 0 ? -1 : pdf.lastIndexOf(">>", endAt);
    if (dictEnd < objAt + header.size())
        return {};
    QByteArray body = pdf.mid(objAt + header.size(), dictEnd - objAt - header.size());
    body.append("/Subject " + PdfTextString(subject) + "\n>>");

    QByteArray out = pdf;
    if (!out.endsWith('\n'))
        out.append('\n');
    const qsizetype objectOffset = out.size();
    out.append(header + body + "\nendobj\n");
    const qsizetype xrefOffset = out.size();
    out.append(QByteArray("xref\n") + info.captured(1).toLatin1() + " 1\n");
    // Entries are exactly 20 bytes: offset, generation, "n", CR LF.
    out.append(QByteArray::number(objectOffset).rightJustified(10, '0') + ' ' +
               info.captured(2).toLatin1().rightJustified(5, '0') + " n\r\n");
    out.append("trailer\n<< /Size " + size.captured(1).toLatin1() + " /Root " + root.captured(1).toLatin1() +
               " /Info " + info.captured(1).toLatin1() + ' ' + info.captured(2).toLatin1() + " R /Prev " +
               prev.captured(1).toLatin1());
    if (id.hasMatch())
        out.append(" /ID " + id.captured(1).toLatin1());
    out.append(" >>\nstartxref\n" + QByteArray::number(xrefOffset) + "\n%%EOF\n");
    return out;
}

}  // namespace orvane
