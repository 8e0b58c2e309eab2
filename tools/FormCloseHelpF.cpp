#include "tools/FormCloseHelpF.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>

namespace orvane {

namespace {

constexpr int kButtonPanelWidth = 174;  // px
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFormCloseHelp::TFormCloseHelp(QWidget* parent) : TFormEmpty(parent)
{
    setObjectName("FormCloseHelp");
    auto* bar = new QHBoxLayout(BottomPanel);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);
    bar->addStretch(1);

    extraPRBtn = MakeButton(BottomPanel, "extraPRBtn", "Print", "printout");
    extraPRBtn->setFixedWidth(0);
    extraPRBtn->setEnabled(false);
    extraPRBtn->setVisible(false);
    bar->addWidget(extraPRBtn);

    ButtonPanel = new QFrame(BottomPanel);
    ButtonPanel->setObjectName("ButtonPanel");
    ButtonPanel->setFixedSize(kButtonPanelWidth, kButtonBarHeight);
    bar->addWidget(ButtonPanel);

    CloseBtn = MakeButton(ButtonPanel, "CloseBtn", "Close", "close current window");
    CloseBtn->setGeometry(10, 9, kButtonWidth, kButtonHeight);
    HelpBtn = MakeButton(ButtonPanel, "HelpBtn", "Help", "Help on the subject");
    HelpBtn->setGeometry(88, 9, kButtonWidth, kButtonHeight);

    connect(CloseBtn, &QPushButton::clicked, this, &TFormCloseHelp::CloseBtnClick);
}

void TFormCloseHelp::CloseBtnClick() { accept(); }

}  // namespace orvane
