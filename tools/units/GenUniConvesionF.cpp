#include "tools/units/GenUniConvesionF.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Text1252.h"
#include "tools/FixedText.h"
#include "tools/MGStringGridF.h"
#include "tools/ScientificDisplay.h"
#include "tools/help/HelpSystem.h"
#include "tools/settings/IniSettings.h"
#include "tools/units/PowerCell.h"

namespace orvane {

namespace {

constexpr int kStressTab = 4;

// Row of the input, selectors and result inside a tab, in px. The result's
// exponent rises above the field, hence the room above it.
constexpr int kRowHeight = 40;
constexpr int kFieldTop = 12;
constexpr int kFieldHeight = 22;
constexpr int kLeftMargin = 8;
constexpr int kGap = 8;
constexpr int kInputWidth = 100;
constexpr int kSelectorWidth = 70;
constexpr int kStressSelectorWidth = 81;  // "N/m²=Pa" and "kgf/cm²" need the room
constexpr int kEqualWidth = 18;
constexpr int kResultWidth = 100;
constexpr int kResultExtra = 12;  // the scientific display is this much wider than its field

const QColor kSilver(192, 192, 192);
const QColor kNavy(0, 0, 128);

// Unit selector items: the highlighted one navy on silver, the others black
// on white, all bold.
class UnitItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        painter->save();
        painter->fillRect(option.rect, highlighted ? kSilver : QColor(Qt::white));
        painter->setPen(highlighted ? kNavy : QColor(Qt::black));
        QFont font = option.font;
        font.setBold(true);
        painter->setFont(font);
        painter->drawText(option.rect.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

QFont ArialFont(int pointSize, bool bold)
{
    QFont font("Arial");
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QComboBox* MakeSelector(QWidget* parent, const QString& name, int tab)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->setItemDelegate(new UnitItemDelegate(combo));
    for (int unit = 0; unit < kUnitsPerTab; ++unit)
        combo->addItem(QString::fromStdString(UnitName(tab, unit)));
    return combo;
}

int SelectorIndex(const QComboBox* combo) { return std::max(0, combo->currentIndex()); }

std::string IndexKey(int number) { return "Index" + std::to_string(number); }
std::string TextKey(int tab) { return "Text" + std::to_string(tab + 1); }

}  // namespace

TGenUniConvesion::TGenUniConvesion(QWidget* mainWindow, const std::string& settingsFile)
    : MainWindow(mainWindow), IniFile(settingsFile)
{
    setObjectName("GenUniConvesion");
    setFixedSize(kClientWidth, kClientHeight);
    setSizeGripEnabled(false);
    // Kept above the other windows, yet closing the main window ends the
    // program even while this one is showing.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setAttribute(Qt::WA_QuitOnClose, false);
    setModal(false);

    auto* fill = new QVBoxLayout(ClientPanel);
    fill->setContentsMargins(0, 0, 0, 0);
    PageControl1 = new QTabWidget(ClientPanel);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setUsesScrollButtons(false);
    fill->addWidget(PageControl1);
    for (int tab = 0; tab < kUnitTabCount; ++tab)
        BuildTab(tab);

    // One button in the bar, at its right end where "Help" stood. The hidden
    // button keeps its topic, which F1 in the window opens as well.
    connect(HelpBtn, &QPushButton::clicked, this, [] { ShowHelpTopic("GeneralActions1"); });
    setProperty(kHelpKeywordProperty, QStringLiteral("GeneralActions1"));
    HelpBtn->hide();
    CloseBtn->setGeometry(HelpBtn->geometry());

    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { SizeGrids(); });

    // The class is final, so its hooks are reachable here: a window made
    // with a plain constructor is as complete as one made by CreateForm,
    // whose own call then does nothing.
    FormCreate();
}

TGenUniConvesion::~TGenUniConvesion()
{
    if (IsCreated())
        WriteState();
}

void TGenUniConvesion::BuildTab(int tab)
{
    const QString n = QString::number(tab + 1);
    auto* page = new QWidget(PageControl1);
    page->setObjectName("TabSheet" + n);
    TabSheet[tab] = page;
    PageControl1->addTab(page, QString());

    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 4, 2, 2);
    column->setSpacing(0);

    auto* heading = new QLabel(page);
    heading->setObjectName("HeadingLabel" + n);
    heading->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    HeadingLabel[tab] = heading;
    column->addWidget(heading);

    // The row's controls stand at fixed places: the result display is laid
    // over its field once and does not follow a layout.
    auto* row = new QWidget(page);
    row->setObjectName("ConversionRow" + n);
    row->setFixedHeight(kRowHeight);
    column->addWidget(row);
    column->addStretch(1);

    const int selectorWidth = tab == kStressTab ? kStressSelectorWidth : kSelectorWidth;
    int x = kLeftMargin;
    InputEdit[tab] = new QLineEdit(row);
    InputEdit[tab]->setObjectName("InputEdit" + n);
    InputEdit[tab]->setGeometry(x, kFieldTop, kInputWidth, kFieldHeight);
    x += kInputWidth + kGap;

    FromCombo[tab] = MakeSelector(row, "FromCombo" + n, tab);
    FromCombo[tab]->setGeometry(x, kFieldTop, selectorWidth, kFieldHeight);
    x += selectorWidth + kGap / 2;

    EqualLabel[tab] = new QLabel("=", row);
    EqualLabel[tab]->setObjectName("EqualLabel" + n);
    EqualLabel[tab]->setAlignment(Qt::AlignCenter);
    EqualLabel[tab]->setGeometry(x, kFieldTop - 4, kEqualWidth, kFieldHeight + 8);
    x += kEqualWidth + kGap / 2;

    ResultEdit[tab] = new QLineEdit(row);
    ResultEdit[tab]->setObjectName("ResultEdit" + n);
    ResultEdit[tab]->setReadOnly(true);
    ResultEdit[tab]->setFocusPolicy(Qt::NoFocus);
    ResultEdit[tab]->setGeometry(x, kFieldTop, kResultWidth, kFieldHeight);
    x += kResultWidth + kResultExtra + kGap;

    ToCombo[tab] = MakeSelector(row, "ToCombo" + n, tab);
    ToCombo[tab]->setGeometry(x, kFieldTop, selectorWidth, kFieldHeight);

    auto* grid = new TMGStringGrid(page);
    grid->setObjectName("MGStringGrid" + n);
    grid->setFixedHeight(kGridHeight);
    grid->setFocusPolicy(Qt::NoFocus);  // nothing to do there; Tab goes from field to selectors to "Close"
    grid->setAutoScroll(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->SetColCount(kGridCells);
    grid->SetRowCount(kGridCells);
    grid->OnDrawCell = [grid](QPainter& painter, int col, int rowIndex, const QRect& rect, TMGStringGrid::DrawState) {
        DrawPowerCell(painter, rect, grid->Cell(col, rowIndex), col, rowIndex, grid->Color(),
                      grid->palette().color(QPalette::Text));
    };
    grid->viewport()->installEventFilter(this);  // its size decides the cells'
    MGStringGrid[tab] = grid;
    column->addWidget(grid);

    setTabOrder(InputEdit[tab], FromCombo[tab]);
    setTabOrder(FromCombo[tab], ToCombo[tab]);

    // Every way of touching the input recalculates: a change of its text,
    // click, double-click, leaving it and releasing a key (the event filter),
    // and a change of either unit.
    connect(InputEdit[tab], &QLineEdit::textChanged, this, [this, tab] { Recalculate(tab); });
    InputEdit[tab]->installEventFilter(this);
    connect(FromCombo[tab], &QComboBox::currentIndexChanged, this, [this, tab] { Recalculate(tab); });
    connect(ToCombo[tab], &QComboBox::currentIndexChanged, this, [this, tab] { Recalculate(tab); });
}

void TGenUniConvesion::FormSetUp()
{
    TFormCloseHelp::FormSetUp();
    // No recalculation until every tab is complete.
    RecalcEnabled = false;
    // From now until the tool is destroyed, every topic of the program, the
    // main window's included, comes from the help file of "KAVRO421"; the
    // base gives the previous one back on destruction.
    SwitchHelpFile("KAVRO421");

    // Caption, tabs and headings, field colours, factor tables.
    setWindowTitle("Unit Conversion   " + QString::fromStdString(FixedText(FixedTextId::ProductTag)));
    const QColor buttonFace = palette().color(QPalette::Button);
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        const QString caption = QString::fromStdString(UnitTabCaption(tab));
        PageControl1->setTabText(tab, caption);
        HeadingLabel[tab]->setText(caption);
        QFont headingFont = HeadingLabel[tab]->font();
        headingFont.setBold(true);
        headingFont.setUnderline(true);
        headingFont.setPointSize(10);
        HeadingLabel[tab]->setFont(headingFont);

        QFont equalFont = EqualLabel[tab]->font();
        equalFont.setBold(true);
        equalFont.setPointSize(16);
        EqualLabel[tab]->setFont(equalFont);

        QPalette input = InputEdit[tab]->palette();
        input.setColor(QPalette::Base, Qt::white);
        input.setColor(QPalette::Text, Qt::black);
        InputEdit[tab]->setPalette(input);

        QPalette result = ResultEdit[tab]->palette();
        result.setColor(QPalette::Base, buttonFace);
        ResultEdit[tab]->setPalette(result);
        QFont resultFont = ResultEdit[tab]->font();
        resultFont.setBold(true);
        ResultEdit[tab]->setFont(resultFont);
    }
    FillGrids();
    SizeGrids();

    // The result displays over the result fields, which are in place by now.
    for (int tab = 0; tab < kUnitTabCount; ++tab)
        Result[tab] = new ScientificDisplay(ResultEdit[tab]);

    // First tab; every tab at its first units with the value 1.
    PageControl1->setCurrentIndex(0);
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        FromCombo[tab]->setCurrentIndex(0);
        ToCombo[tab]->setCurrentIndex(0);
        InputEdit[tab]->setText("1");
        for (QComboBox* combo : {FromCombo[tab], ToCombo[tab]})
            combo->setFont(ArialFont(9, true));
        MGStringGrid[tab]->setFont(ArialFont(9, false));
    }

    // Every tab computed once, so none shows a stale result.
    RecalcEnabled = true;
    RecalculateAll();

    // The state of the last run; on a first start the inputs come out empty.
    ReadState();

    SizeGrids();
    CloseBtn->setText("Close");
}

void TGenUniConvesion::FormLayout() { SizeGrids(); }

void TGenUniConvesion::FillGrids()
{
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        TMGStringGrid* grid = MGStringGrid[tab];
        for (int unit = 0; unit < kUnitsPerTab; ++unit) {
            const QString name = QString::fromStdString(UnitName(tab, unit));
            grid->SetCell(unit + 1, 0, name);
            grid->SetCell(0, unit + 1, name);
        }
        for (int from = 0; from < kUnitsPerTab; ++from)
            for (int to = 0; to < kUnitsPerTab; ++to)
                grid->SetCell(to + 1, from + 1, QString::fromStdString(UnitResultText(UnitFactor(tab, from, to))));
    }
}

void TGenUniConvesion::SizeGrids()
{
    for (TMGStringGrid* grid : MGStringGrid)
        if (grid)
            SizeGrid(grid);
}

void TGenUniConvesion::SizeGrid(TMGStringGrid* grid)
{
    const QSize client = grid->ClientSize();
    const FactorGridSizes sizes = FactorGridCellSizes(client.width(), client.height());
    const int last = kGridCells - 1;
    grid->SetColWidth(0, sizes.firstColumn);
    for (int c = 1; c < last; ++c)
        grid->SetColWidth(c, sizes.column);
    grid->SetColWidth(last, 0);
    for (int r = 0; r < last; ++r)
        grid->SetRowHeight(r, sizes.row);
    grid->SetRowHeight(last, 0);
    const QColor buttonFace = palette().color(QPalette::Button);
    grid->SetColor(buttonFace);
    grid->SetFixedColor(buttonFace);
    // The current cell is the hidden one, so no visible cell shows as selected.
    grid->SetCurrentCell(last, last);
}

void TGenUniConvesion::Recalculate(int tab)
{
    if (!RecalcEnabled || tab < 0 || tab >= kUnitTabCount || !Result[tab])
        return;
    const double value = ReadUnitInput(InputEdit[tab]->text().toStdString());
    const double converted = ConvertUnits(tab, SelectorIndex(FromCombo[tab]), SelectorIndex(ToCombo[tab]), value);
    Result[tab]->Fill(QString::fromStdString(UnitResultText(converted)));
}

void TGenUniConvesion::RecalculateAll()
{
    for (int tab = 0; tab < kUnitTabCount; ++tab)
        Recalculate(tab);
}

void TGenUniConvesion::ReadState()
{
    const SettingsFile file(IniFile);
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        QComboBox* selectors[2] = {FromCombo[tab], ToCombo[tab]};
        for (int i = 0; i < 2; ++i) {
            const int index = file.ReadInteger(kSection, IndexKey(kIndexKeys[tab][i]), 0);
            selectors[i]->setCurrentIndex(index >= 0 && index < kUnitsPerTab ? index : 0);
        }
    }
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        const std::string text = file.ReadString(kSection, TextKey(tab), "");
        InputEdit[tab]->setText(QString::fromStdString(Cp1252ToUtf8(text)));
        Recalculate(tab);  // also when the text was already there
    }
}

void TGenUniConvesion::WriteState() const
{
    SettingsFile file(IniFile);
    for (int tab = 0; tab < kUnitTabCount; ++tab)
        file.WriteString(kSection, TextKey(tab), Utf8ToCp1252(InputEdit[tab]->text().toStdString()));
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        file.WriteInteger(kSection, IndexKey(kIndexKeys[tab][0]), SelectorIndex(FromCombo[tab]));
        file.WriteInteger(kSection, IndexKey(kIndexKeys[tab][1]), SelectorIndex(ToCombo[tab]));
    }
    (void)file.Save();  // a failure is shown once by Save
}

void TGenUniConvesion::setVisible(bool visible)
{
    if (visible && !isVisible())
        CentreOnMainWindow();
    TFormCloseHelp::setVisible(visible);
}

void TGenUniConvesion::CentreOnMainWindow()
{
    if (!MainWindow)
        return;
    // Before the first showing the frame is not known yet and counts as none.
    const QSize own = frameGeometry().size();
    move(MainWindow->frameGeometry().center() - QPoint(own.width() / 2, own.height() / 2));
}

void TGenUniConvesion::showEvent(QShowEvent* event)
{
    TFormCloseHelp::showEvent(event);
    SizeGrids();
    // Ready for typing a value on the tab in front.
    InputEdit[std::max(0, PageControl1->currentIndex())]->setFocus();
}

bool TGenUniConvesion::eventFilter(QObject* watched, QEvent* event)
{
    for (int tab = 0; tab < kUnitTabCount; ++tab) {
        if (watched == InputEdit[tab]) {
            switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::FocusOut:
            case QEvent::KeyRelease: Recalculate(tab); break;
            default: break;
            }
        } else if (watched == MGStringGrid[tab]->viewport() && event->type() == QEvent::Resize) {
            SizeGrid(MGStringGrid[tab]);
        }
    }
    return TFormCloseHelp::eventFilter(watched, event);
}

void ShowUnitConversion(QWidget* mainWindow)
{
    TGenUniConvesion* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if ((window = qobject_cast<TGenUniConvesion*>(w)) != nullptr)
            break;
    if (!window) {
        window = new TGenUniConvesion(mainWindow);
        window->setParent(mainWindow, window->windowFlags());
        window->FormCreate();
    }
    if (!window->MainWindow)
        window->MainWindow = mainWindow;
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace orvane
