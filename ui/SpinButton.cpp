#include "ui/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

QToolButton* ArrowButton(QWidget* parent, const char* name, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);  // held down, it keeps stepping
    // The field keeps the focus, so Enter still commits what it shows.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

}  // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), UpButton(ArrowButton(this, "UpButton", Qt::UpArrow)),
      DownButton(ArrowButton(this, "DownButton", Qt::DownArrow))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(UpButton);
    layout->addWidget(DownButton);
    setFixedSize(16, 22);
    connect(UpButton, &QToolButton::clicked, this, &TSpinButton::UpClick);
    connect(DownButton, &QToolButton::clicked, this, &TSpinButton::DownClick);
}

}  // namespace orvane
