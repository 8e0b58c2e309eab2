// The unit conversion window: first start, conversions and their triggers,
// the saved state, the factor grids, showing and closing.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "../TestSupport.h"
#include "tools/GenUniConvesionF.h"
#include "tools/IniSettings.h"
#include "tools/MGStringGridF.h"
#include "tools/ScientificDisplay.h"

namespace orvane {

namespace {

std::unique_ptr<TGenUniConvesion> MakeTool(const std::string& ini, QWidget* mainWindow = nullptr)
{
    return std::unique_ptr<TGenUniConvesion>(CreateForm<TGenUniConvesion>(mainWindow, ini));
}

// What the result display shows: "2.000 x10 +3", or the mantissa alone.
QString Shown(const TGenUniConvesion& tool, int tab)
{
    const ScientificDisplay& d = *tool.Result[tab];
    if (d.TimesTenLabel->isHidden())
        return d.MantissaLabel->text();
    return d.MantissaLabel->text() + " " + d.TimesTenLabel->text() + " " + d.ExponentLabel->text();
}

void SetQuietly(QLineEdit* edit, const QString& text)
{
    const QSignalBlocker block(edit);
    edit->setText(text);
}

}  // namespace

class TestUnitConversion : public QObject {
    Q_OBJECT
private slots:
    void init() { std::filesystem::remove(Ini()); }  // every case starts without saved state
    void firstStart();
    void conversions_data();
    void conversions();
    void triggers_data();
    void triggers();
    void stateRoundTrip();
    void gridsOnEveryTab();
    void showCentredAndCloseKeepsState();

private:
    test::TempDir dir_;
    std::string Ini() const { return dir_.File(std::string(QTest::currentTestFunction()) + ".INI"); }
};

void TestUnitConversion::firstStart()
{
    auto tool = MakeTool(Ini());
    QCOMPARE(tool->windowTitle(), QString("Unit Conversion   Coastal"));
    QCOMPARE(tool->size(), QSize(473, 308));
    QVERIFY(tool->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!tool->isModal());
    QVERIFY(tool->isHidden());
    QVERIFY(tool->HelpBtn->isHidden());
    QCOMPARE(tool->CloseBtn->geometry(), QRect(88, 9, 75, 25));
    QCOMPARE(tool->CloseBtn->text(), QString("Close"));
    const char* captions[] = {"Length", "Area", "Volume", "Force", "Stress", "Mass", "Spec. weight"};
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        QCOMPARE(tool->PageControl1->tabText(tab), QString(captions[tab]));
        QCOMPARE(tool->HeadingLabel[tab]->text(), QString(captions[tab]));
        QCOMPARE(tool->InputEdit[tab]->text(), QString());
        QCOMPARE(tool->FromCombo[tab]->currentIndex(), 0);
        QCOMPARE(tool->ToCombo[tab]->currentIndex(), 0);
        QCOMPARE(tool->ResultEdit[tab]->text(), QString("0.000E+000"));
        QCOMPARE(Shown(*tool, tab), QString("0.000 x10 +0"));
    }
    QCOMPARE(tool->PageControl1->currentIndex(), 0);

    const struct {
        int tab, col, row;
        const char* text;
    } cells[] = {
        {0, 0, 0, ""},   {0, 3, 0, "mm"},   {0, 0, 4, "ft"},   {0, 4, 1, "  3.281"},
        {1, 1, 4, " 0.09290"}, {4, 1, 0, "N/m²=Pa"}, {4, 2, 1, "1.000E-006"},
        {6, 2, 4, "9.810E-009"}, {6, 6, 6, ""},
    };
    for (const auto& c : cells)
        QCOMPARE(tool->MGStringGrid[c.tab]->Cell(c.col, c.row), QString(c.text));
}

void TestUnitConversion::conversions_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1 m to ft") << 0 << 0 << 3 << "1" << "  3.281";
    QTest::newRow("1 ft to m") << 0 << 3 << 0 << "1" << " 0.30480";
    QTest::newRow("1 m to mm") << 0 << 0 << 2 << "1" << "1000.00";
    QTest::newRow("2 m to mm") << 0 << 0 << 2 << "2" << "2.000 x10 +3";
    QTest::newRow("1 ft2 to m2") << 1 << 3 << 0 << "1" << " 0.09290";
    QTest::newRow("1 m3 to cm3") << 2 << 0 << 1 << "1" << "1.000 x10 +6";
    QTest::newRow("decimal comma") << 0 << 0 << 1 << "2,5" << " 250.00";
    QTest::newRow("no number") << 3 << 1 << 0 << "abc" << "0.000 x10 +0";
    QTest::newRow("negative") << 5 << 3 << 4 << "-2" << "-3.200 x10 +1";
    QTest::newRow("kgf/m3 to N/mm3") << 6 << 3 << 1 << "1" << "9.810 x10 -9";
}

void TestUnitConversion::conversions()
{
    QFETCH(int, tab);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    auto tool = MakeTool(Ini());
    tool->FromCombo[tab]->setCurrentIndex(from);
    tool->ToCombo[tab]->setCurrentIndex(to);
    QTest::keyClicks(tool->InputEdit[tab], input);
    QCOMPARE(Shown(*tool, tab), shown);
}

void TestUnitConversion::triggers_data()
{
    QTest::addColumn<int>("trigger");
    QTest::newRow("click") << 0;
    QTest::newRow("double-click") << 1;
    QTest::newRow("key released") << 2;
    QTest::newRow("leaving the field") << 3;
    QTest::newRow("from unit") << 4;
    QTest::newRow("to unit") << 5;
}

void TestUnitConversion::triggers()
{
    QFETCH(int, trigger);
    auto tool = MakeTool(Ini());
    tool->show();
    QVERIFY(QTest::qWaitForWindowExposed(tool.get()));
    QLineEdit* edit = tool->InputEdit[0];
    SetQuietly(edit, "3");
    QCOMPARE(Shown(*tool, 0), QString("0.000 x10 +0"));  // not yet recalculated
    QFocusEvent focusOut(QEvent::FocusOut);
    switch (trigger) {
    case 0: QTest::mouseClick(edit, Qt::LeftButton); break;
    case 1: QTest::mouseDClick(edit, Qt::LeftButton); break;
    case 2: QTest::keyRelease(edit, Qt::Key_Shift); break;
    case 3: QApplication::sendEvent(edit, &focusOut); break;
    case 4: tool->FromCombo[0]->setCurrentIndex(1); break;
    case 5: tool->ToCombo[0]->setCurrentIndex(1); break;
    }
    const QString expected[] = {"  3.000", "  3.000", "  3.000", "  3.000", " 0.03000", " 300.00"};
    QCOMPARE(Shown(*tool, 0), expected[trigger]);
}

void TestUnitConversion::stateRoundTrip()
{
    const std::string ini = Ini();
    {
        auto tool = MakeTool(ini);
        tool->FromCombo[0]->setCurrentIndex(3);
        tool->ToCombo[6]->setCurrentIndex(4);
        tool->FromCombo[4]->setCurrentIndex(2);
        QTest::keyClicks(tool->InputEdit[1], "5 m²");
        QTest::keyClicks(tool->InputEdit[6], "12,5");
    }
    QCOMPARE(ReadIniInteger(ini, "Units00", "Index11", -1), 3);
    QCOMPARE(ReadIniInteger(ini, "Units00", "Index61", -1), 4);
    QCOMPARE(ReadIniInteger(ini, "Units00", "Index43", -1), 2);
    QCOMPARE(ReadIniInteger(ini, "Units00", "Index13", -1), 0);
    QCOMPARE(ReadIniString(ini, "Units00", "Text7", "-"), std::string("12,5"));
    QCOMPARE(ReadIniString(ini, "Units00", "Text1", "-"), std::string());
    QVERIFY(test::ReadBytes(ini).find("Text2=5 m\xB2") != std::string::npos);  // Windows-1252

    WriteIniInteger(ini, "Units00", "Index45", 9);  // no such unit: the first
    auto tool = MakeTool(ini);
    QCOMPARE(tool->FromCombo[0]->currentIndex(), 3);
    QCOMPARE(tool->ToCombo[6]->currentIndex(), 4);
    QCOMPARE(tool->FromCombo[4]->currentIndex(), 2);
    QCOMPARE(tool->ToCombo[4]->currentIndex(), 0);
    QCOMPARE(tool->InputEdit[1]->text(), QString("5 m²"));
    QCOMPARE(tool->InputEdit[6]->text(), QString("12,5"));
    QCOMPARE(Shown(*tool, 1), QString("  5.000"));
    QCOMPARE(Shown(*tool, 6), QString("  79.56"));  // 12.5 kN/m3 in lbf/ft3
}

void TestUnitConversion::gridsOnEveryTab()
{
    auto tool = MakeTool(Ini());
    tool->show();
    QVERIFY(QTest::qWaitForWindowExposed(tool.get()));
    // The Stress tab also shows a negative power of ten in its result.
    QTest::keyClicks(tool->InputEdit[4], "1");
    tool->ToCombo[4]->setCurrentIndex(1);
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        tool->PageControl1->setCurrentIndex(tab);
        QTest::qWait(20);
        TMGStringGrid* grid = tool->MGStringGrid[tab];
        QCOMPARE(grid->height(), 157);
        QCOMPARE(grid->width(), tool->TabSheet[tab]->width() - 4);
        const FactorGridSizes s = FactorGridCellSizes(grid->ClientSize().width(), grid->ClientSize().height());
        QCOMPARE(grid->ColWidth(0), s.firstColumn);
        for (int c = 1; c <= 5; ++c)
            QCOMPARE(grid->ColWidth(c), s.column);
        for (int r = 0; r <= 5; ++r)
            QCOMPARE(grid->RowHeight(r), s.row);
        QCOMPARE(grid->ColWidth(6), 0);
        QCOMPARE(grid->RowHeight(6), 0);
        QCOMPARE(grid->Col(), 6);
        QCOMPARE(grid->Row(), 6);
        // Pictures to look at; they stay in the build folder.
        tool->grab().save(QString("UnitConversion-%1.png").arg(tab + 1));
    }
}

void TestUnitConversion::showCentredAndCloseKeepsState()
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 900, 640);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    auto tool = MakeTool(Ini(), &mainWindow);
    QVERIFY(!tool->testAttribute(Qt::WA_QuitOnClose));  // closing the main window ends the program

    ShowUnitConversion(&mainWindow);
    QVERIFY(QTest::qWaitForWindowExposed(tool.get()));
    // Within the frame's width: the first showing cannot know the frame yet.
    QVERIFY((tool->frameGeometry().center() - mainWindow.frameGeometry().center()).manhattanLength() <= 4);
    QTest::keyClicks(tool->InputEdit[0], "7");
    QTest::mouseClick(tool->CloseBtn, Qt::LeftButton);
    QVERIFY(!tool->isVisible());
    QCOMPARE(tool->result(), int(QDialog::Accepted));

    ShowUnitConversion(&mainWindow);
    QVERIFY(tool->isVisible());
    QCOMPARE(tool->InputEdit[0]->text(), QString("7"));
    QCOMPARE(Shown(*tool, 0), QString("  7.000"));
}

}  // namespace orvane

QTEST_MAIN(orvane::TestUnitConversion)
#include "tst_unitconversion.moc"
