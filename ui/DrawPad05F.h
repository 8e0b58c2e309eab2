#pragma once
// TDrawPad05: the pad's five editing tools and the mouse handling behind them.
// At most one tool is active; the owner's buttons call the toggles, and
// buttons registered with SetToolButton show the active tool pressed.
//
//   SetPoints     a click adds a point at the snapped cursor position
//   MovePoints    press on a point, drag, release: its lines follow
//   DeletePoints  a click on a point deletes its lines, then the point
//   SetLines      successive clicks on points join them 1->2, 2->3, ...; a
//                 connection that would give a point a second outgoing or
//                 incoming line is refused, and the next one starts there
//   DeleteLines   a click on a line deletes it
//
// The right button ends every tool except MovePoints (where it moves points
// like the left one); Escape ends every tool and puts back a point being
// moved. Every completed edit can be undone (Ctrl+Z) and redone (Ctrl+Shift+Z
// or Ctrl+Y). The rubber band of SetLines and a point being dragged are drawn
// in invert mode, so drawing them again erases them.

#include <QPointer>

#include <array>
#include <vector>

#include "ui/DrawPad04F.h"

class QAbstractButton;
class QAction;
class QUndoStack;

namespace orvane {

enum class TEditMode { None, SetPoints, MovePoints, DeletePoints, SetLines, DeleteLines };

class TDrawPad05 : public TDrawPad04 {
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
    using TDrawPad04::DrawSurfaceMouseUp;

    // Makes button checkable and keeps it checked exactly while tool is
    // active. Clicks stay with the owner, which calls the toggle.
    void SetToolButton(TEditMode tool, QAbstractButton* button);

    // Ignored while a point is being dragged.
    void Undo();
    void Redo();

    TEditMode EditMode = TEditMode::None;
    bool Dragging = false;  // a point is being moved
    bool AwaitingFirst = false;  // SetLines: the next picked point starts a new polyline
    std::int32_t FirstPoint = -1;  // SetLines: the point the next line starts from
    PadPoint Picked;  // the last pick; Index -1 when it hit nothing
    std::vector<std::int32_t> TouchingLines;  // lines of the point being moved or deleted
    Rgb SavedPointColour = colours::kBlue;  // PointColour before the current move
    PadXY BandStart;  // world ends of the rubber band of SetLines
    PadXY BandEnd;

    QUndoStack* UndoStack = nullptr;  // one step per completed edit
    QAction* UndoAction = nullptr;  // Ctrl+Z
    QAction* RedoAction = nullptr;  // Ctrl+Shift+Z, Ctrl+Y
    QAction* EndToolAction = nullptr;  // Escape

signals:
    void EditModeChanged(orvane::TEditMode mode);

protected:
    // The keys of the three actions when their shortcuts cannot fire (the
    // window is not the active one, as when keys are sent to it directly).
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ToggleTool(TEditMode tool);
    void SetEditMode(TEditMode mode);
    void ApplyCursor();
    void SyncToolButtons();
    void StartMove(Qt::MouseButton button, int X, int Y);
    void CancelMove();
    // Invert-mode figures: drawing one a second time erases it, which is done
    // only while the surface has not been cleared since it was drawn.
    void ToggleMoveFigure();
    void ShowBand();
    void HideBand();
    PadXY SurfaceWorld(int X, int Y) const;  // the pixel pinned to the surface, snapped
    void Commit(const QString& text, const PadGraph& before);
    void RestoreGraph(const PadGraph& graph);

    bool bandShown_ = false;
    std::uint64_t bandClears_ = 0;
    bool moveFigureShown_ = false;
    std::uint64_t moveFigureClears_ = 0;
    Qt::MouseButton moveButton_ = Qt::NoButton;
    PadGraph beforeMove_;
    std::array<QPointer<QAbstractButton>, 6> toolButtons_;
};

}  // namespace orvane
