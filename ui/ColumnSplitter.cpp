#include "ui/ColumnSplitter.h"

#include <algorithm>

#include "core/Rounding.h"

namespace orvane {

TColumnSplitter::TColumnSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent)
{
    connect(this, &QSplitter::splitterMoved, this, [this](int, int) { KeepShares(); });
}

void TColumnSplitter::SetShares(std::array<double, 3> shares)
{
    shares_ = shares;
    ApplyShares();
}

void TColumnSplitter::ApplyShares()
{
    const int available = width() - 2 * handleWidth();
    if (available <= 0 || count() != 3)
        return;
    int left = std::max(RoundEven(shares_[0] * available), widget(0)->minimumSizeHint().width());
    const int right = std::max(RoundEven(shares_[2] * available), widget(2)->minimumSizeHint().width());
    // The left column grows to the width its contents prefer (the grids'
    // whole coordinates in their full font) as far as the middle column
    // keeps its minimum.
    const int preferred = widget(0)->sizeHint().width();
    if (left < preferred)
        left = std::max(left, std::min(preferred, available - right - widget(1)->minimumSizeHint().width()));
    setSizes({left, std::max(0, available - left - right), right});
}

void TColumnSplitter::resizeEvent(QResizeEvent* event)
{
    QSplitter::resizeEvent(event);
    ApplyShares();
}

void TColumnSplitter::KeepShares()
{
    const QList<int> s = sizes();
    const double total = static_cast<double>(s.value(0) + s.value(1) + s.value(2));
    if (s.size() == 3 && total > 0)
        shares_ = {s[0] / total, s[1] / total, s[2] / total};
}

}  // namespace orvane
