#pragma once
// TSpinButton: an up/down arrow pair beside an edit field. It holds no value:
// each click is reported, and the owner steps the field it belongs to.

#include <QWidget>

class QToolButton;

namespace orvane {

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton;    // objectName "UpButton"
    QToolButton* DownButton;  // objectName "DownButton"

signals:
    void UpClick();
    void DownClick();
};

}  // namespace orvane
