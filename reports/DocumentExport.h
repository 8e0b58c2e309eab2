#pragma once
// Placed pages as PDF and RTF documents. Both keep the report's own page
// (A4 portrait) with margins 0, since the report places its own margins.
//
// PDF: QPdfWriter, streams compressed, fonts embedded as subsets, text as
// text and pictures as vectors. The document information carries the
// title, the subject and the creator; Qt sets no subject and leaves the
// subset tag off its fonts' names, so both are added as an incremental
// update (the changed objects, a cross-reference section for them and a
// trailer pointing back to the original one), which every reader accepts
// and which leaves the original bytes untouched.
//
// RTF: see RtfWriter.h.

#include <QByteArray>
#include <optional>
#include <string>

#include "core/Outcome.h"
#include "reports/Pagination.h"

namespace orvane {

enum class ExportKind { Rtf, Pdf };

// One row of the export table: what the export dialog and the document take
// from the kind.
struct ExportKindInfo {
    const char* defaultExtension;  // ".rtf", ".pdf"
    const char* formatName;        // "Rich Edit (word)", "PDF (Acrobat)"
    const char* pattern;           // "(*.RTF)|*.RTF|", "(*.PDF)|*.PDF"
    const char* subject;           // "RTF report", "PDF report"
};
const ExportKindInfo& InfoOf(ExportKind kind);

// The kind a file name asks for by its extension, in any case; none for
// another extension.
std::optional<ExportKind> ExportKindOfFileName(const std::string& fileName);

struct DocumentProperties {
    std::string title;    // UTF-8, whole (not cut to the record's 80 characters)
    std::string subject;  // "PDF report", "RTF report"
    std::string creator;  // "Orvane " and the product tag
};

// Writes the report as a document of kind to path, atomically (a failed
// write leaves an existing file as it was). title is the whole project title
// (UTF-8). A failure says why the document could not be made or written.
Outcome WriteReportDocument(const PreparedReport& report, ExportKind kind, const std::string& path,
                            const std::string& title);

// The creator of every exported document: "Orvane " and the product tag.
std::string DocumentCreator();

// The whole PDF document; empty when it cannot be made.
QByteArray PdfDocument(const PreparedReport& report, const DocumentProperties& properties);

// pdf with an incremental update: the information dictionary is the
// document's present one plus /Subject (unless subject is empty), and every
// font that is an embedded subset carries its subset tag in its name, as
// its descriptor does. Empty when pdf has no classic cross-reference table
// and trailer with an information dictionary to extend.
QByteArray UpdatePdf(const QByteArray& pdf, const std::string& subject);

}  // namespace orvane
