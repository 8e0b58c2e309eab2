#pragma once
// The method frame of SignificantMethod.

#include "ui/MethodFrame.h"

namespace orvane {

// SignificantMethod: 0 Bretschneider, 1 Bretschneider with depth, 2 Wilson.
class TSpecificWtype : public TMethodFrame {
    Q_OBJECT
public:
    explicit TSpecificWtype(QWidget* parent = nullptr);
};

}  // namespace orvane
