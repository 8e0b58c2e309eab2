#pragma once
// The toolkit for the commands that draw (plot, rose --plot, report): started on
// the offscreen platform, which needs no display, with the toolkit's notes
// about the desktop session kept off standard error. Fonts need it.

#include <memory>

class QGuiApplication;

namespace orvane::cli {

class OffscreenGui {
public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace orvane::cli
