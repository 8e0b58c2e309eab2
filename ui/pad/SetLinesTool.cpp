#include "graphics/QtRaster.h"
#include "ui/DrawPad05F.h"
#include "ui/pad/PadTools.h"

namespace orvane {

SetLinesTool::SetLinesTool(TDrawPad05& pad) : PadTool(pad)
{
    pad_.AwaitingFirst = true;
    pad_.BandStart = pad_.BandEnd = PadXY {};
}

void SetLinesTool::Press(Qt::MouseButton, int X, int Y)
{
    HideBand();
    pad_.BandStart = pad_.BandEnd = PadXY {};
    pad_.Picked = pad_.PickPoint(X, Y);
    const std::int32_t picked = pad_.Picked.Index;
    if (picked < 0)
        return;
    pad_.BandStart = pad_.BandEnd = PadXY {pad_.Picked.X, pad_.Picked.Y};
    if (pad_.AwaitingFirst) {
        pad_.FirstPoint = picked;
        pad_.AwaitingFirst = false;
        return;
    }
    // A second click on the same point (a double click, say) would close it
    // on itself as a one-node boundary; it joins nothing.
    if (picked == pad_.FirstPoint)
        return;
    const std::int32_t first = pad_.FirstPoint;
    pad_.Edit(QStringLiteral("Set line"), [&](PadGraph&) { pad_.ConnectPoints(first, picked); });
    pad_.FirstPoint = picked;  // also after a refusal: the next line starts here
}

void SetLinesTool::Move(int X, int Y)
{
    if (pad_.Picked.Index < 0 || pad_.AwaitingFirst)
        return;
    HideBand();
    pad_.BandEnd = pad_.Mapping.PixelToWorld(X, Y);
    ShowBand();
}

void SetLinesTool::Cancel()
{
    HideBand();
    pad_.AwaitingFirst = true;
    pad_.FirstPoint = -1;
}

void SetLinesTool::ShowBand()
{
    pad_.Canvas().SetPenMode(PenMode::Invert);
    pad_.DrawPadLine(false, pad_.BandStart.X, pad_.BandStart.Y, pad_.BandEnd.X, pad_.BandEnd.Y);
    pad_.Canvas().SetPenMode(PenMode::Copy);
    bandShown_ = true;
    bandClears_ = pad_.SurfaceClears();
}

void SetLinesTool::HideBand()
{
    if (bandShown_ && bandClears_ == pad_.SurfaceClears()) {
        pad_.Canvas().SetPenMode(PenMode::Invert);
        pad_.DrawPadLine(false, pad_.BandStart.X, pad_.BandStart.Y, pad_.BandEnd.X, pad_.BandEnd.Y);
        pad_.Canvas().SetPenMode(PenMode::Copy);
    }
    bandShown_ = false;
}

}  // namespace orvane
