#include "ui/WidgetParts.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "ui/SpinButton.h"

namespace orvane {

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

}  // namespace orvane
