#include "tools/ScientificDisplay.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "tools/ExponentText.h"

namespace orvane {

namespace {

constexpr int kMantissaWidth = 50;    // px, the mantissa is right-aligned in it
constexpr int kBackgroundExtra = 12;  // px wider than the field
constexpr int kLabelGap = 1;          // px between the three labels

QLabel* MakeLabel(QWidget* parent, const QString& objectName, const QFont& font, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setContentsMargins(0, 0, 0, 0);
    label->setMargin(0);
    label->setAutoFillBackground(false);
    label->adjustSize();
    return label;
}

}  // namespace

ScientificDisplay::ScientificDisplay(QLineEdit* field) : QObject(field), Field(field)
{
    QWidget* parent = field->parentWidget();
    const QRect f = field->geometry();

    Background = new QFrame(parent);
    Background->setObjectName("ScientificBackground");
    Background->setFrameShape(QFrame::NoFrame);
    Background->setAutoFillBackground(true);
    QPalette palette = Background->palette();
    palette.setColor(QPalette::Window, field->palette().color(QPalette::Base));
    Background->setPalette(palette);
    Background->setGeometry(f.left(), f.top() - 1, f.width() + kBackgroundExtra, f.height());

    QFont arial("Arial");
    arial.setPointSize(10);
    arial.setBold(field->font().bold());
    QFont narrow("Arial Narrow");
    narrow.setPointSize(8);
    narrow.setBold(field->font().bold());

    MantissaLabel = MakeLabel(parent, "MantissaLabel", arial, "0");
    MantissaLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int mantissaHeight = MantissaLabel->height();
    MantissaLabel->setGeometry(f.left(), f.top() + (f.height() - mantissaHeight) / 2, kMantissaWidth, mantissaHeight);

    TimesTenLabel = MakeLabel(parent, "TimesTenLabel", arial, "x10");
    TimesTenLabel->move(MantissaLabel->geometry().right() + 1 + kLabelGap, MantissaLabel->y());

    ExponentLabel = MakeLabel(parent, "ExponentLabel", narrow, "+00");
    ExponentLabel->move(TimesTenLabel->geometry().right() + 1 + kLabelGap,
                        TimesTenLabel->y() - TimesTenLabel->height() / 2);

    // Stretched from the top of the exponent to the bottom of the mantissa.
    Background->setGeometry(Background->x(), ExponentLabel->y(), Background->width(),
                            MantissaLabel->geometry().bottom() + 1 - ExponentLabel->y());

    Background->show();
    for (QLabel* label : {MantissaLabel, TimesTenLabel, ExponentLabel}) {
        label->raise();
        label->show();
    }
    field->hide();
}

void ScientificDisplay::Fill(const QString& text)
{
    Field->setText(text);
    const SplitNumber split = SplitExponent(text.toStdString());
    MantissaLabel->setText(QString::fromStdString(split.mantissa));
    TimesTenLabel->setVisible(split.hasExponent);
    ExponentLabel->setVisible(split.hasExponent);
    if (split.hasExponent) {
        ExponentLabel->setText(QString::fromStdString(split.exponent));
        ExponentLabel->adjustSize();
    }
}

}  // namespace orvane
