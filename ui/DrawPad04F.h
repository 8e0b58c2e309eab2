#pragma once
// TDrawPad04: the layer between the lines and the editing tools. It adds
// nothing of its own; hosts that want the drawing without the tools derive
// from it.

#include "ui/DrawPad03F.h"

namespace orvane {

class TDrawPad04 : public TDrawPad03 {
    Q_OBJECT

public:
    explicit TDrawPad04(QWidget* parent = nullptr) : TDrawPad03(parent) {}
};

}  // namespace orvane
