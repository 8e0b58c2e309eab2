// The main window as a data-entry surface: what typing, Enter, the spin
// buttons, the lists, the check box and the method groups do to the project
// record, the region picture and the results, driven through the controls.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <clocale>
#include <cmath>
#include <limits>

#include "OrvaneMainTestSupport.h"
#include "core/Fetch.h"
#include "core/Text1252.h"
#include "tools/FixedText.h"
#include "tools/VersionText.h"
#include "tools/help/HelpCommands.h"
#include "tools/help/HelpSystem.h"
#include "tools/help/HtmlHelpViewerF.h"
#include "ui/ColumnSplitter.h"
#include "ui/DirectionalWtypeF.h"
#include "ui/GridFrameF.h"
#include "ui/RegionPicture.h"
#include "ui/SpecificWtypeF.h"
#include "ui/SpectrumTypeF.h"
#include "ui/SpinButton.h"
#include "ui/StringGridExtF.h"

namespace orvane {

namespace {
// A shown top-level window (a tool or the help viewer) by object name.
QWidget* findVisibleTopLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}
}  // namespace

using namespace orvane::test;

namespace {

QString Deg(const char* text1252) { return QString::fromStdString(Cp1252ToUtf8(text1252)); }

QToolButton* Arrow(TSpinButton* spin, bool up)
{
    return spin->findChild<QToolButton*>(up ? QStringLiteral("UpButton") : QStringLiteral("DownButton"));
}

}  // namespace

class OrvaneMainInputsTest : public QObject {
    Q_OBJECT

private:
    AppState state_;
    std::unique_ptr<TOrvaneMain> w_;
    QString project_;

    // Opens rec from a file in the test's Projects folder.
    void Open(const ProjectRecord& rec)
    {
        project_ = Folder() + QStringLiteral("Projects/Input.WDT");
        WriteProject(project_, rec);
        w_->OpenProjectFile(project_);
        QVERIFY(w_->FileOpen);
        QVERIFY(w_->ControlsReady);
    }

    void CheckMemoIsTheEngines() { QCOMPARE(MemoLines(*w_), EngineLines(state_.project)); }

private slots:
    void init()
    {
        CleanProgramFolder();
        w_ = ShowWindow(state_);
    }
    void cleanup()
    {
        w_.reset();
        TOrvaneMain::SetScreenSizeForTesting(QSize());
    }

    void startShowsTheDefaultsWithNothingToCommit()
    {
        QVERIFY(!w_->FileOpen);
        QVERIFY(!w_->ControlsReady);
        QCOMPARE(w_->windowTitle(), QString::fromStdString(FixedText(FixedTextId::ProgramTitle)));
        for (QPushButton* b : {w_->ComputeBtn, w_->PlotBtn, w_->ReportBtn})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QCOMPARE(w_->Edit3->text(), QStringLiteral(" 45.00"));
        QCOMPARE(w_->UnitsCombo->currentText(), QStringLiteral("Km"));
        QCOMPARE(w_->Label5->text(), QStringLiteral("x [km]="));
        QCOMPARE(w_->ComboYesNo->currentText(), QStringLiteral("No"));
        QCOMPARE(w_->PageControl1->currentIndex(), 0);
        QVERIFY(w_->Computation->Memo2->toPlainText().isEmpty());
        QVERIFY(w_->Label10->text().isEmpty());
        QCOMPARE(w_->StatusPanel0->text(), QString::fromStdString(FixedText(FixedTextId::ProgramName)) +
                                               QStringLiteral("  ") +
                                               QString::fromStdString(VersionText(kVersionShort)));

        // Enter and the commands do nothing without a file: the record keeps
        // its defaults and nothing is computed.
        const ProjectRecord before = state_.project;
        Type(w_->Edit3, QStringLiteral("10"), true);
        w_->ComputeBtnClick();
        QCOMPARE(state_.project.WindDirection, before.WindDirection);
        QVERIFY(w_->Computation->Memo2->toPlainText().isEmpty());
    }

    void controlsCarryTheirNamesAndHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("region ?") << "SpeedButton2"
                                  << "Help on region data";
        QTest::newRow("wind ?") << "SpeedButton1"
                                << "Help on Wind data";
        QTest::newRow("directional ?") << "SpeedButton3"
                                       << "Help on Directional spectra effects";
        QTest::newRow("spectrum ?") << "SpeedButton4"
                                    << "Help on Spectrum type";
        QTest::newRow("significant ?") << "SpeedButton5"
                                       << "Help on Specific wave computation";
        QTest::newRow("compute") << "ComputeBtn"
                                 << "wave forecasting for the region";
        QTest::newRow("report") << "ReportBtn"
                                << "preview the report";
        QTest::newRow("refresh") << "PlotBtn"
                                 << "refresh region graph";
        QTest::newRow("draw region") << "BitBtn1"
                                     << "go to graphics modulus";
    }
    void controlsCarryTheirNamesAndHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        auto* control = w_->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->toolTip(), hint);
    }

    void namedControlsAndListsAreThere()
    {
        const char* names[] = {"Edit1",
                               "Edit2",
                               "Edit3",
                               "Edit4",
                               "Edit5",
                               "Edit6",
                               "SpinButton1",
                               "SpinButton2",
                               "SpinButton3",
                               "SpinButton4",
                               "SpinButton5",
                               "SpinButton6",
                               "SpinEdit1",
                               "UnitsCombo",
                               "VunitsCombo",
                               "ComboYesNo",
                               "NodeNumbersCheckBox",
                               "Label10",
                               "GFrame1",
                               "GFrame2",
                               "GFrame3",
                               "GFrame4",
                               "GFrame5",
                               "Computation",
                               "Memo2",
                               "PlotSpec",
                               "PlotTime",
                               "DirectionalWtype1",
                               "SpectrumType1",
                               "SpecificWtype1",
                               "Plot",
                               "PlotPanel",
                               "GraphPanel",
                               "LabelftORm",
                               "Label5",
                               "Label6",
                               "Label3",
                               "Label4",
                               "ImageAngle",
                               "PageControl1",
                               "StatusBar"};
        for (const char* name : names)
            QVERIFY2(w_->findChild<QWidget*>(QLatin1String(name)), name);
        auto items = [](QComboBox* c) {
            QStringList list;
            for (int i = 0; i < c->count(); ++i)
                list << c->itemText(i);
            return list;
        };
        QCOMPARE(items(w_->UnitsCombo), QStringList({"m", "Km", "ft", "Miles"}));
        QCOMPARE(items(w_->VunitsCombo), QStringList({"m/sec", "Km/hr", "ft/sec", "m.p.h."}));
        QCOMPARE(items(w_->ComboYesNo), QStringList({"No", "Yes"}));
        QCOMPARE(w_->SpinEdit1->minimum(), 1);
        QCOMPARE(w_->SpinEdit1->maximum(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w_->PageControl1->tabText(i), QStringList({"Outer", "Int-1", "Int-2", "Int-3", "Int-4"})[i]);
        QCOMPARE(w_->Label3->text(), Deg("Wind direction [\xB0]"));
        QCOMPARE(w_->Label4->text(), Deg("Wind sector [\xB0]"));
        QCOMPARE(w_->DirectionalWtype1->RadioGroup1->Caption(), QStringLiteral("Directional spectrum effect method"));
        QCOMPARE(w_->DirectionalWtype1->RadioGroup1->Items(),
                 QStringList({"Effective fetch ", "Savillle ", "Seymour"}));
        QCOMPARE(w_->DirectionalWtype1->RadioGroup1->Columns(), 3);
        QCOMPARE(w_->SpectrumType1->RadioGroup1->Caption(), QStringLiteral("Spectrum type"));
        QCOMPARE(w_->SpectrumType1->RadioGroup1->Columns(), 2);
        QCOMPARE(w_->SpecificWtype1->RadioGroup1->Caption(), QStringLiteral("Significant wave computation method"));
        QCOMPARE(w_->SpecificWtype1->RadioGroup1->Items(),
                 QStringList({"Bretschneider ", "Bretschneider(depth) ", "Wilson"}));
        QCOMPARE(w_->SpecificWtype1->RadioGroup1->Columns(), 3);
    }

    void menusHoldOnlyWorkingItemsWithoutAccelerators()
    {
        QStringList bar;
        for (QAction* a : w_->menuBar()->actions())
            if (a->isVisible())
                bar << a->text();
        QCOMPARE(bar, QStringList({"File", "Tools", "Actions", "Report", "Help", "Update"}));
        QVERIFY(!w_->ContuctUsMenu->isVisible());
        QVERIFY(!w_->ContuctUsMenu->isEnabled());
        QStringList file;
        for (QAction* a : w_->File1->actions())
            file << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(file, QStringList({"New1", "Open1", "Save1", "Projecttitle1", "-", "InputCoord01", "OutputCoordinates",
                                    "ImportShoreline1", "ExportGis1", "PointFromLonLat1", "-", "Printer1", "-", "Exit1",
                                    "-", "LastFile"}));
        const QList<QAction*> help = w_->Help1->actions();
        QVERIFY(help.size() > 2);
        QCOMPARE(help[0]->objectName(), QStringLiteral("HelpContents"));
        QCOMPARE(help[1], w_->HelpCommands->setHelpmenu->menuAction());
        for (QAction* a : w_->findChildren<QAction*>())
            QVERIFY2(!a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
        QCOMPARE(w_->Save1->text(), QStringLiteral("Save As.."));
        QCOMPARE(w_->Kavro1->text(), QStringLiteral("Kavro "));
        QCOMPARE(w_->UptadeProgramMenu->text(), QStringLiteral("Uptade Program"));
        // Without accelerator letters, F10 reaches the menus from the keyboard.
        QTest::keyClick(w_.get(), Qt::Key_F10);
        QCOMPARE(w_->menuBar()->activeAction(), w_->File1->menuAction());
    }

    void everyMenuCommandIsExplainedInTheHelp()
    {
        // The help names each command by its caption: a command added to the
        // menus without a word in the help, or renamed, fails here.
        QString pages;
        const QDir sources(QStringLiteral(ORVANE_HELP_SOURCE));
        for (const QString& name : sources.entryList({QStringLiteral("*.htm")})) {
            QFile page(sources.filePath(name));
            QVERIFY(page.open(QIODevice::ReadOnly));
            pages += QString::fromUtf8(page.readAll());
        }
        QStringList missing;
        std::vector<QMenu*> menus;
        for (QAction* a : w_->menuBar()->actions())
            if (a->isVisible() && a->menu())
                menus.push_back(a->menu());
        for (std::size_t m = 0; m < menus.size(); ++m) {
            for (QAction* a : menus[m]->actions()) {
                if (a->isSeparator() || !a->isVisible() || a == w_->LastFile)
                    continue;
                if (a->menu())
                    menus.push_back(a->menu());
                const QString caption = a->text().section(QStringLiteral("  ["), 0, 0);  // "Help mode  [...]"
                if (!pages.contains(QLatin1Char('"') + caption + QLatin1Char('"')) &&
                    !pages.contains(QLatin1Char('>') + caption + QLatin1Char('<')))
                    missing << caption;
            }
        }
        QVERIFY(menus.size() >= 7);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }

    void toolAndHelpCommandsOpenTheirWindows()
    {
        w_->findChild<QAction*>(QStringLiteral("UnitConversion"))->trigger();
        auto* tool = findVisibleTopLevel("GenUniConvesion");
        QVERIFY(tool);
        tool->close();
        // A fresh program folder starts in HTML Help mode (its default settings file).
        SetHelpMode(kHtmlHelp);
        w_->findChild<QAction*>(QStringLiteral("HelpContents"))->trigger();
        QWidget* viewer = findVisibleTopLevel("HtmlHelpViewer");
        QVERIFY(viewer);
        viewer->close();
        w_->FAQMenu->trigger();
        viewer = findVisibleTopLevel("HtmlHelpViewer");
        QVERIFY(viewer);
        viewer->close();
        // F1 opens the topic of the input group the focus is in.
        const std::pair<QWidget*, QString> places[] = {
            {w_->Edit3, "WindData"},
            {w_->Edit6, "WindData"},
            {w_->GFrame1, "RegionCoordinates"},
            {w_->DirectionalWtype1->findChild<QRadioButton*>(), "DirectionalEffects"},
            {w_->SpecificWtype1->findChild<QRadioButton*>(), "HsTs"},
            {w_->Edit1, "Contents"}};
        for (const auto& [widget, topic] : places) {
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key_F1);
            auto* shown = qobject_cast<THtmlHelpViewer*>(findVisibleTopLevel("HtmlHelpViewer"));
            QVERIFY2(shown && shown->CurrentTopic() == "/" + topic + ".htm", qPrintable(topic));
            shown->close();
        }
    }

    void typingWithoutEnterChangesNothingUntilComputeWaves()
    {
        Open(RectangleProject(1000, 800));
        const ProjectRecord committed = state_.project;
        const QStringList shown = MemoLines(*w_);
        CheckMemoIsTheEngines();

        Type(w_->Edit3, QStringLiteral("30"));
        Type(w_->Edit5, QStringLiteral("35"));
        QCOMPARE(state_.project.WindDirection, committed.WindDirection);
        QCOMPARE(state_.project.WindVelocity, committed.WindVelocity);
        QCOMPARE(MemoLines(*w_), shown);

        QTest::mouseClick(w_->ComputeBtn, Qt::LeftButton);
        QCOMPARE(state_.project.WindDirection, 30.0f);
        QCOMPARE(state_.project.WindVelocity, 35.0f);
        QCOMPARE(w_->Edit3->text(), QStringLiteral(" 30.00"));
        QVERIFY(MemoLines(*w_) != shown);
        CheckMemoIsTheEngines();
    }

    void enterCommitsWithTheClamps_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("shown");
        const int ret = Qt::Key_Return;
        const int pad = Qt::Key_Enter;
        QTest::newRow("sector 200") << "Edit4"
                                    << "200" << ret << 180.0f << "180.00";
        QTest::newRow("sector 2") << "Edit4"
                                  << "2" << pad << 4.0f << "  4.00";
        QTest::newRow("sector empty") << "Edit4"
                                      << "" << ret << 4.0f << "  4.00";
        QTest::newRow("depth 1") << "Edit6"
                                 << "1" << ret << 5.0f << "   5.000";
        QTest::newRow("velocity empty") << "Edit5"
                                        << "" << pad << 5.0f << "  5.00";
        QTest::newRow("velocity 4.5") << "Edit5"
                                      << "4.5" << ret << 5.0f << "  5.00";
        QTest::newRow("direction empty") << "Edit3"
                                         << "" << ret << 0.0f << "  0.00";
        QTest::newRow("direction not clamped") << "Edit3"
                                               << "500" << ret << 500.0f << "500.00";
        QTest::newRow("direction no number") << "Edit3"
                                             << "abc" << ret << 60.0f << " 60.00";
        QTest::newRow("x with comma") << "Edit1"
                                      << "12,5" << ret << 12.5f << "  12.500";
        QTest::newRow("y blanks") << "Edit2"
                                  << " 1 00 " << pad << 100.0f << " 100.000";
    }
    void enterCommitsWithTheClamps()
    {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(float, stored);
        QFETCH(QString, shown);
        Open(RectangleProject(1000, 800));
        auto* field = w_->findChild<QLineEdit*>(edit);
        Type(field, typed);
        QTest::keyClick(field, static_cast<Qt::Key>(key));
        const std::array<float, 6> values {state_.project.PointX,        state_.project.PointY,
                                           state_.project.WindDirection, state_.project.SectorAngle,
                                           state_.project.WindVelocity,  state_.project.Depth};
        QCOMPARE(values[static_cast<std::size_t>(edit.right(1).toInt() - 1)], stored);
        QCOMPARE(field->text(), shown);
        CheckMemoIsTheEngines();
    }

    void damagedValuesMeetTheLimitsAtTheFirstCommit()
    {
        ProjectRecord rec = RectangleProject(1000, 800);
        rec.SectorAngle = std::numeric_limits<float>::quiet_NaN();
        rec.WindVelocity = std::numeric_limits<float>::infinity();
        rec.Depth = -std::numeric_limits<float>::quiet_NaN();
        Open(rec);  // shown and computed as the file holds them
        QVERIFY(std::isnan(state_.project.SectorAngle));
        QTest::mouseClick(w_->ComputeBtn, Qt::LeftButton);
        QCOMPARE(state_.project.SectorAngle, 4.0f);
        QCOMPARE(state_.project.WindVelocity, std::numeric_limits<float>::infinity());
        QCOMPARE(state_.project.Depth, 5.0f);
        QCOMPARE(w_->Edit6->text(), QStringLiteral("   5.000"));
        CheckMemoIsTheEngines();
    }

    void enterInTheVelocityListCommitsEverything()
    {
        Open(RectangleProject(1000, 800));
        Type(w_->Edit4, QStringLiteral("40"));
        QTest::keyClick(w_->VunitsCombo, Qt::Key_Return);
        QCOMPARE(state_.project.SectorAngle, 40.0f);
        CheckMemoIsTheEngines();
    }

    void spinButtonStepsAndLimits_data()
    {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<float>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("direction down past -180 once") << "SpinButton3"
                                                       << "-179.5" << false << 3 << -180.5f << "-180.50";
        QTest::newRow("direction up past 360 once") << "SpinButton3"
                                                    << "359.5" << true << 3 << 360.5f << "360.50";
        QTest::newRow("direction from typed text") << "SpinButton3"
                                                   << "10" << true << 1 << 11.0f << " 11.00";
        QTest::newRow("sector stops at 180") << "SpinButton4"
                                             << "179" << true << 3 << 180.0f << "180.00";
        QTest::newRow("sector stops at 4") << "SpinButton4"
                                           << "6" << false << 5 << 4.0f << "  4.00";
        QTest::newRow("velocity 6 down is clamped to 5") << "SpinButton5"
                                                         << "6" << false << 1 << 5.0f << "  5.00";
        QTest::newRow("velocity up by 2") << "SpinButton5"
                                          << "20" << true << 2 << 24.0f << " 24.00";
        QTest::newRow("velocity up stops at 1000") << "SpinButton5"
                                                   << "999" << true << 2 << 1001.0f << "1001.00";
        QTest::newRow("depth down stops above 15") << "SpinButton6"
                                                   << "35" << false << 4 << 15.0f << "  15.000";
        QTest::newRow("depth up has no limit") << "SpinButton6"
                                               << "5000" << true << 1 << 5010.0f << "5010.000";
    }
    void spinButtonStepsAndLimits()
    {
        QFETCH(QString, spin);
        QFETCH(QString, start);
        QFETCH(bool, up);
        QFETCH(int, clicks);
        QFETCH(float, stored);
        QFETCH(QString, shown);
        Open(RectangleProject(1000, 800));
        const int index = spin.right(1).toInt();
        auto* field = w_->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(index));
        Type(field, start);  // typed, not committed: the click takes it
        auto* button = w_->findChild<TSpinButton*>(spin);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(Arrow(button, up), Qt::LeftButton);
        const std::array<float, 6> values {state_.project.PointX,        state_.project.PointY,
                                           state_.project.WindDirection, state_.project.SectorAngle,
                                           state_.project.WindVelocity,  state_.project.Depth};
        QCOMPARE(values[static_cast<std::size_t>(index - 1)], stored);
        QCOMPARE(field->text(), shown);
        CheckMemoIsTheEngines();
    }

    void chartsFollowAJumpFromTinyToHugeWaves()
    {
        ProjectRecord rec = RectangleProject(100, 80);
        rec.WindVelocity = 5;
        Open(rec);
        const double tinyMax = w_->Computation->ShownSpectrum().left.max;
        Type(w_->Edit5, QStringLiteral("1000"), true);
        QVERIFY(w_->Computation->ShownSpectrum().left.max > 1000 * tinyMax);
        CheckMemoIsTheEngines();
    }

    void spinWithoutFileStepsTheRecordUnclamped()
    {
        Type(w_->Edit5, QStringLiteral("6"));
        w_->SpinButton5DownClick();
        QCOMPARE(state_.project.WindVelocity, 4.0f);
        QCOMPARE(w_->Edit5->text(), QStringLiteral("  4.00"));
        QVERIFY(w_->Computation->Memo2->toPlainText().isEmpty());
    }

    void pointStepIsOnePercentOfTheDrawnSpan()
    {
        // 2000 wide and 500 high: both spans hold the larger range.
        Open(RectangleProject(2000, 500));
        QCOMPARE(state_.project.PlotSpanX, 2000.0f);
        QCOMPARE(state_.project.PlotSpanY, 2000.0f);
        const float x = state_.project.PointX;
        const float y = state_.project.PointY;
        QTest::mouseClick(Arrow(w_->SpinButton1, true), Qt::LeftButton);
        QTest::mouseClick(Arrow(w_->SpinButton2, false), Qt::LeftButton);
        QCOMPARE(state_.project.PointX, x + 20.0f);
        QCOMPARE(state_.project.PointY, y - 20.0f);
        QCOMPARE(w_->Edit1->text(), QStringLiteral("1020.000"));
        CheckMemoIsTheEngines();
    }

    void unitsChangeRelabelsOnly()
    {
        ProjectRecord rec = RectangleProject(1000, 800, 2);
        Open(rec);
        const ProjectRecord before = state_.project;
        auto* grid = w_->GFrame1->StringGrid();
        w_->UnitsCombo->setCurrentIndex(1);  // "Km"
        QCOMPARE(state_.project.CoordUnits, 3);
        QCOMPARE(w_->Label5->text(), QStringLiteral("x [km]="));
        QCOMPARE(w_->Label6->text(), QStringLiteral("y [km]="));
        QCOMPARE(w_->LabelftORm->text(), QStringLiteral("[m]"));
        QCOMPARE(grid->Cell(1, 0), QStringLiteral(" x [km]"));
        QCOMPARE(state_.project.PointX, before.PointX);
        QCOMPARE(state_.project.Depth, before.Depth);
        for (int i = 0; i <= before.NodeCount[1]; ++i) {
            QCOMPARE(state_.project.NodeX[1][i], before.NodeX[1][i]);
            QCOMPARE(state_.project.NodeY[1][i], before.NodeY[1][i]);
        }
        QCOMPARE(w_->Edit1->text(), QStringLiteral(" 500.000"));
        QVERIFY(w_->Label10->text().endsWith(QStringLiteral(" km")));
        CheckMemoIsTheEngines();

        w_->UnitsCombo->setCurrentIndex(3);  // "Miles": depth in feet
        QCOMPARE(state_.project.CoordUnits, 1);
        QCOMPARE(w_->LabelftORm->text(), QStringLiteral("[ft]"));
        QCOMPARE(w_->Label5->text(), QStringLiteral("x [miles]="));
        QCOMPARE(state_.project.Depth, before.Depth);
    }

    void boundaryCountDownAndUpKeepsTheRows()
    {
        ProjectRecord rec = RectangleProject(1000, 800);
        rec.BoundaryCount = 3;
        SetBoundary(rec, 2, ClosedRing({{100, 500}, {200, 500}, {200, 600}}));
        SetBoundary(rec, 3, ClosedRing({{600, 500}, {700, 500}, {700, 600}, {600, 600}}));
        Open(rec);
        QVERIFY(w_->PageControl1->isTabVisible(2));
        QCOMPARE(state_.project.NodeCount[3], 5);

        QTest::keyClick(w_->SpinEdit1, Qt::Key_Down);
        QCOMPARE(w_->SpinEdit1->value(), 2);
        QCOMPARE(state_.project.BoundaryCount, 2);
        QVERIFY(w_->PageControl1->isTabVisible(1));
        QVERIFY(!w_->PageControl1->isTabVisible(2));
        QCOMPARE(w_->GFrame3->StringGrid()->Cell(1, 4), QStringLiteral(" 600.000"));
        CheckMemoIsTheEngines();

        QTest::keyClick(w_->SpinEdit1, Qt::Key_Up);
        QCOMPARE(state_.project.BoundaryCount, 3);
        QVERIFY(w_->PageControl1->isTabVisible(2));
        QCOMPARE(state_.project.NodeCount[3], 5);
        QCOMPARE(state_.project.NodeX[3][2], 700.0f);
        QCOMPARE(state_.project.NodeY[3][4], 600.0f);
        CheckMemoIsTheEngines();
    }

    void spinEditTakesNoTypedText()
    {
        Open(RectangleProject(1000, 800));
        QTest::keyClicks(w_->SpinEdit1, QStringLiteral("4"));
        QCOMPARE(w_->SpinEdit1->value(), 1);
        QCOMPARE(state_.project.BoundaryCount, 1);
    }

    void graphAsYouEnter_data()
    {
        QTest::addColumn<int>("yesNo");
        QTest::newRow("No: Enter only moves on") << 0;
        QTest::newRow("Yes: Enter redraws and recomputes") << 1;
    }
    void graphAsYouEnter()
    {
        QFETCH(int, yesNo);
        Open(RectangleProject(1000, 800));
        w_->ComboYesNo->setCurrentIndex(yesNo);
        const qint64 picture = w_->Plot->Picture().cacheKey();
        const float elevation = state_.results.Elevation[10];
        auto* grid = w_->GFrame1->StringGrid();
        grid->SetCell(1, 3, QStringLiteral("1500"));  // node 3 moves right
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        if (yesNo == 0) {
            QCOMPARE(state_.project.NodeX[1][3], 1000.0f);
            QCOMPARE(w_->Plot->Picture().cacheKey(), picture);
            QCOMPARE(state_.results.Elevation[10], elevation);
            // A value commit leaves the grids alone as well...
            QTest::mouseClick(Arrow(w_->SpinButton3, true), Qt::LeftButton);
            QCOMPARE(state_.project.NodeX[1][3], 1000.0f);
            // ...and the next full commit takes them.
            QTest::keyClick(w_->Edit6, Qt::Key_Return);
        } else {
            QVERIFY(w_->Plot->Picture().cacheKey() != picture);
            QVERIFY(state_.results.Elevation[10] != elevation);
        }
        QCOMPARE(state_.project.NodeX[1][3], 1500.0f);
        QCOMPARE(state_.project.PlotMaxX, 1500.0f);
        CheckMemoIsTheEngines();
    }

    void nodeNumbersRedrawWithoutRecomputing()
    {
        Open(RectangleProject(1000, 800));
        const qint64 picture = w_->Plot->Picture().cacheKey();
        const float elevation = state_.results.Elevation[10];
        QTest::mouseClick(w_->NodeNumbersCheckBox, Qt::LeftButton);
        QVERIFY(w_->NodeNumbersCheckBox->isChecked());
        QVERIFY(w_->Plot->Picture().cacheKey() != picture);
        QCOMPARE(state_.results.Elevation[10], elevation);
    }

    void fetchLabelReadsTheFetchAlongTheWind()
    {
        ProjectRecord rec = RectangleProject(1000, 800);
        rec.WindDirection = 45;  // from (500, 200) to the right shore: 500 * sqrt(2)
        Open(rec);
        QVERIFY(std::fabs(WindDirectionFetch(state_.project) - 707.1f) < 0.05f);
        QCOMPARE(w_->Label10->text(), Deg("at angle 45.00\xB0,   fetch=707.11 m"));
    }

    void methodGroupsShowWhatIsComputed_data()
    {
        QTest::addColumn<int>("directional");
        QTest::addColumn<int>("spectrum");
        QTest::addColumn<int>("significant");
        QTest::addColumn<int>("shownDirectional");
        QTest::addColumn<int>("shownSpectrum");
        QTest::addColumn<int>("shownSignificant");
        QTest::newRow("default spectrum code 2, Seymour") << 2 << 2 << 0 << 2 << 1 << 0;
        QTest::newRow("codes past the last item") << 9 << 5 << 7 << 2 << 1 << 2;
        QTest::newRow("codes in range") << 1 << 0 << 1 << 1 << 0 << 1;
    }
    void methodGroupsShowWhatIsComputed()
    {
        QFETCH(int, directional);
        QFETCH(int, spectrum);
        QFETCH(int, significant);
        QFETCH(int, shownDirectional);
        QFETCH(int, shownSpectrum);
        QFETCH(int, shownSignificant);
        ProjectRecord rec = RectangleProject(20000, 15000);
        rec.DirectionalMethod = directional;
        rec.SpectrumType = spectrum;
        rec.SignificantMethod = significant;
        Open(rec);
        QCOMPARE(w_->DirectionalWtype1->RadioGroup1->ItemIndex(), shownDirectional);
        QCOMPARE(w_->SpectrumType1->RadioGroup1->ItemIndex(), shownSpectrum);
        QCOMPARE(w_->SpecificWtype1->RadioGroup1->ItemIndex(), shownSignificant);
        // The first results already belong to the choices shown.
        ProjectRecord asShown = rec;
        asShown.DirectionalMethod = shownDirectional;
        asShown.SpectrumType = shownSpectrum;
        asShown.SignificantMethod = shownSignificant;
        QCOMPARE(MemoLines(*w_), EngineLines(asShown));
        QCOMPARE(state_.project.SpectrumType, shownSpectrum);
    }

    void defaultSpectrumCodeComputesJonswap()
    {
        // Left as stored, the default code 2 would compute as Pierson-Moskowitz
        // under a JONSWAP choice; the spectra tell the two apart.
        ProjectRecord rec = RectangleProject(20, 15, 3);  // km, with a 60 km/h wind
        rec.WindVelocity = 60;
        auto spectrum = [](ProjectRecord r, int type) {
            r.SpectrumType = type;
            WaveResults results {};
            RandomGenerator random(1);
            ComputeWaves(r, results, random);
            return std::vector<float>(results.Density + 1, results.Density + 65);
        };
        const std::vector<float> jonswap = spectrum(rec, 1);
        QVERIFY(jonswap != spectrum(rec, 0));
        for (const int method : {0, 1, 2}) {
            rec.DirectionalMethod = method;
            rec.SpectrumType = 2;
            Open(rec);
            QCOMPARE(std::vector<float>(state_.results.Density + 1, state_.results.Density + 65), spectrum(rec, 1));
        }
    }

    void methodChoiceRecomputes()
    {
        Open(RectangleProject(20000, 15000));
        QCOMPARE(state_.project.SpectrumType, 1);
        auto* pm = w_->SpectrumType1->findChild<QRadioButton*>(QStringLiteral("RadioItem0"));
        QTest::mouseClick(pm, Qt::LeftButton);
        QCOMPARE(state_.project.SpectrumType, 0);
        CheckMemoIsTheEngines();
        auto* wilson = w_->SpecificWtype1->findChild<QRadioButton*>(QStringLiteral("RadioItem2"));
        QTest::mouseClick(wilson, Qt::LeftButton);
        QCOMPARE(state_.project.SignificantMethod, 2);
        CheckMemoIsTheEngines();
    }

    void velocityUnitsCommitTheValues()
    {
        Open(RectangleProject(20000, 15000));
        Type(w_->Edit5, QStringLiteral("40"));
        w_->VunitsCombo->setCurrentIndex(2);  // ft/sec
        QCOMPARE(state_.project.VelocityUnits, 2);
        QCOMPARE(state_.project.WindVelocity, 40.0f);
        CheckMemoIsTheEngines();
    }

    void refreshGraphRedrawsWithoutRecomputing()
    {
        Open(RectangleProject(1000, 800));
        const float elevation = state_.results.Elevation[10];
        w_->GFrame1->StringGrid()->SetCell(2, 3, QStringLiteral("900"));
        QTest::mouseClick(w_->PlotBtn, Qt::LeftButton);
        QCOMPARE(state_.project.NodeY[1][3], 900.0f);
        QCOMPARE(state_.project.PlotMaxY, 900.0f);
        QCOMPARE(state_.results.Elevation[10], elevation);
    }

    void numbersShowADotWhateverTheLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        ProjectRecord rec = RectangleProject(1000.5f, 800);
        Open(rec);
        QLocale::setDefault(saved);
        if (german)
            std::setlocale(LC_NUMERIC, "C");
        for (QLineEdit* e : {w_->Edit1, w_->Edit2, w_->Edit3, w_->Edit4, w_->Edit5, w_->Edit6}) {
            QVERIFY2(e->text().contains(QLatin1Char('.')), qPrintable(e->text()));
            QVERIFY2(!e->text().contains(QLatin1Char(',')), qPrintable(e->text()));
        }
        QVERIFY(w_->Label10->text().section(QStringLiteral("fetch="), 1).contains(QLatin1Char('.')));
        for (const QString& line : MemoLines(*w_))
            QVERIFY2(!line.contains(QLatin1Char(',')), qPrintable(line));
        CheckMemoIsTheEngines();
    }

    void pixelAspect_data()
    {
        QTest::addColumn<QSizeF>("mm");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<float>("aspect");
        QTest::newRow("no physical size") << QSizeF(0, 0) << QSize(1280, 800) << 1.0f;
        QTest::newRow("no height") << QSizeF(340, 0) << QSize(1280, 800) << 1.0f;
        QTest::newRow("no pixels") << QSizeF(340, 210) << QSize(0, 0) << 1.0f;
        QTest::newRow("square pixels") << QSizeF(338.7, 211.7) << QSize(1280, 800) << 1.0f;
        QTest::newRow("wide pixels") << QSizeF(400, 200) << QSize(1000, 800) << 1.6f;
        QTest::newRow("made-up size") << QSizeF(1, 500) << QSize(1280, 800) << 1.0f;
    }
    void pixelAspect()
    {
        QFETCH(QSizeF, mm);
        QFETCH(QSize, pixels);
        QFETCH(float, aspect);
        QVERIFY(std::fabs(TOrvaneMain::PixelAspectOf(mm, pixels) - aspect) < 1e-3f);
    }

    void pictureKeepsSquarePixels()
    {
        Open(RectangleProject(1000, 800));
        QVERIFY(std::isfinite(w_->PixelAspect) && w_->PixelAspect > 0.0f);
        w_->PixelAspect = 1.0f;
        w_->GraphPanelResize();
        const QRect panel = w_->PlotPanel->rect();
        const QRect plot = w_->Plot->geometry();
        QCOMPARE(plot.width(), plot.height());
        QVERIFY(panel.contains(plot));
        QVERIFY(plot.width() == panel.width() || plot.height() == panel.height());
        // Pixels twice as wide as high: a square picture is twice as many pixels high.
        w_->PixelAspect = 2.0f;
        w_->resize(1200, 900);
        QTRY_VERIFY(w_->Plot->height() == 2 * w_->Plot->width() || w_->Plot->height() == w_->PlotPanel->height());
        QVERIFY(std::abs(w_->Plot->height() - 2 * w_->Plot->width()) <= 1);
    }

    void columnsKeepTheirShares()
    {
        auto shares = [this] {
            const QList<int> s = w_->Splitter1->sizes();
            const double total = s[0] + s[1] + s[2];
            return std::array<double, 3> {s[0] / total, s[1] / total, s[2] / total};
        };
        // At 1024 pixels the left column takes more than its share: its grids
        // show whole coordinates in their full font.
        QTRY_VERIFY(std::fabs(shares()[2] - 0.38) < 0.01);
        QVERIFY(shares()[0] > 0.17);
        QVERIFY(w_->GFrame1->width() >= w_->GFrame1->sizeHint().width());
        w_->resize(1260, 760);
        QTRY_COMPARE(w_->Splitter1->width(), 1260);
        QVERIFY(std::fabs(shares()[0] - 0.17) < 0.01);
        QVERIFY(std::fabs(shares()[2] - 0.38) < 0.01);
    }

    void wideAndNarrowVariants_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QString>("label3");
        QTest::addColumn<QString>("label4");
        QTest::addColumn<bool>("helpButtons");
        QTest::newRow("wide") << QSize(1280, 800) << QSize(1024, 660) << Deg("Wind direction [\xB0]")
                              << Deg("Wind sector [\xB0]") << true;
        QTest::newRow("900 is wide") << QSize(900, 700) << QSize(900, 660) << Deg("Wind direction [\xB0]")
                                     << Deg("Wind sector [\xB0]") << true;
        QTest::newRow("narrow") << QSize(800, 600) << QSize(800, 600) << Deg("Wind angle\xB0")
                                << Deg("Sector angle\xB0") << false;
    }
    void wideAndNarrowVariants()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QString, label3);
        QFETCH(QString, label4);
        QFETCH(bool, helpButtons);
        w_.reset();
        w_ = ShowWindow(state_, screen);
        QCOMPARE(w_->NarrowScreen(), !helpButtons);
        QCOMPARE(w_->size(), window);
        QCOMPARE(w_->Label3->text(), label3);
        QCOMPARE(w_->Label4->text(), label4);
        for (QToolButton* b : {w_->SpeedButton2, w_->SpeedButton3, w_->SpeedButton4, w_->SpeedButton5})
            QCOMPARE(b->isVisible(), helpButtons);
        QVERIFY(w_->SpeedButton1->isVisible());
        // Every column keeps at least what its controls need.
        for (QWidget* column :
             {static_cast<QWidget*>(w_->Panel5), static_cast<QWidget*>(w_->Panel2), static_cast<QWidget*>(w_->Panel4)})
            QVERIFY2(column->width() >= column->minimumSizeHint().width(),
                     qPrintable(column->objectName() +
                                QString(" %1 %2").arg(column->width()).arg(column->minimumSizeHint().width())));
    }

    void tabOrderFollowsTheFields()
    {
        QWidget* expected[] = {w_->Edit1, w_->Edit2, w_->Edit3, w_->Edit4, w_->VunitsCombo, w_->Edit5, w_->Edit6};
        for (std::size_t i = 0; i + 1 < std::size(expected); ++i) {
            QWidget* next = expected[i]->nextInFocusChain();
            while (next && !(next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            QCOMPARE(next, expected[i + 1]);
        }
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainInputsTest)
#include "OrvaneMainInputsTest.moc"
