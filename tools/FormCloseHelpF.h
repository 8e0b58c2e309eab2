#pragma once
// TFormCloseHelp: a tool window whose button bar holds "Close" and "Help" at
// its right end, and a hidden "Print". "Close" closes the window with an OK
// result; "Help" does nothing by itself: each window connects HelpBtn to its
// own topic.

#include "tools/FormEmptyF.h"

class QPushButton;

namespace orvane {

class TFormCloseHelp : public TFormEmpty {
    Q_OBJECT
public:
    explicit TFormCloseHelp(QWidget* parent = nullptr);

    QFrame* ButtonPanel;      // 174 px wide at the right end of the bar
    QPushButton* CloseBtn;    // "Close", 75 x 25 at (10, 9) in ButtonPanel
    QPushButton* HelpBtn;     // "Help", 75 x 25 at (88, 9)
    QPushButton* extraPRBtn;  // "Print": hidden, disabled, zero width; left of ButtonPanel

public slots:
    void CloseBtnClick();
};

}  // namespace orvane
