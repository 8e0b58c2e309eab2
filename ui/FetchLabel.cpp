#include "ui/FetchLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvane {

TFetchLabel::TFetchLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QColor TFetchLabel::FetchColour() const
{
    return parentWidget() ? parentWidget()->palette().color(QPalette::WindowText) : QColor(Qt::black);
}

void TFetchLabel::SetLine(const QString& fetch, const QString& warning)
{
    fetch_ = fetch;
    warning_ = warning;
    ShowText();
}

void TFetchLabel::FitWidth(int width)
{
    const QFontMetrics metrics(font());
    const QMargins m = contentsMargins();
    const int oneLine = metrics.horizontalAdvance(fetch_ + QStringLiteral("   ") + warning_) + m.left() + m.right();
    const bool two = !warning_.isEmpty() && oneLine > width;
    if (two != twoLines_) {
        twoLines_ = two;
        ShowText();
    }
    adjustSize();
}

void TFetchLabel::ShowText()
{
    setText(warning_.isEmpty() ? fetch_ : fetch_ + Gap() + warning_);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, warning_.isEmpty() ? FetchColour() : WarningColour());
    setPalette(colours);
}

void TFetchLabel::paintEvent(QPaintEvent*)
{
    // The text as QLabel lays out plain text at the top left, in two colours.
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const QRect area = contentsRect();
    int y = area.top() + metrics.ascent();
    painter.setPen(FetchColour());
    painter.drawText(area.left(), y, fetch_);
    if (warning_.isEmpty())
        return;
    int x = area.left() + metrics.horizontalAdvance(fetch_ + Gap());
    if (twoLines_) {
        x = area.left();
        y += metrics.lineSpacing();
    }
    painter.setPen(WarningColour());
    painter.drawText(x, y, warning_);
}

}  // namespace orvane
