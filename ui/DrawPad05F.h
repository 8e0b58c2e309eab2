#pragma once
// TDrawPad05: the pad's five editing tools and the mouse handling behind
// them. At most one tool is active; the owner's buttons call the toggles,
// and buttons registered with SetToolButton show the active tool pressed.
// Each tool is a class of its own (ui/pad/PadTools.h); this layer hands the
// surface's events to the active one.
//
// The right button ends every tool except MovePoints (where it moves points
// like the left one); Escape ends every tool and puts back a point being
// moved. Coordinates can be typed: a double click on a point (with no tool,
// Set points or Move Points), "Point coordinates..." (PointCoordinatesAction)
// or Shift with a Set points click opens a small dialog with x and y in the
// display unit. Every completed edit can be undone (Ctrl+Z) and redone (Ctrl+Shift+Z
// or Ctrl+Y). The rubber band of SetLines and a point being dragged are drawn
// in invert mode, so drawing them again erases them.
//
// The layer below the lines' one (TDrawPad04 in the pad's first design)
// added nothing and is folded into this one.

#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "ui/DrawPad03F.h"
#include "ui/pad/PadTool.h"

class QAbstractButton;
class QAction;
class QUndoStack;

namespace orvane {

class TDrawPad05 : public TDrawPad03 {
    Q_OBJECT

public:
    explicit TDrawPad05(QWidget* parent = nullptr);
    ~TDrawPad05() override;

    // Then the layout again.
    void ResetDefaults() override;

    // Each turns its tool on (ending any other) or, when it is active, off.
    void ToggleSetPoints();
    void ToggleMovePoints();
    void ToggleDeletePoints();
    void ToggleSetLines();
    void ToggleDeleteLines();
    // Ends the active tool and redraws; a point being moved goes back where it was.
    void EndTool();

    // X and Y are raster pixels.
    void DrawSurfaceMouseDown(Qt::MouseButton button, int X, int Y) override;
    void DrawSurfaceMouseMove(int X, int Y) override;
    // Ends a move started with that button (Qt::NoButton: with any).
    void DrawSurfaceMouseUp(Qt::MouseButton button, int X, int Y) override;
    using TDrawPad03::DrawSurfaceMouseUp;
    // A left double click on a point opens its coordinates, with no tool or
    // with Set points or Move Points; otherwise it is a second press.
    void DrawSurfaceDoubleClick(Qt::MouseButton button, int X, int Y);

    // The coordinates dialog on point i (a usable index), the other points
    // to choose from; the values typed move the chosen point, one undo step.
    void EditPointCoordinates(std::int32_t i);
    // The coordinates dialog on a new point proposed at raster pixel (X, Y);
    // the values typed place it, one undo step.
    void TypeNewPoint(int X, int Y);

    // Makes button checkable and keeps it checked exactly while tool is
    // active. Clicks stay with the owner, which calls the toggle.
    void SetToolButton(TEditMode tool, QAbstractButton* button);

    // Ignored while a point is being dragged.
    void Undo();
    void Redo();

    // --- for the tools ---
    // Runs edit on Graph; when it changed the drawing, the change is one undo
    // step named text.
    void Edit(const QString& text, const std::function<void(PadGraph&)>& edit);
    // Records an edit already made on Graph (a point dragged into place) as
    // one undo step from before; nothing when the drawing is as it was.
    void Commit(const QString& text, const PadDrawingState& before);
    // Moves the mouse cursor onto the snapped position of raster pixel (X, Y).
    void SnapCursor(int X, int Y);
    // The snapped world position of raster pixel (X, Y), pinned to the
    // surface first: a point dropped outside it would land where it could
    // not be picked again.
    PadXY SurfaceWorld(int X, int Y) const;

    TEditMode EditMode = TEditMode::None;
    bool Dragging = false;                    // a point is being moved
    bool AwaitingFirst = false;               // SetLines: the next picked point starts a new polyline
    std::int32_t FirstPoint = -1;             // SetLines: the point the next line starts from
    PadPoint Picked;                          // the last pick; Index -1 when it hit nothing
    std::vector<std::int32_t> TouchingLines;  // lines of the point being moved or deleted
    Rgb SavedPointColour = colours::kBlue;    // PointColour before the current move
    PadXY BandStart;                          // world ends of the rubber band of SetLines
    PadXY BandEnd;

    QUndoStack* UndoStack = nullptr;            // one step per completed edit
    QAction* UndoAction = nullptr;              // Ctrl+Z
    QAction* RedoAction = nullptr;              // Ctrl+Shift+Z, Ctrl+Y
    QAction* EndToolAction = nullptr;           // Escape
    QAction* PointCoordinatesAction = nullptr;  // the last picked point, else the first

signals:
    void EditModeChanged(orvane::TEditMode mode);

protected:
    // The keys of the window's actions when their shortcuts cannot fire (the
    // window is not the active one, as when keys are sent to it directly),
    // then the active tool's keys.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ToggleTool(TEditMode tool);
    void SetEditMode(TEditMode mode);
    void SyncToolButtons();
    void RestoreGraph(const PadDrawingState& state);
    // The dialog's values in world units, snapped when it asks; nothing when cancelled.
    std::optional<std::pair<int, PadXY>> AskCoordinates(std::vector<std::int32_t> points, int selected, PadXY proposed);

    std::unique_ptr<PadTool> tool_;  // null while EditMode is None
    std::array<QPointer<QAbstractButton>, 6> toolButtons_;
};

}  // namespace orvane
