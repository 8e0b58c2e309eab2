#include "ui/pad/PointCoordinatesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "core/Format.h"

namespace orvane {

namespace {

// Beyond this a float32 keeps no metre and the pad's pixel arithmetic no sense.
constexpr double kLargestCoordinate = 1e9;

// "542 123,5" and " 542123.5 " read alike; anything else that is no plain
// number reads as nothing.
std::optional<double> ReadCoordinate(QString text)
{
    text.remove(QLatin1Char(' '));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > kLargestCoordinate)
        return std::nullopt;
    return value;
}

}  // namespace

QString CoordinateText(double value)
{
    const double magnitude = std::fabs(value);
    const int whole = magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
    std::string text = Format("%.*f", std::clamp(9 - whole, 0, 9), value + 0.0);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? QStringLiteral("0") : QString::fromStdString(text);
}

TPointCoordinatesDialog::TPointCoordinatesDialog(QWidget* parent, const QString& unit, std::vector<Choice> choices,
                                                 int selected, bool newPoint)
    : QDialog(parent), choices_(std::move(choices))
{
    setObjectName(QStringLiteral("PointCoordinatesDialog"));
    setWindowTitle(newPoint ? tr("New point") : tr("Point coordinates"));
    auto* form = new QFormLayout(this);
    PointCombo = new QComboBox(this);
    PointCombo->setObjectName(QStringLiteral("PointCombo"));
    for (const Choice& c : choices_)
        PointCombo->addItem(QString::number(c.Number));
    if (!newPoint)
        form->addRow(tr("Point"), PointCombo);
    else
        PointCombo->hide();
    XEdit = new QLineEdit(this);
    XEdit->setObjectName(QStringLiteral("XEdit"));
    YEdit = new QLineEdit(this);
    YEdit->setObjectName(QStringLiteral("YEdit"));
    form->addRow(QStringLiteral("x [%1]").arg(unit), XEdit);
    form->addRow(QStringLiteral("y [%1]").arg(unit), YEdit);
    SnapCheck = new QCheckBox(tr("Snap to grid"), this);
    SnapCheck->setObjectName(QStringLiteral("SnapCheck"));
    form->addRow(SnapCheck);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    form->addRow(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(PointCombo, &QComboBox::currentIndexChanged, this, &TPointCoordinatesDialog::ShowChoice);
    connect(XEdit, &QLineEdit::textChanged, this, &TPointCoordinatesDialog::Check);
    connect(YEdit, &QLineEdit::textChanged, this, &TPointCoordinatesDialog::Check);

    PointCombo->setCurrentIndex(std::clamp(selected, 0, std::max(0, static_cast<int>(choices_.size()) - 1)));
    ShowChoice();
    XEdit->setFocus();
    XEdit->selectAll();
}

int TPointCoordinatesDialog::Selected() const { return PointCombo->currentIndex(); }

bool TPointCoordinatesDialog::SnapToGrid() const { return SnapCheck->isChecked(); }

void TPointCoordinatesDialog::ShowChoice()
{
    const int row = Selected();
    if (row < 0 || row >= static_cast<int>(choices_.size()))
        return;
    shownX_ = CoordinateText(choices_[static_cast<std::size_t>(row)].At.X);
    shownY_ = CoordinateText(choices_[static_cast<std::size_t>(row)].At.Y);
    XEdit->setText(shownX_);
    YEdit->setText(shownY_);
    Check();
}

void TPointCoordinatesDialog::Check() { Buttons->button(QDialogButtonBox::Ok)->setEnabled(Typed().has_value()); }

std::optional<PadXY> TPointCoordinatesDialog::Typed() const
{
    const int row = Selected();
    if (row < 0 || row >= static_cast<int>(choices_.size()))
        return std::nullopt;
    const PadXY& own = choices_[static_cast<std::size_t>(row)].At;
    const std::optional<double> x = XEdit->text() == shownX_ ? own.X : ReadCoordinate(XEdit->text());
    const std::optional<double> y = YEdit->text() == shownY_ ? own.Y : ReadCoordinate(YEdit->text());
    if (!x || !y)
        return std::nullopt;
    return PadXY {*x, *y};
}

}  // namespace orvane
