// The fetch and wave rose window on real widgets.

#include "core/WaveRose.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>

#include "core/AppState.h"
#include "core/Messages.h"
#include "tests/TestSupport.h"
#include "ui/WaveRoseF.h"

namespace orvane {

class WaveRoseTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void showsTheRoseOfTheProject();
    void stepListRecomputes();
    void projectChangesRecomputeWhileShown();
    void useThisDirectionHandsOnTheSelectedRow();
    void exportWritesTheCsvOrSaysWhyNot();

private:
    AppState state_;
};

// A 10 km square lake in km with the point off centre, and an island.
void WaveRoseTest::init()
{
    ProjectRecord& rec = state_.project;
    SetProjectDefaults(rec);
    test::SetBoundary(rec, 1, test::ClosedRing({{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    test::SetBoundary(rec, 2, test::ClosedRing({{6, 6}, {7, 6}, {7, 7}, {6, 7}}));
    rec.CoordUnits = 3;
    rec.PointX = 3.0f;
    rec.PointY = 4.0f;
    rec.WindDirection = 40.0f;
}

void WaveRoseTest::showsTheRoseOfTheProject()
{
    TWaveRose window(state_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), QStringLiteral("WaveRose"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Fetch and wave rose"));
    QCOMPARE(window.Step(), 10);
    QCOMPARE(window.RoseTable->rowCount(), 36);
    QCOMPARE(window.RoseTable->horizontalHeaderItem(2)->text(), QStringLiteral("Fetch [km]"));
    // Row 0 is the wind along +x: from the east, 7 km to the shore.
    QCOMPARE(window.RoseTable->item(0, 1)->text(), QStringLiteral("90"));
    QCOMPARE(window.RoseTable->item(0, 2)->text(), QStringLiteral("7.000"));
    // The row of the project's own wind is selected.
    QCOMPARE(window.RoseTable->currentRow(), 4);
    QVERIFY(window.UseDirectionBtn->isEnabled());
    QVERIFY(window.InfoLabel->text().contains(QStringLiteral("Fetch in km, Hs in m")));

    state_.project.PointX = -5.0f;  // on land
    window.ComputeRose();
    QVERIFY(window.InfoLabel->text().contains(QStringLiteral("not in the water")));
}

void WaveRoseTest::stepListRecomputes()
{
    TWaveRose window(state_);
    window.ComputeRose();
    QStringList steps;
    for (int i = 0; i < window.StepCombo->count(); ++i)
        steps << window.StepCombo->itemText(i);
    QCOMPARE(steps, (QStringList {"2", "5", "10", "15", "30"}));
    window.StepCombo->setCurrentIndex(0);
    QCOMPARE(window.Rose().stepDeg, 2);
    QCOMPARE(window.RoseTable->rowCount(), 180);
    QCOMPARE(window.RoseTable->item(45, 0)->text(), QStringLiteral("90"));
}

void WaveRoseTest::projectChangesRecomputeWhileShown()
{
    TWaveRose window(state_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const float before = window.Rose().rows[0].heightM;
    state_.project.WindVelocity *= 2.0f;  // a commit of the main window
    QTRY_VERIFY(window.Rose().rows[0].heightM > 1.5f * before);
    window.hide();
    state_.project.WindVelocity /= 2.0f;
    // Hidden: the watch stops, and a change that is reported computes nothing.
    for (const QTimer* timer : window.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY(!timer->isActive());
    window.ProjectChanged();
    QVERIFY(window.Rose().rows[0].heightM > 1.5f * before);
    window.show();
    QCOMPARE(window.Rose().rows[0].heightM, before);
}

void WaveRoseTest::useThisDirectionHandsOnTheSelectedRow()
{
    TWaveRose window(state_);
    window.ComputeRose();
    QSignalSpy chosen(&window, &TWaveRose::DirectionChosen);
    window.RoseTable->selectRow(27);
    QTest::mouseClick(window.UseDirectionBtn, Qt::LeftButton);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().at(0).toFloat(), 270.0f);
    window.RoseTable->clearSelection();
    QVERIFY(!window.UseDirectionBtn->isEnabled());
}

void WaveRoseTest::exportWritesTheCsvOrSaysWhyNot()
{
    TWaveRose window(state_);
    window.ComputeRose();
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("rose.csv"));
    QVERIFY(window.ExportCsv(name));
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), WaveRoseCsv(window.Rose()));

    std::string message;
    ScopedMessageSink sink([&](MessageKind, const std::string& text) { message = text; });
    const QString bad = dir.filePath(QStringLiteral("no/such/folder/rose.csv"));
    QVERIFY(!window.ExportCsv(bad));
    QCOMPARE(QString::fromStdString(message), "cannot read or write file [" + bad + "]");
}

}  // namespace orvane

QTEST_MAIN(orvane::WaveRoseTest)
#include "WaveRoseTest.moc"
