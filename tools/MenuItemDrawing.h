#pragma once
// Menu items drawn by the program: silver with navy text when selected,
// white with black text otherwise.

#include <QColor>
#include <QProxyStyle>

class QMenu;
class QPainter;
class QPixmap;
class QRect;
class QString;

namespace orvane {

inline const QColor kMenuSelectedFill(192, 192, 192);  // silver
inline const QColor kMenuSelectedText(0, 0, 128);      // navy

// Fills rect, draws picture 4 pixels from the left (centred vertically, white
// pixels transparent) and caption 8 pixels right of the picture, its top 2
// pixels below the item's top. A null picture takes no room.
void DrawMenuItem(QPainter& painter, const QRect& rect, const QPixmap& picture, const QString& caption, bool selected);

// A style that draws every item of a menu with DrawMenuItem; separators and
// everything else are drawn as the base style draws them.
class DrawnMenuStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Makes menu draw its items with DrawMenuItem (the style belongs to the menu).
void UseDrawnMenuItems(QMenu* menu);

}  // namespace orvane
