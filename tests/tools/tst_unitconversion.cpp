// The unit conversion window: first start, conversions and their triggers,
// the saved state, the factor grids, showing and closing.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>

#include "../TestSupport.h"
#include "tools/MGStringGridF.h"
#include "tools/ScientificDisplay.h"
#include "tools/settings/IniSettings.h"
#include "tools/units/GenUniConvesionF.h"

namespace orvane {

namespace {

std::unique_ptr<TGenUniConvesion> MakeTool(const std::string& ini, QWidget* mainWindow = nullptr)
{
    return std::make_unique<TGenUniConvesion>(mainWindow, ini);  // complete without CreateForm
}

// What the result display shows: "2.000 x10 +3", or the mantissa alone.
QString Shown(const TGenUniConvesion& tool, int tab)
{
    const ScientificDisplay& d = *tool.Result[tab];
    if (d.TimesTenLabel->isHidden())
        return d.MantissaLabel->text();
    return d.MantissaLabel->text() + " " + d.TimesTenLabel->text() + " " + d.ExponentLabel->text();
}

}  // namespace

class TestUnitConversion : public QObject {
    Q_OBJECT
private slots:
    void init() { std::filesystem::remove(Ini()); }  // every case starts without saved state
    void firstStart();
    void conversions();
    void triggers();
    void selectorItems();
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
    QVERIFY(!tool->isModal() && tool->isHidden());
    QVERIFY(tool->HelpBtn->isHidden());
    QCOMPARE(tool->CloseBtn->geometry(), QRect(88, 9, 75, 25));  // where "Help" stood
    QCOMPARE(tool->PageControl1->tabText(6), QString("Spec. weight"));
    QCOMPARE(tool->HeadingLabel[6]->text(), QString("Spec. weight"));
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        QCOMPARE(tool->InputEdit[tab]->text(), QString());
        QCOMPARE(tool->FromCombo[tab]->currentIndex() + tool->ToCombo[tab]->currentIndex(), 0);
        QCOMPARE(tool->ResultEdit[tab]->text(), QString("0.000E+000"));
        QCOMPARE(Shown(*tool, tab), QString("0.000 x10 +0"));
    }
    const struct {
        int tab, col, row;
        const char* text;
    } cells[] = {
        {0, 0, 0, ""},         {0, 3, 0, "mm"},      {0, 0, 4, "ft"},         {0, 4, 1, "  3.281"},
        {1, 1, 4, " 0.09290"}, {4, 1, 0, "N/m²=Pa"}, {4, 2, 1, "1.000E-006"}, {6, 2, 4, "9.810E-009"},
    };
    for (const auto& c : cells)
        QCOMPARE(tool->MGStringGrid[c.tab]->Cell(c.col, c.row), QString(c.text));
}

// Typing into a tab with its units set; the arithmetic itself is tested
// without the window.
void TestUnitConversion::conversions()
{
    const struct {
        int tab, from, to;
        const char* input;
        const char* shown;
    } cases[] = {
        {0, 3, 0, "1", " 0.30480"},       {0, 0, 2, "2", "2.000 x10 +3"},   {0, 0, 1, "2,5", " 250.00"},
        {3, 1, 0, "abc", "0.000 x10 +0"}, {5, 3, 4, "-2", "-3.200 x10 +1"}, {6, 3, 1, "1", "9.810 x10 -9"},
    };
    auto tool = MakeTool(Ini());
    for (const auto& c : cases) {
        tool->FromCombo[c.tab]->setCurrentIndex(c.from);
        tool->ToCombo[c.tab]->setCurrentIndex(c.to);
        tool->InputEdit[c.tab]->clear();
        QTest::keyClicks(tool->InputEdit[c.tab], c.input);
        QCOMPARE(Shown(*tool, c.tab), QString(c.shown));
    }
}

// Each way of touching the input or the units recalculates a text that was
// put there without notice.
void TestUnitConversion::triggers()
{
    auto tool = MakeTool(Ini());
    tool->show();
    QVERIFY(QTest::qWaitForWindowExposed(tool.get()));
    QLineEdit* edit = tool->InputEdit[0];
    QFocusEvent focusOut(QEvent::FocusOut);
    const std::pair<const char*, std::function<void()>> triggers[] = {
        {"click", [&] { QTest::mouseClick(edit, Qt::LeftButton); }},
        {"double-click", [&] { QTest::mouseDClick(edit, Qt::LeftButton); }},
        {"key released", [&] { QTest::keyRelease(edit, Qt::Key_Shift); }},
        {"leaving", [&] { QApplication::sendEvent(edit, &focusOut); }},
        {"from unit", [&] { tool->FromCombo[0]->setCurrentIndex(1); }},  // 3 cm in m
        {"to unit", [&] { tool->ToCombo[0]->setCurrentIndex(3); }},      // 3 cm in ft
    };
    const QString expected[] = {"  3.000", "  4.000", "  5.000", "  6.000", " 0.03000", " 0.09843"};
    for (int i = 0; i < 6; ++i) {
        const QSignalBlocker quiet(edit);
        edit->setText(QString::number(i < 4 ? i + 3 : 3));
        triggers[i].second();
        QVERIFY2(Shown(*tool, 0) == expected[i], triggers[i].first);
    }
}

// The highlighted item navy on silver, the others black on white.
void TestUnitConversion::selectorItems()
{
    auto tool = MakeTool(Ini());
    QImage image(40, 20, QImage::Format_RGB32);
    for (const bool highlighted : {true, false}) {
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.state = highlighted ? QStyle::State_Selected : QStyle::State_None;
        QPainter painter(&image);
        tool->FromCombo[0]->itemDelegate()->paint(&painter, option, tool->FromCombo[0]->model()->index(0, 0));
        painter.end();
        QCOMPARE(image.pixelColor(38, 1), highlighted ? QColor(192, 192, 192) : QColor(Qt::white));
        const QRgb ink = highlighted ? qRgb(0, 0, 128) : qRgb(0, 0, 0);
        bool inked = false;  // the unit's name, in the left half
        for (int i = 0; i < 400 && !inked; ++i)
            inked = image.pixel(i % 20, i / 20) == ink;
        QVERIFY(inked);
    }
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
        TMGStringGrid* grid = tool->MGStringGrid[tab];
        // The page is laid out from the event loop once it is shown.
        QTRY_COMPARE(grid->height(), 157);
        QTRY_COMPARE(grid->width(), tool->TabSheet[tab]->width() - 4);
        const FactorGridSizes s = FactorGridCellSizes(grid->ClientSize().width(), grid->ClientSize().height());
        for (int i = 0; i < 7; ++i) {  // the last column and row hidden
            QCOMPARE(grid->ColWidth(i), i == 0 ? s.firstColumn : i == 6 ? 0 : s.column);
            QCOMPARE(grid->RowHeight(i), i == 6 ? 0 : s.row);
        }
        QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(6, 6));  // no visible cell selected
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
    tool.reset();

    // Without a window made at start-up, the command makes one that lives with the main window.
    ShowUnitConversion(&mainWindow);
    auto* made = mainWindow.findChild<TGenUniConvesion*>();
    QVERIFY(made && made->isWindow() && made->isVisible() && made->IsCreated());
}

}  // namespace orvane

QTEST_MAIN(orvane::TestUnitConversion)
#include "tst_unitconversion.moc"
