#include "tools/WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace orvane {

void FitToWorkArea(QWidget* window)
{
    if (!window)
        return;
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect work = screen->availableGeometry();
    const int width = std::min(window->width(), work.width());
    const int height = std::min(window->height(), work.height());
    if (width != window->width() || height != window->height())
        window->resize(width, height);
}

}  // namespace orvane
