#include "tools/MenuItemDrawing.h"

#include <QBitmap>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace orvane {

namespace {
constexpr int kPictureLeft = 4;  // px from the item's left edge
constexpr int kCaptionGap = 8;   // px between picture and caption
constexpr int kCaptionTop = 2;   // px below the item's top
}  // namespace

void DrawMenuItem(QPainter& painter, const QRect& rect, const QPixmap& picture, const QString& caption, bool selected)
{
    painter.save();
    painter.fillRect(rect, selected ? kMenuSelectedFill : QColor(Qt::white));
    int captionLeft = rect.left() + kPictureLeft;
    if (!picture.isNull()) {
        QPixmap clear = picture;
        clear.setMask(picture.createMaskFromColor(Qt::white));
        painter.drawPixmap(captionLeft, rect.top() + (rect.height() - picture.height()) / 2, clear);
        captionLeft += picture.width();
    }
    captionLeft += kCaptionGap;
    painter.setPen(selected ? kMenuSelectedText : QColor(Qt::black));
    const QRect textRect(captionLeft, rect.top() + kCaptionTop, std::max(0, rect.right() - captionLeft + 1),
                         std::max(0, rect.height() - kCaptionTop));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
    painter.restore();
}

void DrawnMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item || item->menuItemType == QStyleOptionMenuItem::Separator) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const bool selected = (item->state & State_Selected) && (item->state & State_Enabled);
    QPixmap picture;
    if (!item->icon.isNull()) {
        const int size = pixelMetric(PM_SmallIconSize, option, widget);
        picture = item->icon.pixmap(size, size);
    }
    // The text holds the caption, then a tab and the shortcut.
    QString caption = item->text;
    caption = caption.left(caption.indexOf('\t') >= 0 ? caption.indexOf('\t') : caption.size());
    DrawMenuItem(*painter, item->rect, picture, caption, selected);
}

void UseDrawnMenuItems(QMenu* menu)
{
    if (!menu)
        return;
    auto* style = new DrawnMenuStyle();
    style->setParent(menu);
    menu->setStyle(style);
}

}  // namespace orvane
