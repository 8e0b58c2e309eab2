// TOrvaneDrawRegion: the tool buttons, File, Exit and the Parameters items
// that set how points, lines, numbers and direction marks are drawn.

#include <QAction>

#include "ui/OrvaneDrawRegionF.h"

namespace orvane {

void TOrvaneDrawRegion::SEtPointsBtnClick() { ToggleSetPoints(); }
void TOrvaneDrawRegion::MovePointsBtnClick() { ToggleMovePoints(); }
void TOrvaneDrawRegion::DeletePointsBtnClick() { ToggleDeletePoints(); }
void TOrvaneDrawRegion::ConnectPointsBtnClick() { ToggleSetLines(); }
void TOrvaneDrawRegion::DisconnectPointsClick() { ToggleDeleteLines(); }
void TOrvaneDrawRegion::Exit1Click() { close(); }

void TOrvaneDrawRegion::CheckGroup(const std::vector<std::pair<QAction*, int>>& group, int value)
{
    for (const auto& [action, itemValue] : group)
        action->setChecked(itemValue == value);
    Redraw();
}

void TOrvaneDrawRegion::SetLineNo() { CheckGroup(lineItems_, LineWidth); }
void TOrvaneDrawRegion::SetPOintTYpe() { CheckGroup(pointTypeItems_, PointType); }
void TOrvaneDrawRegion::SetPointSize() { CheckGroup(pointSizeItems_, PointSize); }
void TOrvaneDrawRegion::SetTextSize() { CheckGroup(textItems_, LabelSize); }
void TOrvaneDrawRegion::SetDirectionON() { CheckGroup(directionItems_, MarkOn ? 1 : 0); }
void TOrvaneDrawRegion::SetDirectionMarkSize() { CheckGroup(markSizeItems_, MarkSize); }

void TOrvaneDrawRegion::squarePointClick()
{
    PointType = kPadSquare;
    SetPOintTYpe();
}

void TOrvaneDrawRegion::trianglePointClick()
{
    PointType = kPadTriangle;
    SetPOintTYpe();
}

void TOrvaneDrawRegion::DotPointClick()
{
    PointType = kPadDot;
    SetPOintTYpe();
}

void TOrvaneDrawRegion::PointNo1Click()
{
    PointSize = 2;
    SetPointSize();
}

void TOrvaneDrawRegion::PointNo2Click()
{
    PointSize = 4;
    SetPointSize();
}

void TOrvaneDrawRegion::PointNo3Click()
{
    PointSize = 6;
    SetPointSize();
}

void TOrvaneDrawRegion::LineNo1Click()
{
    LineWidth = 1;
    SetLineNo();
}

void TOrvaneDrawRegion::LineNo2Click()
{
    LineWidth = 2;
    SetLineNo();
}

void TOrvaneDrawRegion::LineNo3Click()
{
    LineWidth = 3;
    SetLineNo();
}

void TOrvaneDrawRegion::TextNo1Click()
{
    LabelSize = 4;
    SetTextSize();
}

void TOrvaneDrawRegion::TextNo2Click()
{
    LabelSize = 8;
    SetTextSize();
}

void TOrvaneDrawRegion::TextNo3Click()
{
    LabelSize = 12;
    SetTextSize();
}

void TOrvaneDrawRegion::DirectionONClick()
{
    MarkOn = true;
    SetDirectionON();
}

void TOrvaneDrawRegion::DirectionOFFClick()
{
    MarkOn = false;
    SetDirectionON();
}

void TOrvaneDrawRegion::DirectionSize1Click()
{
    MarkSize = 1;
    SetDirectionMarkSize();
}

void TOrvaneDrawRegion::DirectionSize2Click()
{
    MarkSize = 2;
    SetDirectionMarkSize();
}

void TOrvaneDrawRegion::DirectionSize3Click()
{
    MarkSize = 3;
    SetDirectionMarkSize();
}

}  // namespace orvane
