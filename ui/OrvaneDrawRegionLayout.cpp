// TOrvaneDrawRegion: construction - size and place, the left panel with its
// lists, tool buttons and close button, the menus.

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "core/ProjectRecord.h"
#include "tools/FixedText.h"
#include "tools/FormFonts.h"
#include "tools/QtText.h"
#include "tools/help/HelpSystem.h"
#include "ui/OrvaneDrawRegionF.h"

namespace orvane {

namespace {

constexpr int kMinWidth = 700;
constexpr int kMinHeight = 500;
constexpr int kLeftPanelWidth = 165;
constexpr int kCloseBtnBottomMargin = 16;
constexpr int kLowestCloseBtnTop = 376;  // below the background's opacity slider (342 + 20) with a gap

// Pictures of the five tools, 16 x 16: the pad's blue point marker and
// black line, with what the tool does to them.
enum class ToolPicture { SetPoints, MovePoints, DeletePoints, SetLines, DeleteLines };

QIcon ToolIcon(ToolPicture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QPen marker(QColor(0, 0, 255), 1);
    const QPen line(Qt::black, 2);
    const QPen cross(QColor(220, 0, 0), 2);
    auto square = [&](int x, int y) {
        p.setPen(marker);
        p.setBrush(Qt::white);
        p.drawRect(x - 2, y - 2, 4, 4);
    };
    switch (picture) {
    case ToolPicture::SetPoints:
        square(5, 10);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(12, 1, 12, 7);
        p.drawLine(9, 4, 15, 4);
        break;
    case ToolPicture::MovePoints:
        square(4, 12);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(7, 9, 14, 2);
        p.drawLine(14, 2, 10, 2);
        p.drawLine(14, 2, 14, 6);
        break;
    case ToolPicture::DeletePoints:
        square(5, 10);
        p.setPen(cross);
        p.drawLine(9, 2, 15, 8);
        p.drawLine(15, 2, 9, 8);
        break;
    case ToolPicture::SetLines:
        p.setPen(line);
        p.drawLine(3, 13, 13, 3);
        square(3, 13);
        square(13, 3);
        break;
    case ToolPicture::DeleteLines:
        p.setPen(line);
        p.drawLine(1, 14, 14, 1);
        p.setPen(cross);
        p.drawLine(4, 4, 12, 12);
        p.drawLine(12, 4, 4, 12);
        break;
    }
    return QIcon(pixmap);
}

}  // namespace

TOrvaneDrawRegion::TOrvaneDrawRegion(ProjectRecord& project, QWidget* owner) : TDrawPad05(owner), project_(project)
{
    FormCreate(owner);
}

TOrvaneDrawRegion::~TOrvaneDrawRegion() = default;

void TOrvaneDrawRegion::FormCreate(QWidget* owner)
{
    setObjectName(QStringLiteral("OrvaneDrawRegion"));
    setProperty(kHelpKeywordProperty, QStringLiteral("DrawRegion"));  // the topic F1 opens here
    setWindowTitle(FromUtf8(FixedText(FixedTextId::ProgramTitle)) + QStringLiteral("  Water region graphical input"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setMinimumSize(kMinWidth, kMinHeight);
    // The main window's face at 8 points, for which the left panel is laid out.
    QFont face = font();
    face.setFamily(UiFontName());
    face.setPointSize(8);
    setFont(face);

    PanelTop->setFixedHeight(0);
    PanelBottom->setFixedHeight(0);
    PanelMainRight->setFixedWidth(0);
    BuildLeftPanel();
    BuildMenus();
    BuildBackgroundControls();
    PanelMainLeft->installEventFilter(this);

    QSize size = owner != nullptr ? owner->size() : QSize(1024, 720);
    if (project_.RegionWindowWidth > 0)
        size.setWidth(project_.RegionWindowWidth);
    if (project_.RegionWindowHeight > 0)
        size.setHeight(project_.RegionWindowHeight);
    size = size.expandedTo(QSize(kMinWidth, kMinHeight));
    resize(size);

    // Centred on the owner, moved onto the screen where it fits there; one
    // larger than the screen (a size stored on a bigger one) keeps at least
    // its top-left corner, with the menus and the lists, in view.
    const QScreen* screen = owner != nullptr && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect desk = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QPoint centre = owner != nullptr ? owner->geometry().center() : desk.center();
    auto place = [](int at, int low, int room, int length) {
        return length <= room ? std::clamp(at, low, low + room - length) : std::max(at, low);
    };
    move(place(centre.x() - size.width() / 2, desk.left(), desk.width(), size.width()),
         place(centre.y() - size.height() / 2, desk.top(), desk.height(), size.height()));
}

void TOrvaneDrawRegion::BuildLeftPanel()
{
    QWidget* panel = PanelMainLeft;
    const struct {
        QLabel* TOrvaneDrawRegion::*Label;
        const char* LabelName;
        const char* Caption;
        QComboBox* TOrvaneDrawRegion::*List;
        const char* ListName;
        int LabelTop;
        int ListTop;
    } lists[] = {
        {&TOrvaneDrawRegion::ScaleLabel, "ScaleLabel", "Scale", &TOrvaneDrawRegion::ScaleCombo, "ScaleCombo", 16, 12},
        {&TOrvaneDrawRegion::GridLabel, "GridLabel", "Grid size", &TOrvaneDrawRegion::GridCombo, "GridCombo", 52, 44},
        {&TOrvaneDrawRegion::SnapLabel, "SnapLabel", "Snap distanse", &TOrvaneDrawRegion::SnapCombo, "SnapCombo", 84,
         76},
    };
    for (const auto& l : lists) {
        auto* combo = new QComboBox(panel);
        combo->setObjectName(QLatin1String(l.ListName));
        auto* label = new QLabel(QLatin1String(l.Caption), panel);
        label->setObjectName(QLatin1String(l.LabelName));
        label->setBuddy(combo);
        this->*l.List = combo;
        this->*l.Label = label;
    }
    auto fill = [](QComboBox* combo, const auto& table) {
        for (const auto& row : table)
            combo->addItem(QString::fromUtf8(row.Caption.data(), static_cast<int>(row.Caption.size())));
    };
    fill(ScaleCombo, PadScales);
    ScaleCombo->setPlaceholderText(QStringLiteral("custom"));  // shown for a free scale
    fill(GridCombo, PadGridSizes);
    fill(SnapCombo, PadSnaps);

    // The lists stand at x = 80, 80 wide, in a panel 165 wide, when the
    // labels and captions fit; a larger font moves them right and widens
    // them (and the panel) rather than letting a label run under its list.
    int labelWidth = 0;
    int listWidth = 80;
    for (const auto& l : lists) {
        labelWidth = std::max(labelWidth, (this->*l.Label)->sizeHint().width());
        listWidth = std::max(listWidth, (this->*l.List)->sizeHint().width());
    }
    const int listLeft = std::max(80, 8 + labelWidth + 6);
    PanelMainLeft->setFixedWidth(std::max(kLeftPanelWidth, listLeft + listWidth + 5));
    for (const auto& l : lists) {
        QComboBox* combo = this->*l.List;
        combo->setGeometry(listLeft, l.ListTop, listWidth, combo->sizeHint().height());
        (this->*l.Label)->move(8, l.LabelTop);
    }
    // The rows in effect, before the change handlers are connected.
    ScaleCombo->setCurrentIndex(ScaleIndex);
    GridCombo->setCurrentIndex(GridIndex);
    SnapCombo->setCurrentIndex(SnapIndex);
    connect(ScaleCombo, &QComboBox::currentIndexChanged, this, &TOrvaneDrawRegion::ScaleComboChange);
    connect(GridCombo, &QComboBox::currentIndexChanged, this, &TOrvaneDrawRegion::GridComboChange);
    connect(SnapCombo, &QComboBox::currentIndexChanged, this, &TOrvaneDrawRegion::SnapComboChange);
    // The arrow keys pan the pad (window shortcuts) except in the lists, which use them.
    for (QComboBox* combo : {ScaleCombo, GridCombo, SnapCombo})
        combo->installEventFilter(this);

    const struct {
        QPushButton* TOrvaneDrawRegion::*Member;
        const char* Name;
        const char* Caption;
        int Top;
        TEditMode Tool;
        ToolPicture Picture;
        void (TOrvaneDrawRegion::*Click)();
    } tools[] = {
        {&TOrvaneDrawRegion::SEtPointsBtn, "SEtPointsBtn", "Set points", 116, TEditMode::SetPoints,
         ToolPicture::SetPoints, &TOrvaneDrawRegion::SEtPointsBtnClick},
        {&TOrvaneDrawRegion::MovePointsBtn, "MovePointsBtn", "Move Points", 158, TEditMode::MovePoints,
         ToolPicture::MovePoints, &TOrvaneDrawRegion::MovePointsBtnClick},
        {&TOrvaneDrawRegion::DeletePointsBtn, "DeletePointsBtn", "Delete points", 200, TEditMode::DeletePoints,
         ToolPicture::DeletePoints, &TOrvaneDrawRegion::DeletePointsBtnClick},
        {&TOrvaneDrawRegion::ConnectPointsBtn, "ConnectPointsBtn", "Set lines", 242, TEditMode::SetLines,
         ToolPicture::SetLines, &TOrvaneDrawRegion::ConnectPointsBtnClick},
        {&TOrvaneDrawRegion::DisconnectPoints, "DisconnectPoints", "Delete lines", 284, TEditMode::DeleteLines,
         ToolPicture::DeleteLines, &TOrvaneDrawRegion::DisconnectPointsClick},
    };
    for (const auto& t : tools) {
        auto* button = new QPushButton(ToolIcon(t.Picture), QLatin1String(t.Caption), panel);
        button->setObjectName(QLatin1String(t.Name));
        button->setGeometry(20, t.Top, 100, 25);
        this->*t.Member = button;
        SetToolButton(t.Tool, button);
        connect(button, &QPushButton::clicked, this, t.Click);
    }

    CloseBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Close"), panel);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setGeometry(24, 452, 75, 25);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
}

void TOrvaneDrawRegion::BuildMenus()
{
    File1 = menuBar()->addMenu(QStringLiteral("File"));
    File1->setObjectName(QStringLiteral("File1"));
    Exit1 = File1->addAction(QStringLiteral("Exit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    connect(Exit1, &QAction::triggered, this, &TOrvaneDrawRegion::Exit1Click);

    // The pad's undo, redo and end-tool shortcuts, where they can be found.
    Edit1 = menuBar()->addMenu(QStringLiteral("Edit"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->addAction(UndoAction);
    Edit1->addAction(RedoAction);
    Edit1->addSeparator();
    Edit1->addAction(PointCoordinatesAction);
    Edit1->addAction(EndToolAction);

    // The view; the arrow keys pan it too (window shortcuts, not in a menu).
    View1 = menuBar()->addMenu(QStringLiteral("View"));
    View1->setObjectName(QStringLiteral("View1"));
    View1->addAction(FitRegionAction);

    Parameters1 = menuBar()->addMenu(QStringLiteral("Parameters"));
    Parameters1->setObjectName(QStringLiteral("Parameters1"));
    struct Item {
        const char* Caption;
        const char* Name;
        QAction* TOrvaneDrawRegion::*Member;
        void (TOrvaneDrawRegion::*Click)();
        int Value;
    };
    auto group = [this](const char* caption, const char* name, std::vector<std::pair<QAction*, int>>& items,
                        std::initializer_list<Item> list) {
        QMenu* menu = Parameters1->addMenu(QLatin1String(caption));
        menu->setObjectName(QLatin1String(name));
        for (const Item& item : list) {
            QAction* action = menu->addAction(QLatin1String(item.Caption));
            action->setObjectName(QLatin1String(item.Name));
            action->setCheckable(true);
            this->*item.Member = action;
            connect(action, &QAction::triggered, this, item.Click);
            items.emplace_back(action, item.Value);
        }
    };
    using T = TOrvaneDrawRegion;
    group("Point Type", "PointType1", pointTypeItems_,
          {{"square", "squarePoint", &T::squarePoint, &T::squarePointClick, kPadSquare},
           {"triangle", "trianglePoint", &T::trianglePoint, &T::trianglePointClick, kPadTriangle},
           {"Dot", "DotPoint", &T::DotPoint, &T::DotPointClick, kPadDot}});
    group("Point Size", "PointSize1", pointSizeItems_,
          {{"Small (1)", "PointNo1", &T::PointNo1, &T::PointNo1Click, 2},
           {"Medium (2)", "PointNo2", &T::PointNo2, &T::PointNo2Click, 4},
           {"Large (3)", "PointNo3", &T::PointNo3, &T::PointNo3Click, 6}});
    group("Line Thickness", "LineThickness1", lineItems_,
          {{"Thin (1)", "LineNo1", &T::LineNo1, &T::LineNo1Click, 1},
           {"Medium (2)", "LineNo2", &T::LineNo2, &T::LineNo2Click, 2},
           {"Thick (3)", "LineNo3", &T::LineNo3, &T::LineNo3Click, 3}});
    group("Text Size", "TextSize1", textItems_,
          {{"Small (1)", "TextNo1", &T::TextNo1, &T::TextNo1Click, 4},
           {"Medium (2)", "TextNo2", &T::TextNo2, &T::TextNo2Click, 8},
           {"Large (3)", "TextNo3", &T::TextNo3, &T::TextNo3Click, 12}});
    group("Show Direction", "ShowDirection1", directionItems_,
          {{"YES", "DirectionON", &T::DirectionON, &T::DirectionONClick, 1},
           {"NO", "DirectionOFF", &T::DirectionOFF, &T::DirectionOFFClick, 0}});
    group("Direction Mark Size", "DirectionMarkSize1", markSizeItems_,
          {{"Small", "DirectionSize1", &T::DirectionSize1, &T::DirectionSize1Click, 1},
           {"Medium", "DirectionSize2", &T::DirectionSize2, &T::DirectionSize2Click, 2},
           {"Large", "DirectionSize3", &T::DirectionSize3, &T::DirectionSize3Click, 3}});
}

void TOrvaneDrawRegion::PlaceCloseButton()
{
    const int top = PanelMainLeft->height() - CloseBtn->height() - kCloseBtnBottomMargin;
    CloseBtn->move(CloseBtn->x(), std::max(kLowestCloseBtnTop, top));
}

void TOrvaneDrawRegion::showEvent(QShowEvent* event)
{
    TDrawPad05::showEvent(event);
    CloseBtn->setFocus();
}

bool TOrvaneDrawRegion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PanelMainLeft && event->type() == QEvent::Resize)
        PlaceCloseButton();
    if (event->type() == QEvent::ShortcutOverride && qobject_cast<QComboBox*>(watched) != nullptr) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
            event->accept();
            return true;
        }
    }
    return TDrawPad05::eventFilter(watched, event);
}

}  // namespace orvane
