#pragma once
// TFormEmpty: a tool window of a content panel over a bottom button bar.

#include "tools/SaveIniFormF.h"

class QFrame;

namespace orvane {

inline constexpr int kButtonBarHeight = 47;  // px

class TFormEmpty : public TSaveIniForm {
    Q_OBJECT
public:
    explicit TFormEmpty(QWidget* parent = nullptr);

    QFrame* ClientPanel;  // the window's content; descendants fill it
    QFrame* BottomPanel;  // the button bar, kButtonBarHeight high, full width
};

}  // namespace orvane
