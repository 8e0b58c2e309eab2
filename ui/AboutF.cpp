#include "ui/AboutF.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "tools/FixedText.h"
#include "tools/FormFonts.h"
#include "tools/ProductAddresses.h"
#include "tools/QtText.h"
#include "tools/VersionText.h"

namespace orvane {

namespace {

// A small region with a wave crest: the program's emblem.
QPixmap Emblem()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(166, 202, 240));
    p.drawRoundedRect(QRectF(3, 3, 42, 42), 6, 6);
    QPainterPath wave;
    wave.moveTo(6, 30);
    wave.cubicTo(14, 18, 20, 18, 24, 30);
    wave.cubicTo(28, 42, 34, 42, 42, 30);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 255), 2.5));
    p.drawPath(wave);
    return pixmap;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About ") + FromUtf8(FixedText(FixedTextId::ProgramName)));
    setModal(true);

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("Emblem"));
    emblem->setPixmap(Emblem());
    emblem->setAlignment(Qt::AlignTop);

    ProgramNameLabel = new QLabel(FromUtf8(FixedText(FixedTextId::ProgramName)), this);
    ProgramNameLabel->setObjectName(QStringLiteral("ProgramNameLabel"));
    QFont big = ProgramNameLabel->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    ProgramNameLabel->setFont(big);

    TitleLabel = new QLabel(FromUtf8(FixedText(FixedTextId::ProgramTitle)), this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));

    VersionLabel = new QLabel(FromUtf8(VersionText(kVersionLong)) + QStringLiteral(" (") +
                                  FromUtf8(ProgramVersionString()) + QStringLiteral(")"),
                              this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));

    AboutText =
        new QLabel(QStringLiteral("Wind-generated waves at one point of a bounded water region: radial fetch over the "
                                  "wind sector, significant wave height and period (Bretschneider, Bretschneider with "
                                  "depth, Wilson), Pierson-Moskowitz or JONSWAP spectrum, and the directional methods "
                                  "of effective fetch, Saville and Seymour."),
                   this);
    AboutText->setObjectName(QStringLiteral("AboutText"));
    AboutText->setWordWrap(true);
    // A wrapped label has no natural width; give it one so the dialog can
    // take the height the wrapped text needs.
    AboutText->setMinimumWidth(400);

    WebLabel = new QLabel(FromUtf8(MakerWebAddress()), this);
    WebLabel->setObjectName(QStringLiteral("WebLabel"));
    WebLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    WebLabel->setVisible(!MakerWebAddress().empty());  // a build without an address shows none

    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setDefault(true);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(ProgramNameLabel);
    texts->addWidget(TitleLabel);
    texts->addWidget(VersionLabel);
    texts->addSpacing(8);
    texts->addWidget(AboutText);
    texts->addSpacing(8);
    texts->addWidget(WebLabel);

    auto* top = new QHBoxLayout;
    top->addWidget(emblem, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CloseBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    ApplyFormFace(this, UiFontName());
    // Sized by its contents after the font is applied: no line is ever cut.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orvane
