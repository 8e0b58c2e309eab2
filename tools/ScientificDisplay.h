#pragma once
// A number shown as mantissa, "x10" and a raised exponent, built over a
// one-line edit field that is then hidden: 1.235E+003 reads as 1.235 x10^+3.
// The labels are children of the field's parent; the display itself is a
// child of the field and goes with it.

#include <QObject>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;

namespace orvane {

class ScientificDisplay : public QObject {
    Q_OBJECT
public:
    // Builds the display where field stands and hides field. field must have
    // a parent widget.
    explicit ScientificDisplay(QLineEdit* field);

    // Shows text (also kept as the hidden field's text): with an exponent
    // (SplitExponent) as mantissa, "x10" and exponent; without, the whole
    // text in the mantissa label and the other two hidden.
    void Fill(const QString& text);

    QLineEdit* Field;
    QFrame* Background;  // in the field's colour, behind the labels
    // The labels take the field's boldness.
    QLabel* MantissaLabel;  // Arial 10 pt, right-aligned in 50 px from the field's left
    QLabel* TimesTenLabel;  // "x10", Arial 10 pt
    QLabel* ExponentLabel;  // Arial Narrow 8 pt, raised by half the "x10" height
};

}  // namespace orvane
