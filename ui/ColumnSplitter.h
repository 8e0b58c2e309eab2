#pragma once
// TColumnSplitter: the main window's three columns. Each keeps its share of
// the width when the window is resized; dragging a handle sets new shares.
// The outer columns never get less than their controls need (the left one
// more, up to what it prefers, while the middle keeps its minimum): the middle
// column gives way first.

#include <QSplitter>
#include <array>

namespace orvane {

class TColumnSplitter : public QSplitter {
    Q_OBJECT
public:
    explicit TColumnSplitter(QWidget* parent = nullptr);

    // Shares of the left, middle and right column; they add up to 1.
    void SetShares(std::array<double, 3> shares);
    // Sizes the columns by their shares now (after a column's minimum changed).
    void ApplyShares();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void KeepShares();

    std::array<double, 3> shares_ {0.17, 0.45, 0.38};
};

}  // namespace orvane
