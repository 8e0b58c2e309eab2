// The main window's "Wind and growth..." command: the dialog's chain and
// waves, "Use this wind", the law kept in the companion file with the
// project (Save As copying it), and the method group naming the law.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "OrvaneMainTestSupport.h"
#include "core/ProjectCompanion.h"
#include "ui/SpecificWtypeF.h"
#include "ui/WindGrowthF.h"

namespace orvane {

using namespace test;

class OrvaneMainGrowthTest : public QObject {
    Q_OBJECT

private:
    AppState state_;

private slots:
    void init() { CleanProgramFolder(); }
    void cleanup() { TOrvaneMain::SetScreenSizeForTesting(QSize()); }

    void useThisWindWritesU10InTheProjectUnit()
    {
        auto w = ShowWindow(state_);
        const QString project = Folder() + QStringLiteral("Projects/Lake.WDT");
        ProjectRecord rec = RectangleProject(20000, 8000);
        rec.VelocityUnits = kVelocityKilometresPerHour;
        WriteProject(project, rec);
        w->OpenProjectFile(project);

        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<TWindGrowth*>(modal);
            QVERIFY(dialog);
            Type(dialog->SpeedEdit, QStringLiteral("30"));
            dialog->SpeedUnitCombo->setCurrentText(QStringLiteral("knots"));
            Type(dialog->HeightEdit, QStringLiteral("6"));
            Type(dialog->AveragingEdit, QStringLiteral("120"));
            dialog->ExposureCombo->setCurrentIndex(2);  // over land
            // The chain of tests/core/WindAdjustTest.cpp, EveryStepByHand.
            QCOMPARE(dialog->ChainTable->item(6, 1)->text(), QStringLiteral("15.560"));
            QCOMPARE(dialog->WavesTable->rowCount(), 2);
            QVERIFY(dialog->WavesTable->item(0, 4)->text().endsWith(QStringLiteral("-limited")));
            QTest::mouseClick(dialog->UseWindBtn, Qt::LeftButton);
        });
        w->findChild<QAction*>(QStringLiteral("WindGrowth1"))->trigger();
        // 15.5602 m/s in the engine's km/h (0.911 ft/s each): 56.04.
        QCOMPARE(w->Edit5->text(), QStringLiteral(" 56.04"));
        QCOMPARE(state_.project.WindVelocity, 56.04f);
        QCOMPARE(state_.companion.wind.observedSpeed, 30.0);
    }

    void theLawIsKeptWithTheProjectAndShown()
    {
        auto w = ShowWindow(state_);
        const QString project = Folder() + QStringLiteral("Projects/Bay.WDT");
        WriteProject(project, RectangleProject(30000, 20000));
        w->OpenProjectFile(project);
        const QStringList plain = MemoLines(*w);

        OnNextModal([](QWidget* modal) {
            auto* dialog = qobject_cast<TWindGrowth*>(modal);
            QVERIFY(dialog);
            dialog->LawCombo->setCurrentIndex(dialog->LawCombo->findText(QStringLiteral("CEM, u*-based")));
            Type(dialog->DurationEdit, QStringLiteral("0.5"));
            QTest::mouseClick(dialog->OkBtn, Qt::LeftButton);
        });
        w->findChild<QAction*>(QStringLiteral("WindGrowth1"))->trigger();
        const QStringList lines = MemoLines(*w);
        // Broken between words to the results' width, after the results.
        QCOMPARE(lines.first(), QStringLiteral("Wave spectrum"));
        const QString growth = lines.mid(plain.size()).join(QLatin1Char(' ')).trimmed();
        QVERIFY2(growth.startsWith(QStringLiteral("Growth law: CEM, u*-based, 0.5 h duration-limited: 0.5 h needs ")),
                 qPrintable(growth));
        QVERIFY(growth.endsWith(QStringLiteral(" h for this fetch")));
        QVERIFY(w->SpecificWtype1->RadioGroup1->Caption().endsWith(QStringLiteral("growth law: CEM, u*-based, 0.5 h")));

        // Saved with the project; Save As takes it along to the new name.
        QVERIFY(w->SaveCurrentFile());
        QVERIFY(QFile::exists(project + QStringLiteral(".json")));
        const QString copy = Folder() + QStringLiteral("Projects/Copy.WDT");
        w->SaveProjectAs(copy);
        ProjectCompanion again;
        QCOMPARE(again.Load(copy.toStdString()), ProjectCompanion::LoadState::Loaded);
        QCOMPARE(again.growth, (GrowthOptions {GrowthLaw::Cem, 0.5}));

        // A project without one computes as it always did.
        const QString plainProject = Folder() + QStringLiteral("Projects/Plain.WDT");
        WriteProject(plainProject, RectangleProject(30000, 20000));
        w->OpenProjectFile(plainProject);
        QCOMPARE(MemoLines(*w), plain);
        QCOMPARE(w->SpecificWtype1->RadioGroup1->Caption(), QStringLiteral("Significant wave computation method"));
        QVERIFY(w->SaveCurrentFile());
        QVERIFY(!QFile::exists(plainProject + QStringLiteral(".json")));
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainGrowthTest)
#include "OrvaneMainGrowthTest.moc"
