#pragma once
// TFetchLabel: the fetch label over the region picture (Label10). It reads
// "at angle 45.00°,   fetch=6.29 km" and, when the computation point is not
// in the water, goes on with a warning in red on the same line, or on a
// second line when the panel is too narrow for one.
//
// text() holds the whole label as plain text, warning included, so whatever
// reads the label (a screen reader, a test) reads the warning too. While the
// label warns, its own text colour is the warning's red; the fetch part keeps
// the text colour of the panel it stands on.

#include <QColor>
#include <QLabel>

namespace orvane {

class TFetchLabel : public QLabel {
    Q_OBJECT

public:
    explicit TFetchLabel(QWidget* parent = nullptr);

    static QColor WarningColour() { return {255, 0, 0}; }

    // The fetch text, and the warning after it (empty: none).
    void SetLine(const QString& fetch, const QString& warning);
    // Puts the warning on a second line when fetch and warning together are
    // wider than width pixels; then resizes the label to its text.
    void FitWidth(int width);

    const QString& Fetch() const { return fetch_; }
    const QString& Warning() const { return warning_; }
    bool TwoLines() const { return twoLines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FetchColour() const;
    QString Gap() const { return twoLines_ ? QStringLiteral("\n") : QStringLiteral("   "); }
    void ShowText();

    QString fetch_;
    QString warning_;
    bool twoLines_ = false;
};

}  // namespace orvane
