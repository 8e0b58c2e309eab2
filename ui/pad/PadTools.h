#pragma once
// The five editing tools of the drawing pad, one class each:
//
//   SetPointsTool    a click adds a point at the snapped cursor position;
//                    with Shift, at the coordinates typed
//   MovePointTool    press on a point, drag, release: its lines follow
//   DeletePointTool  a click on a point deletes its lines, then the point
//   SetLinesTool     successive clicks on points join them 1->2, 2->3, ...; a
//                    connection that would give a point a second outgoing or
//                    incoming line is refused, and the next one starts there
//   DeleteLineTool   a click on a line deletes it
//
// Their state that the pad publishes (Picked, Dragging, AwaitingFirst,
// FirstPoint, TouchingLines, BandStart, BandEnd, SavedPointColour) stays in
// TDrawPad05's fields; what only the tool needs is kept here.

#include <cstdint>

#include "graphics/PadGraph.h"
#include "ui/pad/PadTool.h"

namespace orvane {

class SetPointsTool final : public PadTool {
public:
    explicit SetPointsTool(TDrawPad05& pad) : PadTool(pad) { }
    TEditMode Mode() const override { return TEditMode::SetPoints; }
    Qt::CursorShape Cursor() const override { return Qt::CrossCursor; }
    void Press(Qt::MouseButton button, int X, int Y) override;
};

class MovePointTool final : public PadTool {
public:
    explicit MovePointTool(TDrawPad05& pad) : PadTool(pad) { }
    TEditMode Mode() const override { return TEditMode::MovePoints; }
    Qt::CursorShape Cursor() const override { return Qt::DragMoveCursor; }
    bool EndsOnRightButton() const override { return false; }
    void Press(Qt::MouseButton button, int X, int Y) override;
    void Move(int X, int Y) override;
    // Ends a move started with that button (Qt::NoButton: with any).
    void Release(Qt::MouseButton button, int X, int Y) override;
    void Cancel() override;

private:
    // The point and its lines in invert mode: drawing them a second time
    // erases them, which is done only while the surface has not been
    // cleared since they were drawn.
    void ToggleFigure();

    PadDrawingState before_;  // the drawing as the press found it
    Qt::MouseButton button_ = Qt::NoButton;
    bool figureShown_ = false;
    std::uint64_t figureClears_ = 0;
};

class DeletePointTool final : public PadTool {
public:
    explicit DeletePointTool(TDrawPad05& pad) : PadTool(pad) { }
    TEditMode Mode() const override { return TEditMode::DeletePoints; }
    Qt::CursorShape Cursor() const override { return Qt::PointingHandCursor; }
    void Press(Qt::MouseButton button, int X, int Y) override;
};

class SetLinesTool final : public PadTool {
public:
    // Starts a new polyline.
    explicit SetLinesTool(TDrawPad05& pad);
    TEditMode Mode() const override { return TEditMode::SetLines; }
    Qt::CursorShape Cursor() const override { return Qt::ArrowCursor; }
    void Press(Qt::MouseButton button, int X, int Y) override;
    // The rubber band follows the cursor from the last picked point.
    void Move(int X, int Y) override;
    void Cancel() override;

private:
    void ShowBand();
    void HideBand();

    bool bandShown_ = false;
    std::uint64_t bandClears_ = 0;
};

class DeleteLineTool final : public PadTool {
public:
    explicit DeleteLineTool(TDrawPad05& pad) : PadTool(pad) { }
    TEditMode Mode() const override { return TEditMode::DeleteLines; }
    Qt::CursorShape Cursor() const override { return Qt::PointingHandCursor; }
    void Press(Qt::MouseButton button, int X, int Y) override;
};

}  // namespace orvane
