#include "tools/units/PowerCell.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "tools/ExponentText.h"

namespace orvane {

namespace {
constexpr double kRaisedScale = 0.8;  // size of the raised exponent relative to the cell font
constexpr int kPowerDigits = 2;       // sign and first digit are raised
}  // namespace

void DrawPowerCell(QPainter& painter, const QRect& rect, const QString& text, int column, int row,
                   const QColor& background, const QColor& textColour)
{
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, background);
    painter.setPen(textColour);

    QFont font("Arial");
    font.setPointSize(9);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());

    const QString shown =
        (row != 0 && column != 0) ? QString::fromStdString(ExponentToPower(text.toStdString())) : text;
    const int x = rect.left() + std::max(1, (rect.width() - metrics.horizontalAdvance(shown)) / 2);
    // Centred by the height of a text line ("|" spans it), not of the glyphs.
    const int top = rect.top() + (rect.height() - metrics.height()) / 2;
    const int baseline = top + metrics.ascent();

    const int caret = shown.indexOf('^');
    if (caret < 0) {
        painter.drawText(x, baseline, shown);
        painter.restore();
        return;
    }
    const QString before = shown.left(caret);
    const QString raised = shown.mid(caret + 1, kPowerDigits);
    const QString after = shown.mid(caret + 1 + kPowerDigits);

    painter.drawText(x, baseline, before);
    int pen = x + metrics.horizontalAdvance(before);

    const int fontHeight = metrics.height();
    QFont small = font;
    small.setPixelSize(std::max(1, static_cast<int>(std::lround(kRaisedScale * QFontInfo(font).pixelSize()))));
    painter.setFont(small);
    const QFontMetrics smallMetrics(small, painter.device());
    painter.drawText(pen, baseline - fontHeight / 4, raised);
    pen += smallMetrics.horizontalAdvance(raised);

    painter.setFont(font);
    painter.drawText(pen, baseline, after);
    painter.restore();
}

void PowerCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    DrawPowerCell(*painter, option.rect, text, index.column(), index.row(), option.palette.color(QPalette::Base),
                  option.palette.color(QPalette::Text));
}

}  // namespace orvane
