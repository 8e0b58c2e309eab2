#include "ui/DrawPad00F.h"

#include <QBoxLayout>
#include <QCursor>
#include <QEventLoop>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "graphics/QtRaster.h"

namespace orvane {

namespace {

constexpr int kPanelTopHeight = 41;
constexpr int kPanelBottomHeight = 45;
constexpr int kPanelLeftWidth = 169;
constexpr int kPanelRightWidth = 82;
constexpr int kCoordBarHeight = 20;
constexpr int kFrameWidth = 1400;
constexpr int kFrameHeight = 1000;
const QColor kCoordBarColour(255, 251, 240);

QFrame* MakePanel(const char* name, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

QPoint Pixel(const QMouseEvent* event) { return event->position().toPoint(); }

}  // namespace

TPadSurface::TPadSurface(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DrawSurface"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPadSurface::SetRaster(const QtRaster* raster)
{
    raster_ = raster;
    if (raster_ != nullptr)
        setFixedSize(raster_->Width(), raster_->Height());
    update();
}

void TPadSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (raster_ != nullptr)
        painter.drawImage(0, 0, raster_->Image());
}

void TPadSurface::mousePressEvent(QMouseEvent* event)
{
    modifiers_ = event->modifiers();
    emit MouseDown(event->button(), Pixel(event).x(), Pixel(event).y());
    modifiers_ = {};  // a press handed over by a direct call holds no keys
    update();
}

void TPadSurface::mouseMoveEvent(QMouseEvent* event)
{
    modifiers_ = event->modifiers();
    emit MouseMove(Pixel(event).x(), Pixel(event).y());
    update();
}

void TPadSurface::mouseReleaseEvent(QMouseEvent* event)
{
    modifiers_ = event->modifiers();
    emit MouseUp(event->button(), Pixel(event).x(), Pixel(event).y());
    update();
}

void TPadSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    modifiers_ = event->modifiers();
    emit MouseDoubleClick(event->button(), Pixel(event).x(), Pixel(event).y());
    update();
}

void TPadSurface::wheelEvent(QWheelEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit Wheel(at.x(), at.y(), event->angleDelta(), event->modifiers());
    update();
}

TDrawPad00::TDrawPad00(QWidget* parent)
    : QMainWindow(parent), raster_(std::make_unique<QtRaster>(kSurfaceWidth, kSurfaceHeight))
{
    setObjectName(QStringLiteral("DrawPad"));
    setWindowTitle(tr("Drawing pad"));

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    PanelTop = MakePanel("PanelTop", central);
    PanelTop->setFixedHeight(kPanelTopHeight);
    PanelMain = MakePanel("PanelMain", central);
    PanelBottom = MakePanel("PanelBottom", central);
    PanelBottom->setFixedHeight(kPanelBottomHeight);
    column->addWidget(PanelTop);
    column->addWidget(PanelMain, 1);
    column->addWidget(PanelBottom);

    auto* row = new QHBoxLayout(PanelMain);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    PanelMainLeft = MakePanel("PanelMainLeft", PanelMain);
    PanelMainLeft->setFixedWidth(kPanelLeftWidth);
    PanelMainCenter = MakePanel("PanelMainCenter", PanelMain);
    PanelMainCenter->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    PanelMainRight = MakePanel("PanelMainRight", PanelMain);
    PanelMainRight->setFixedWidth(kPanelRightWidth);
    row->addWidget(PanelMainLeft);
    row->addWidget(PanelMainCenter, 1);
    row->addWidget(PanelMainRight);

    // No layout inside the centre panel: the frame is placed by hand and may
    // reach beyond the panel, which clips it.
    ImageScrollBox = MakePanel("ImageScrollBox", PanelMainCenter);
    ImageScrollBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ImageScrollBox->setLineWidth(2);
    ImageScrollBox->setFixedSize(kFrameWidth, kFrameHeight);
    DrawSurface = new TPadSurface(ImageScrollBox);
    DrawSurface->move(ImageScrollBox->frameWidth(), ImageScrollBox->frameWidth());
    DrawSurface->SetRaster(raster_.get());

    PanelCoord = MakePanel("PanelCoord", PanelMainCenter);
    PanelCoord->setFixedHeight(kCoordBarHeight);
    PanelCoord->setAutoFillBackground(true);
    QPalette cream = PanelCoord->palette();
    cream.setColor(QPalette::Window, kCoordBarColour);
    PanelCoord->setPalette(cream);
    LabelCoord = new QLabel(PanelCoord);
    LabelCoord->setObjectName(QStringLiteral("LabelCoord"));
    LabelCoord->move(4, 4);
    LabelCoord->setFixedHeight(kCoordBarHeight - 4);

    HorzScrollBar = new QScrollBar(Qt::Horizontal, PanelCoord);
    HorzScrollBar->setObjectName(QStringLiteral("HorzScrollBar"));
    VertScrollBar = new QScrollBar(Qt::Vertical, PanelMainCenter);
    VertScrollBar->setObjectName(QStringLiteral("VertScrollBar"));
    for (QScrollBar* bar : {HorzScrollBar, VertScrollBar}) {
        bar->setRange(0, 0);
        bar->setFocusPolicy(Qt::NoFocus);
    }

    setCentralWidget(central);
    PanelMainCenter->installEventFilter(this);
    ReadPixelDensity();
    PanelMainCenterResize();
    resize(1024, 720);
}

TDrawPad00::~TDrawPad00() = default;

void TDrawPad00::ResetDefaults() { ClearSurface(); }

void TDrawPad00::Redraw()
{
    ClearSurface();
    Mapping.SurfaceWidth = raster_->Width();
    Mapping.SurfaceBottom = raster_->Height() - 1;
    ReadPixelDensity();
}

void TDrawPad00::ClearSurface()
{
    raster_->Clear();
    ++surfaceClears_;
    DrawSurface->update();
}

void TDrawPad00::SetUnits(std::int32_t row)
{
    if (row < 0 || row >= static_cast<std::int32_t>(PadUnits.size()))
        return;
    UnitsIndex = row;
    Mapping.UnitsFactor = PadUnits[static_cast<std::size_t>(row)].MmPerUnit;
}

void TDrawPad00::SetScale(std::int32_t row)
{
    if (row < 0 || row >= static_cast<std::int32_t>(PadScales.size()))
        return;
    ScaleIndex = row;
    FreeScale = false;
    Mapping.ScaleRatio = PadScales[static_cast<std::size_t>(row)].Ratio;
}

void TDrawPad00::SetFreeScale(double ratio)
{
    if (!std::isfinite(ratio) || ratio <= 0)
        return;
    FreeScale = true;
    Mapping.ScaleRatio = std::clamp(ratio, kPadMinScaleRatio, kPadMaxScaleRatio);
}

void TDrawPad00::PanelMainCenterResize()
{
    const int height = PanelMainCenter->height();
    PanelCoord->setGeometry(0, height - kCoordBarHeight, PanelMainCenter->width(), kCoordBarHeight);
    ImageScrollBox->move(PanelMainCenter->frameWidth(), height - kCoordBarHeight - ImageScrollBox->height());
    const int bar = VertScrollBar->sizeHint().width();
    const int width = PanelMainCenter->width();
    VertScrollBar->setGeometry(width - bar, 0, bar, std::max(0, height - kCoordBarHeight));
    VertScrollBar->raise();
    // Right of the readout, which needs about a third of the bar for UTM metres.
    const int left = std::clamp(width / 3, 160, 300);
    const int barHeight = std::min(HorzScrollBar->sizeHint().height(), kCoordBarHeight - 2);
    HorzScrollBar->setGeometry(left, (kCoordBarHeight - barHeight) / 2, std::max(0, width - bar - left), barHeight);
    Mapping.SurfaceWidth = raster_->Width();
    Mapping.SurfaceBottom = raster_->Height() - 1;
    ViewAreaResized();
}

void TDrawPad00::ViewAreaResized() { }

PadRect TDrawPad00::VisibleSurface() const
{
    const QRect area(0, 0, PanelMainCenter->width() - VertScrollBar->width(),
                     PanelMainCenter->height() - kCoordBarHeight);
    const QPoint at = DrawSurface->mapTo(PanelMainCenter, QPoint(0, 0));
    const QRect shown = area.translated(-at).intersected(DrawSurface->rect());
    return {shown.left(), shown.top(), shown.width(), shown.height()};
}

void TDrawPad00::ReadPixelDensity()
{
    // Physical dots per inch are in device-independent pixels, the pixels the
    // raster is shown in, so the map scale holds at any device pixel ratio.
    double perMmX = kFallbackDotsPerInch / kMmPerInch;
    double perMmY = perMmX;
    if (const QScreen* s = screen()) {
        const QSizeF size = s->physicalSize();
        const double dpiX = s->physicalDotsPerInchX();
        const double dpiY = s->physicalDotsPerInchY();
        if (size.width() > 0 && std::isfinite(dpiX) && dpiX > 0)
            perMmX = dpiX / kMmPerInch;
        if (size.height() > 0 && std::isfinite(dpiY) && dpiY > 0)
            perMmY = dpiY / kMmPerInch;
    }
    Mapping.PixelsPerMmX = static_cast<float>(perMmX);
    Mapping.PixelsPerMmY = static_cast<float>(perMmY);
}

void TDrawPad00::MoveCursorBy(int dx, int dy)
{
    if (dx != 0 || dy != 0)
        QCursor::setPos(QCursor::pos() + QPoint(dx, dy));
}

void TDrawPad00::ShowModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
}

bool TDrawPad00::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PanelMainCenter && event->type() == QEvent::Resize)
        PanelMainCenterResize();
    return QMainWindow::eventFilter(watched, event);
}

void TDrawPad00::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    // Closing hides the window; minimizing leaves it visible to Qt.
    if (modalLoop_ != nullptr && !isVisible())
        modalLoop_->quit();
}

}  // namespace orvane
