// Owner-drawn menu items and the raised-exponent grid cells.

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <QtTest>

#include "tools/MenuItemDrawing.h"
#include "tools/units/PowerCell.h"

namespace orvane {

namespace {

// Rows and columns that hold any pixel other than the background.
struct Ink {
    int left = -1, right = -1, top = -1, bottom = -1;
};

Ink InkOf(const QImage& image, const QRect& area, QRgb background)
{
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == background)
                continue;
            if (ink.left < 0 || x < ink.left)
                ink.left = x;
            ink.right = std::max(ink.right, x);
            if (ink.top < 0)
                ink.top = y;
            ink.bottom = y;
        }
    }
    return ink;
}

QImage Cell(const QString& text, int column, int row, int width = 120, int height = 24)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    DrawPowerCell(painter, image.rect(), text, column, row, Qt::white, Qt::black);
    return image;
}

}  // namespace

class TestPaintHelpers : public QObject {
    Q_OBJECT
private slots:
    void menuItem_data();
    void menuItem();
    void powerCellRaisesOneDigitExponents();
    void powerCellLeavesOthers();
    void powerCellGridPicture();
};

void TestPaintHelpers::menuItem_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("text");
    QTest::newRow("selected") << true << QColor(192, 192, 192) << QColor(0, 0, 128);
    QTest::newRow("normal") << false << QColor(Qt::white) << QColor(Qt::black);
}

void TestPaintHelpers::menuItem()
{
    QFETCH(bool, selected);
    QFETCH(QColor, fill);
    QFETCH(QColor, text);

    // A 16 x 16 picture: white (transparent) with a green square in the middle.
    QPixmap picture(16, 16);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.fillRect(4, 4, 8, 8, Qt::green);
    }
    QImage image(200, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    {
        QPainter painter(&image);
        DrawMenuItem(painter, QRect(0, 0, 200, 20), picture, "Results", selected);
    }
    image.save(QString("MenuItem-%1.png").arg(QTest::currentDataTag()));

    QCOMPARE(QColor(image.pixel(0, 0)), fill);
    QCOMPARE(QColor(image.pixel(5, 3)), fill);  // white of the picture is transparent
    const Ink square = InkOf(image, QRect(0, 0, 28, 20), fill.rgb());
    QCOMPARE(square.left, 4 + 4);  // picture 4 px from the left
    QCOMPARE(QColor(image.pixel(10, 9)), QColor(Qt::green));

    const Ink caption = InkOf(image, QRect(20, 0, 180, 20), fill.rgb());
    QVERIFY(caption.left >= 4 + 16 + 8);  // caption 8 px right of the picture
    QVERIFY(caption.left <= 4 + 16 + 8 + 2);
    QVERIFY(caption.top >= 2);
    bool textColourSeen = false;
    for (int x = caption.left; x <= caption.right && !textColourSeen; ++x)
        for (int y = caption.top; y <= caption.bottom && !textColourSeen; ++y)
            textColourSeen = QColor(image.pixel(x, y)) == text;
    QVERIFY(textColourSeen);
}

void TestPaintHelpers::powerCellRaisesOneDigitExponents()
{
    // Drawn as "9.810x10" and a smaller "-9" raised above the line.
    const QImage image = Cell("9.810E-009", 1, 1);
    image.save("PowerCell-raised.png");
    const QRgb white = qRgb(255, 255, 255);
    const Ink all = InkOf(image, image.rect(), white);
    QVERIFY(all.left >= 1);
    const int centreGap = std::abs((all.left - 0) - (image.width() - 1 - all.right));
    QVERIFY2(centreGap <= 12, "centred by the width of the whole text, \"^\" included");

    // The lowest ink of the exponent (the right end) stands well above the
    // line the mantissa sits on.
    const int exponentWidth = 9;
    const Ink exponent = InkOf(image, QRect(all.right - exponentWidth + 1, 0, exponentWidth, image.height()), white);
    const Ink mantissa = InkOf(image, QRect(all.left, 0, 20, image.height()), white);
    QVERIFY2(exponent.bottom <= mantissa.bottom - 2,
             qPrintable(QString("exponent bottom %1, mantissa bottom %2").arg(exponent.bottom).arg(mantissa.bottom)));
    QVERIFY(image != Cell("9.810E-009", 0, 1));
}

void TestPaintHelpers::powerCellLeavesOthers()
{
    // Headers are not rewritten; two-digit exponents are drawn as they are.
    QCOMPARE(Cell("9.810E-009", 0, 3), Cell("9.810E-009", 3, 0));
    QCOMPARE(Cell("1.000E+012", 2, 2), Cell("1.000E+012", 0, 2));
    // A text wider than the cell starts 1 px from its left edge.
    const Ink ink = InkOf(Cell("1.234567890E+012", 1, 1, 40), QRect(0, 0, 40, 24), qRgb(255, 255, 255));
    QVERIFY(ink.left >= 1 && ink.left <= 2);
}

void TestPaintHelpers::powerCellGridPicture()
{
    QTableWidget grid(3, 3);
    grid.setItemDelegate(new PowerCellDelegate(&grid));
    const char* texts[3][3] = {{"", "m", "ft"}, {"m", "1.000E+000", "3.281E+000"}, {"ft", "3.048E-001", "9.810E-009"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            grid.setItem(r, c, new QTableWidgetItem(texts[r][c]));
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    for (int c = 0; c < 3; ++c)
        grid.setColumnWidth(c, 90);
    grid.resize(280, 100);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage picture = grid.grab().toImage();
    picture.save("PowerCellGrid.png");
    QVERIFY(!picture.isNull());
}

}  // namespace orvane

QTEST_MAIN(orvane::TestPaintHelpers)
#include "tst_painthelpers.moc"
