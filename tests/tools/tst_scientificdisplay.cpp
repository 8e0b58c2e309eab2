// The composite number display of the unit-conversion results.

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "tools/ScientificDisplay.h"

namespace orvane {

class TestScientificDisplay : public QObject {
    Q_OBJECT
private slots:
    void fill_data();
    void fill();
    void layout();
};

void TestScientificDisplay::fill_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mantissa");
    QTest::addColumn<QString>("exponent");  // empty: none shown
    QTest::newRow("three-digit exponent") << "1.235E+003"
                                          << "1.235"
                                          << "+3";
    QTest::newRow("no exponent") << "3.281"
                                 << "3.281"
                                 << "";
    QTest::newRow("negative two digits") << "2.500E-012"
                                         << "2.500"
                                         << "-12";
    QTest::newRow("zero") << "0.000E+000"
                          << "0.000"
                          << "+0";
}

void TestScientificDisplay::fill()
{
    QFETCH(QString, text);
    QFETCH(QString, mantissa);
    QFETCH(QString, exponent);

    QWidget window;
    window.resize(260, 60);
    QPalette face = window.palette();
    face.setColor(QPalette::Window, QColor(212, 208, 200));
    window.setPalette(face);
    window.setAutoFillBackground(true);
    auto* field = new QLineEdit(&window);
    field->setGeometry(20, 20, 100, 21);
    ScientificDisplay display(field);
    display.Fill(text);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(field->text(), text);
    QVERIFY(!field->isVisible());
    QCOMPARE(display.MantissaLabel->text(), mantissa);
    const bool hasExponent = !exponent.isEmpty();
    QCOMPARE(display.TimesTenLabel->isVisible(), hasExponent);
    QCOMPARE(display.ExponentLabel->isVisible(), hasExponent);
    if (hasExponent) {
        QCOMPARE(display.TimesTenLabel->text(), QString("x10"));
        QCOMPARE(display.ExponentLabel->text(), exponent);
    }
    // Pictures to look at; they stay in the build folder.
    window.grab().save(QString("ScientificDisplay-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
}

void TestScientificDisplay::layout()
{
    QWidget window;
    auto* field = new QLineEdit(&window);
    field->setGeometry(20, 20, 100, 21);
    ScientificDisplay display(field);
    display.Fill("1.235E+003");

    const QRect m = display.MantissaLabel->geometry();
    const QRect x = display.TimesTenLabel->geometry();
    const QRect e = display.ExponentLabel->geometry();
    const QRect b = display.Background->geometry();
    QCOMPARE(m.left(), 20);
    QCOMPARE(m.width(), 50);
    QVERIFY(display.MantissaLabel->alignment() & Qt::AlignRight);
    QCOMPARE(m.center().y(), QRect(20, 20, 100, 21).center().y());
    QCOMPARE(x.left(), m.right() + 2);
    QCOMPARE(x.top(), m.top());
    QCOMPARE(e.left(), x.right() + 2);
    QCOMPARE(e.top(), x.top() - x.height() / 2);
    QCOMPARE(b.left(), 20);
    QCOMPARE(b.width(), 112);
    QCOMPARE(b.top(), e.top());
    QCOMPARE(b.bottom(), m.bottom());
    QCOMPARE(display.MantissaLabel->font().pointSize(), 10);
    QCOMPARE(display.ExponentLabel->font().pointSize(), 8);
    QCOMPARE(display.ExponentLabel->font().family(), QString("Arial Narrow"));
}

}  // namespace orvane

QTEST_MAIN(orvane::TestScientificDisplay)
#include "tst_scientificdisplay.moc"
