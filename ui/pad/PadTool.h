#pragma once
// One editing tool of the drawing pad. TDrawPad05 hands the surface's mouse
// events (raster pixels) and keys to the tool that is active, and the tool
// edits the pad's graph through TDrawPad05::Edit, so that every completed
// edit is one undo step. A tool draws its own feedback (a rubber band, a
// dragged point) in invert mode and takes it away again in Cancel.
//
// A tool lives from its button's first press until the tool ends: its
// construction is the activation, and the pad calls Cancel before it lets
// the tool go.

#include <Qt>
#include <memory>

class QKeyEvent;

namespace orvane {

class TDrawPad05;

enum class TEditMode { None, SetPoints, MovePoints, DeletePoints, SetLines, DeleteLines };

class PadTool {
public:
    explicit PadTool(TDrawPad05& pad) : pad_(pad) { }
    virtual ~PadTool() = default;
    PadTool(const PadTool&) = delete;
    PadTool& operator=(const PadTool&) = delete;

    virtual TEditMode Mode() const = 0;
    // The cursor shape over the surface while the tool is active.
    virtual Qt::CursorShape Cursor() const = 0;
    // Whether a right-button press ends the tool before it is handled; the
    // move tool moves points with either button.
    virtual bool EndsOnRightButton() const { return true; }

    // X and Y are raster pixels.
    virtual void Press(Qt::MouseButton button, int X, int Y) = 0;
    virtual void Move(int X, int Y);
    virtual void Release(Qt::MouseButton button, int X, int Y);
    // True when the tool used the key; the pad's own keys come first.
    virtual bool Key(const QKeyEvent& event);
    // Drops the gesture in progress and its feedback: a point being moved
    // goes back, a polyline being joined starts afresh. The tool stays active.
    virtual void Cancel();

protected:
    TDrawPad05& pad_;
};

// The tool for mode; null for TEditMode::None.
std::unique_ptr<PadTool> MakePadTool(TEditMode mode, TDrawPad05& pad);

}  // namespace orvane
