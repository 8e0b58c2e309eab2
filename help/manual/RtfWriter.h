#pragma once
// Writes laid-out help topics (QTextDocuments) as one RTF document, which
// word processors open as the manual "in DOC format". Headings, paragraphs,
// bold, italic, underline, sub- and superscripts, fixed-pitch text, bullet
// lists, tables and pictures (embedded PNG) are kept; colours and style-sheet
// details that RTF readers treat differently are not.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace orvane {

class RtfWriter {
public:
    RtfWriter(const QString& title, const QString& author);

    void AddTitlePage(const QString& heading, const QString& subheading, const QString& version);
    void AddContentsList(const QStringList& chapters);
    // Each chapter starts on a new page.
    void AddChapter(const QTextDocument& document);

    QByteArray Finish();

    // RTF text: "\", "{", "}" escaped; characters past ASCII as \uN? (N a
    // signed 16-bit value, as RTF readers expect), line breaks as \line.
    static QByteArray Escape(const QString& text);

private:
    QByteArray body_;
    QString title_;
    QString author_;
    bool firstPage_ = true;
    void PageBreak();
};

}  // namespace orvane
