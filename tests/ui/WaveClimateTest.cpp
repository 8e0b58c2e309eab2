// The wave climate window on real widgets: a record read and its skipped
// rows said, the run on its worker thread, the results, the export, the
// report, Cancel, and the settings kept in the companion settings.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "core/AppState.h"
#include "core/Format.h"
#include "core/WindRecord.h"
#include "tests/TestSupport.h"
#include "ui/ChartView.h"
#include "ui/WaveClimateF.h"

namespace orvane {

class WaveClimateTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void readsComputesAndShows();
    void exportAndReportWriteTheirFiles();
    void settingsGoToTheCompanionOnClose();

private:
    AppState state_;
    QTemporaryDir dir_;
    QString wind_;
};

// A 10 km square lake in km; three years of a wind turning round the
// compass every 30 hours, with storms every ten days, and two bad rows.
void WaveClimateTest::init()
{
    ProjectRecord& rec = state_.project;
    SetProjectDefaults(rec);
    test::SetBoundary(rec, 1, test::ClosedRing({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    rec.CoordUnits = 3;
    rec.PointX = 4.0f;
    rec.PointY = 5.0f;
    state_.companion = ProjectCompanion();
    std::string text = "time,speed,bearing\n2020-01-01T00:00,,10\n";
    for (int h = 1; h < 3 * 8760; ++h) {
        const double size = 6.0 + (h / 240 % 5);
        const double storm = (h % 240 < 24) ? size * std::sin(3.14159 * (h % 240) / 24.0) : 0.0;
        text += TimestampText(3600LL * h) + Format(",%.1f,%d\n", 4.0 + storm + (h % 7) * 0.3, (h * 12) % 360);
    }
    text += "1970-01-01T05:30,3,10\n";  // out of order
    wind_ = dir_.filePath(QStringLiteral("wind.csv"));
    QFile file(wind_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
}

void WaveClimateTest::readsComputesAndShows()
{
    TWaveClimate window(state_, dir_.filePath(QStringLiteral("Lake.WDT")));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), QStringLiteral("WaveClimate"));
    window.FileEdit->setText(wind_);
    QVERIFY(window.ReadFile());
    QVERIFY2(window.ReadLabel->text().contains(QStringLiteral("26279 rows kept")),
             qPrintable(window.ReadLabel->text()));
    QVERIFY(window.ReadLabel->text().contains(QStringLiteral("1 speed missing, 1 time out of order")));
    window.SectorsCombo->setCurrentText(QStringLiteral("8"));
    window.RunBtnClick();
    QVERIFY(window.Result());
    QCOMPARE(window.ProgressBar->value(), 1000);
    QCOMPARE(window.ReturnTable->rowCount(), 9);  // every direction, then 8 sectors
    QCOMPARE(window.ReturnTable->item(0, 0)->text(), QStringLiteral("all"));
    QVERIFY2(window.ReturnChart->Chart().series.size() >= 2, qPrintable(window.ReturnTable->item(0, 3)->text()));
    QVERIFY(window.OccurrenceTable->rowCount() > 1);
    QVERIFY(window.ExportBtn->isEnabled());
    window.SectorCombo->setCurrentIndex(3);
    QVERIFY(window.ReturnChart->Chart().bottom.title.ends_with(window.Result()->extremes[3].name));

    // A cancel before the first step: nothing new is shown.
    const ClimateResult* before = window.Result();
    window.CancelBtnClick();
    QVERIFY(!window.CancelBtn->isEnabled());
    QCOMPARE(window.Result(), before);
    if (qEnvironmentVariableIsSet("ORVANE_SCREENSHOTS")) {
        window.ResultTabs->setCurrentIndex(qEnvironmentVariableIntValue("ORVANE_SCREENSHOTS"));
        const QString file = QString::fromLocal8Bit(qgetenv("ORVANE_SCREENSHOT_FILE"));
        window.FileEdit->setText(QStringLiteral("station-1970-1972.csv"));  // no machine path in a picture
        window.grab().save(file);
        QVERIFY(window.ReportTo(file + QStringLiteral(".pdf")).ok);
    }
}

void WaveClimateTest::exportAndReportWriteTheirFiles()
{
    TWaveClimate window(state_, dir_.filePath(QStringLiteral("Lake.WDT")));
    QVERIFY(!window.ExportTo(dir_.path()).ok);  // nothing computed yet
    window.FileEdit->setText(wind_);
    window.RunBtnClick();
    QVERIFY(window.Result());
    const QString out = dir_.filePath(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(out));
    QVERIFY(window.ExportTo(out).ok);
    for (const char* name :
         {"series.csv", "occurrence.csv", "extremes.json", "rose-occurrence.png", "return-periods.png"})
        QVERIFY2(QFile::exists(out + "/" + name), name);
    const QString pdf = dir_.filePath(QStringLiteral("climate.pdf"));
    QVERIFY(window.ReportTo(pdf).ok);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QVERIFY(!window.ReportTo(dir_.filePath(QStringLiteral("climate.doc"))).ok);
}

void WaveClimateTest::settingsGoToTheCompanionOnClose()
{
    TWaveClimate window(state_, dir_.filePath(QStringLiteral("Lake.WDT")));
    window.LawCombo->setCurrentIndex(4);  // the fourth law: cem
    window.SectorsCombo->setCurrentText(QStringLiteral("36"));
    window.ThresholdEdit->setText(QStringLiteral("0,8"));
    window.ShiftEdit->setText(QStringLiteral("30"));
    window.CloseBtn->click();
    const ClimateSettings& kept = state_.companion.climate;
    QCOMPARE(kept.law, std::optional(GrowthLaw::Cem));
    QCOMPARE(kept.sectors, 36);
    QCOMPARE(kept.thresholdM, std::optional(0.8));
    QCOMPARE(kept.shiftDeg, 30.0);
    // And back into a new window.
    TWaveClimate again(state_, QString());
    QCOMPARE(again.SectorsCombo->currentText(), QStringLiteral("36"));
    QCOMPARE(again.ThresholdEdit->text(), QStringLiteral("0.8"));
}

}  // namespace orvane

QTEST_MAIN(orvane::WaveClimateTest)
#include "WaveClimateTest.moc"
