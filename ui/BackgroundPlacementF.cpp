#include "ui/BackgroundPlacementF.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "core/Format.h"
#include "graphics/PadDrawing.h"

namespace orvane {

namespace {

// A number as typed: "." or "," before the decimals, blanks around it.
std::optional<double> NumberOf(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional(v) : std::nullopt;
}

}  // namespace

TBackgroundPlacement::TBackgroundPlacement(int pictureWidth, int pictureHeight, const QString& unit,
                                           const std::array<double, 8>& proposed, QWidget* parent)
    : QDialog(parent), placement_(proposed)
{
    setObjectName(QStringLiteral("BackgroundPlacement"));
    setWindowTitle(QStringLiteral("Place the picture"));
    auto* column = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("The picture is %1 x %2 pixels and has no georeferencing. Give two of "
                                            "its points (pixels from its top-left corner) and where they lie, "
                                            "in %3.")
                                 .arg(pictureWidth)
                                 .arg(pictureHeight)
                                 .arg(unit),
                             this);
    intro->setWordWrap(true);
    column->addWidget(intro);

    auto* grid = new QGridLayout;
    const QString headings[] = {QStringLiteral("Column"), QStringLiteral("Row"), QStringLiteral("x [%1]").arg(unit),
                                QStringLiteral("y [%1]").arg(unit)};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(new QLabel(headings[c], this), 0, c + 1);
    QLineEdit** members[] = {&Column1Edit, &Row1Edit, &X1Edit, &Y1Edit, &Column2Edit, &Row2Edit, &X2Edit, &Y2Edit};
    const char* names[] = {"Column1Edit", "Row1Edit", "X1Edit", "Y1Edit",
                           "Column2Edit", "Row2Edit", "X2Edit", "Y2Edit"};
    for (int i = 0; i < 8; ++i) {
        auto* edit =
            new QLineEdit(QString::fromStdString(Format("%.10g", proposed[static_cast<std::size_t>(i)])), this);
        edit->setObjectName(QLatin1String(names[i]));
        *members[i] = edit;
        grid->addWidget(edit, 1 + i / 4, 1 + i % 4);
    }
    grid->addWidget(new QLabel(QStringLiteral("Point 1"), this), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Point 2"), this), 2, 0);
    column->addLayout(grid);

    ProblemLabel = new QLabel(this);
    ProblemLabel->setObjectName(QStringLiteral("ProblemLabel"));
    ProblemLabel->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0)"));
    ProblemLabel->setWordWrap(true);
    column->addWidget(ProblemLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkBtn = buttons->button(QDialogButtonBox::Ok);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    CancelBtn = buttons->button(QDialogButtonBox::Cancel);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OkBtn, &QPushButton::clicked, this, &TBackgroundPlacement::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    column->addWidget(buttons);
}

std::array<QLineEdit*, 8> TBackgroundPlacement::Edits() const
{
    return {Column1Edit, Row1Edit, X1Edit, Y1Edit, Column2Edit, Row2Edit, X2Edit, Y2Edit};
}

void TBackgroundPlacement::OkBtnClick()
{
    std::array<double, 8> typed {};
    const auto edits = Edits();
    for (std::size_t i = 0; i < edits.size(); ++i) {
        const std::optional<double> v = NumberOf(edits[i]->text());
        if (!v) {
            ProblemLabel->setText(QStringLiteral("\"%1\" is not a number.").arg(edits[i]->text()));
            edits[i]->setFocus();
            return;
        }
        typed[i] = *v;
    }
    if (!PictureToWorldFromControlPoints(typed)) {
        ProblemLabel->setText(QStringLiteral("The two points must differ, on the picture and on the map."));
        return;
    }
    placement_ = typed;
    accept();
}

}  // namespace orvane
