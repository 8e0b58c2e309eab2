#pragma once
// The method frame of DirectionalMethod.

#include "ui/MethodFrame.h"

namespace orvane {

// DirectionalMethod: 0 effective fetch, 1 Saville, 2 Seymour.
class TDirectionalWtype : public TMethodFrame {
    Q_OBJECT
public:
    explicit TDirectionalWtype(QWidget* parent = nullptr);
};

}  // namespace orvane
