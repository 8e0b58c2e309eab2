#include "ui/WidgetParts.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <cmath>
#include <numbers>

#include "core/Rounding.h"
#include "ui/SpinButton.h"

namespace orvane {

namespace {

class WheelGuard final : public QObject {
public:
    WheelGuard(QWidget* control, WheelUse use) : QObject(control), control_(control), use_(use) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != control_ || event->type() != QEvent::Wheel)
            return false;
        if (use_ == WheelUse::WhenFocused && control_->hasFocus())
            return false;
        event->ignore();
        return true;
    }

private:
    QWidget* control_;
    WheelUse use_;
};

}  // namespace

void GuardWheel(QWidget* control, WheelUse use)
{
    // A wheel must not give the focus first and so pass the guard.
    if ((control->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
        control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelGuard(control, use));
}

QToolButton* HelpButton(QWidget* parent, const char* name, const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("?"));
    button->setToolTip(QLatin1String(hint));
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(20, 20);
    return button;
}

QLabel* NewLabel(QWidget* parent, const QString& text, const char* name)
{
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    return label;
}

QLineEdit* NewEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(72);
    return edit;
}

TSpinButton* NewSpin(QWidget* parent, const char* name)
{
    auto* spin = new TSpinButton(parent);
    spin->setObjectName(QLatin1String(name));
    return spin;
}

QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->addItems(items);
    return combo;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption, const char* hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(hint));
    return button;
}

QFrame* NewPanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

// The angle convention beside the wind labels: the +x axis, a direction
// counter-clockwise from it and the arc between them.
QPixmap AnglePicture()
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF origin(6, 34);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(origin, QPointF(38, 34));
    p.drawLine(QPointF(38, 34), QPointF(34, 31.5));
    p.drawLine(QPointF(38, 34), QPointF(34, 36.5));
    p.setPen(QPen(QColor(255, 0, 0), 2));
    const QPointF tip(6 + 28 * std::cos(0.8), 34 - 28 * std::sin(0.8));
    p.drawLine(origin, tip);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawArc(QRectF(origin.x() - 16, origin.y() - 16, 32, 32), 0, RoundEven(0.8 * 180 / std::numbers::pi * 16));
    return pixmap;
}

// A pencil over a polygon: the picture of the region drawing command.
QIcon DrawRegionIcon()
{
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(166, 202, 240));
    const QPointF ring[] = {{1, 16}, {3, 7}, {9, 9}, {12, 16}};
    p.drawPolygon(ring, 4);
    p.setPen(QPen(QColor(128, 64, 0), 2.5));
    p.drawLine(QPointF(9, 13), QPointF(16, 2));
    return QIcon(pixmap);
}

}  // namespace orvane
