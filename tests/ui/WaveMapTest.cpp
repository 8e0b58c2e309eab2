// The wave map window on the sample Bay: the map computed beside the window
// is the command line's, the cursor reads its cells, Cancel stops a map, and
// the export writes a picture (its screenshot is kept for a look).

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <cstring>
#include <string>

#include "core/AppState.h"
#include "core/ProjectFile.h"
#include "tests/TestSupport.h"
#include "ui/WaveMapF.h"

namespace orvane {

class WaveMapTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(LoadProject(state_.project, std::string(ORVANE_SAMPLES_DIR) + "/Bay.WDT")); }

    void mapsTheProjectAndReadsTheCursor()
    {
        TWaveMap window(state_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Wave map"));
        QVERIFY(window.CellCombo->count() >= 3);
        window.CellCombo->setCurrentIndex(1);
        window.ComputeBtnClick();
        QVERIFY(window.MapProgressBar->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!window.Computing(), 60000);
        QVERIFY(window.ExportBtn->isEnabled());

        // The same cells as the engine's map of the project.
        MapOptions options;
        options.cell = window.CellCombo->currentData().toDouble();
        const MapGridResult expected = ComputeMap(state_.project, options);
        QCOMPARE(window.Map().values.size(), expected.grid.values.size());
        QVERIFY(std::memcmp(window.Map().values.data(), expected.grid.values.data(),
                            expected.grid.values.size() * sizeof(float)) == 0);

        // The cursor over the project's point reads a height there.
        const QPointF at = window.MapView->Layout().ToDevice(state_.project.PointX, state_.project.PointY);
        QMouseEvent move(QEvent::MouseMove, at, window.MapView->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(window.MapView, &move);
        QVERIFY2(window.ValueLabel->text().contains(QStringLiteral("Hs = ")), qPrintable(window.ValueLabel->text()));

        const test::TempDir dir;
        QVERIFY(window.ExportMap(QString::fromStdString(dir.File("bay.png"))));
        QCOMPARE(QImage(QString::fromStdString(dir.File("bay.png"))).width(), kWaveMapWidth);
        window.grab().save(QStringLiteral("wave-map-window.png"));  // in the test's folder, to look at
    }

    void cancelStopsTheMap()
    {
        TWaveMap window(state_);
        window.show();
        window.CellCombo->setCurrentIndex(window.CellCombo->count() - 1);
        window.ComputeBtnClick();
        window.CancelBtn->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.Computing(), 60000);
        QVERIFY(window.Map().values.empty());
        QVERIFY(window.ComputeBtn->isEnabled());
    }

private:
    AppState state_;
};

}  // namespace orvane

QTEST_MAIN(orvane::WaveMapTest)
#include "WaveMapTest.moc"
