// The chart and rose views: each shows its painter's own picture of the
// same data, and reads out the point or the direction under the cursor.

#include "ui/ChartView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "core/CommitRules.h"
#include "core/WaveRose.h"
#include "graphics/ChartPainter.h"
#include "graphics/RosePlot.h"
#include "tests/TestSupport.h"
#include "ui/RoseView.h"

namespace orvane {

namespace {

// What the painter alone draws on a white image of the view's size and resolution.
template <class Paint> QImage PainterPicture(const QWidget& view, Paint paint)
{
    QImage image(view.size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(view.logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(view.logicalDpiY() / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(view.rect()));
    return image;
}

QImage Shown(QWidget& view) { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

void Send(QWidget& view, QEvent::Type type, QPointF at)
{
    const Qt::MouseButton button = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, view.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&view, &event);
}

}  // namespace

class ChartViewTest : public QObject {
    Q_OBJECT

private slots:
    void chartViewShowsThePaintersPictureAndTheValueUnderTheCursor();
    void roseViewShowsThePaintersPictureAndTheDirectionUnderTheCursor();
};

void ChartViewTest::chartViewShowsThePaintersPictureAndTheValueUnderTheCursor()
{
    WaveResults r {};
    r.FreqCount = kFreqCount;
    for (int k = 1; k <= kFreqCount; ++k) {
        r.Freq[k] = k / 50.0f;
        r.Density[k] = static_cast<float>(std::exp(-std::pow((k - 20) / 6.0, 2)));
    }
    const ChartData chart = SpectrumChart(r);
    TChartView view;
    view.resize(420, 260);
    view.SetChart(chart);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage painted = PainterPicture(view, [&](QPainter& p, const QRectF& area) { PaintChart(p, area, chart); });
    QCOMPARE(Shown(view), painted);

    // The peak, k = 20: the cursor a little off it still reads the nearest point.
    QImage probe = painted;
    const ChartLayout layout = LayOutChart(&probe, QRectF(view.rect()), chart);
    const QPointF peak = layout.ToPainter(chart.points[19]);
    Send(view, QEvent::MouseMove, peak + QPointF(1.5, 30));
    QCOMPARE(view.HoveredPoint(), 19);
    QCOMPARE(view.Readout(), QStringLiteral("f = 0.400 Hz, S(f) = 1"));
    QVERIFY(Shown(view) != painted);

    // Over the axis labels, or gone: no readout, the plain picture again.
    Send(view, QEvent::MouseMove, QPointF(2, view.height() - 2));
    QCOMPARE(view.Readout(), QString());
    Send(view, QEvent::MouseMove, peak);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&view, &leave);
    QCOMPARE(view.HoveredPoint(), -1);
    QCOMPARE(Shown(view), painted);
}

void ChartViewTest::roseViewShowsThePaintersPictureAndTheDirectionUnderTheCursor()
{
    // A 10 km square lake in km, the point 3 km from its west shore.
    ProjectRecord rec {};
    SetProjectDefaults(rec);
    test::SetBoundary(rec, 1, test::ClosedRing({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    rec.CoordUnits = 3;
    rec.PointX = 3.0f;
    rec.PointY = 4.0f;
    ClampMethodCodes(rec);
    const WaveRoseResult rose = WaveRose(rec, 10);
    TRoseView view;
    view.resize(520, 600);
    view.SetRose(rose, rec);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QImage painted =
        PainterPicture(view, [&](QPainter& p, const QRectF& area) { PaintRosePlot(p, area, rose, rec); });
    QCOMPARE(Shown(view), painted);

    // Row 0 is the wind along +x, from the east: 7 km to the shore.
    QImage probe = painted;
    const RoseLayout layout = LayOutRose(&probe, QRectF(view.rect()), rose, rec);
    const QPointF east = layout.At(93, 0.9 * layout.radius);
    Send(view, QEvent::MouseMove, east);
    QCOMPARE(view.HoveredRow(), 0);
    QVERIFY2(view.Readout().startsWith(QStringLiteral("from 90\u00B0 (wind direction 0\u00B0): fetch 7.000 km, ")),
             qPrintable(view.Readout()));
    QVERIFY(view.Readout().endsWith(QStringLiteral(" m")));

    QSignalSpy clicked(&view, &TRoseView::RowClicked);
    Send(view, QEvent::MouseButtonPress, east);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.front().front().toInt(), 0);
    // Beyond the rim nothing is under the cursor, and a click chooses nothing.
    Send(view, QEvent::MouseMove, QPointF(3, 3));
    Send(view, QEvent::MouseButtonPress, QPointF(3, 3));
    QCOMPARE(view.HoveredRow(), -1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(Shown(view), painted);

    view.SetSelectedRow(0);
    QVERIFY(Shown(view) != painted);
}

}  // namespace orvane

QTEST_MAIN(orvane::ChartViewTest)
#include "ChartViewTest.moc"
