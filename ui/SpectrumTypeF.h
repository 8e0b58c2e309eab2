#pragma once
// The method frame of SpectrumType.

#include "ui/MethodFrame.h"

namespace orvane {

// SpectrumType: 0 Pierson-Moskowitz, 1 JONSWAP.
class TSpectrumType : public TMethodFrame {
    Q_OBJECT
public:
    explicit TSpectrumType(QWidget* parent = nullptr);
};

}  // namespace orvane
