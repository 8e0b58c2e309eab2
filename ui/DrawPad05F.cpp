#include "ui/DrawPad05F.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QUndoStack>
#include <algorithm>
#include <utility>

#include "graphics/QtRaster.h"
#include "ui/pad/PointCoordinatesDialog.h"

namespace orvane {

namespace {

// Steps kept for undo; each holds two copies of the points and lines (a few
// hundred kilobytes at most for five boundaries of 1000 nodes).
constexpr int kUndoSteps = 200;

// One completed edit: the drawing before and after. The edit is already done
// when the step is pushed, so the first redo does nothing.
class PadEditStep final : public QUndoCommand {
public:
    PadEditStep(const QString& text, PadDrawingState before, PadDrawingState after,
                std::function<void(const PadDrawingState&)> apply)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)), apply_(std::move(apply))
    {
    }
    void undo() override { apply_(before_); }
    void redo() override
    {
        if (std::exchange(pushed_, false))
            return;
        apply_(after_);
    }

private:
    PadDrawingState before_;
    PadDrawingState after_;
    std::function<void(const PadDrawingState&)> apply_;
    bool pushed_ = true;
};

std::size_t Slot(TEditMode mode) { return static_cast<std::size_t>(mode); }

}  // namespace

TDrawPad05::TDrawPad05(QWidget* parent) : TDrawPad03(parent)
{
    UndoStack = new QUndoStack(this);
    UndoStack->setUndoLimit(kUndoSteps);

    UndoAction = new QAction(tr("&Undo"), this);
    UndoAction->setObjectName(QStringLiteral("UndoAction"));
    UndoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    UndoAction->setEnabled(false);
    connect(UndoAction, &QAction::triggered, this, &TDrawPad05::Undo);
    connect(UndoStack, &QUndoStack::canUndoChanged, UndoAction, &QAction::setEnabled);

    RedoAction = new QAction(tr("&Redo"), this);
    RedoAction->setObjectName(QStringLiteral("RedoAction"));
    RedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    RedoAction->setEnabled(false);
    connect(RedoAction, &QAction::triggered, this, &TDrawPad05::Redo);
    connect(UndoStack, &QUndoStack::canRedoChanged, RedoAction, &QAction::setEnabled);

    EndToolAction = new QAction(tr("End tool"), this);
    EndToolAction->setObjectName(QStringLiteral("EndToolAction"));
    EndToolAction->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(EndToolAction, &QAction::triggered, this, &TDrawPad05::EndTool);

    PointCoordinatesAction = new QAction(tr("Point coordinates..."), this);
    PointCoordinatesAction->setObjectName(QStringLiteral("PointCoordinatesAction"));
    connect(PointCoordinatesAction, &QAction::triggered, this, [this] {
        std::int32_t i = Graph.PointUsable(Picked.Index) ? Picked.Index : 0;
        while (i < static_cast<std::int32_t>(Graph.Points.size()) && !Graph.PointUsable(i))
            ++i;
        if (Graph.PointUsable(i))
            EditPointCoordinates(i);
    });
    connect(DrawSurface, &TPadSurface::MouseDoubleClick, this, &TDrawPad05::DrawSurfaceDoubleClick);

    // Window actions: the shortcuts work wherever the focus is in the window,
    // with or without a menu holding them.
    for (QAction* action : {UndoAction, RedoAction, EndToolAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

TDrawPad05::~TDrawPad05() = default;

void TDrawPad05::ResetDefaults()
{
    TDrawPad03::ResetDefaults();
    PanelMainCenterResize();
}

// --- tools ------------------------------------------------------------------

void TDrawPad05::ToggleSetPoints() { ToggleTool(TEditMode::SetPoints); }
void TDrawPad05::ToggleMovePoints() { ToggleTool(TEditMode::MovePoints); }
void TDrawPad05::ToggleDeletePoints() { ToggleTool(TEditMode::DeletePoints); }
void TDrawPad05::ToggleSetLines() { ToggleTool(TEditMode::SetLines); }
void TDrawPad05::ToggleDeleteLines() { ToggleTool(TEditMode::DeleteLines); }

void TDrawPad05::ToggleTool(TEditMode tool) { SetEditMode(EditMode == tool ? TEditMode::None : tool); }

void TDrawPad05::EndTool()
{
    SetEditMode(TEditMode::None);
    Redraw();
}

void TDrawPad05::SetEditMode(TEditMode mode)
{
    // A tool change never leaves a point hidden in mid-move or a stale band
    // on the surface.
    if (tool_)
        tool_->Cancel();
    tool_.reset();
    EditMode = mode;
    tool_ = MakePadTool(mode, *this);
    DrawSurface->setCursor(tool_ ? tool_->Cursor() : Qt::ArrowCursor);
    SyncToolButtons();
    emit EditModeChanged(mode);
}

void TDrawPad05::SetToolButton(TEditMode tool, QAbstractButton* button)
{
    if (tool == TEditMode::None || button == nullptr)
        return;
    button->setCheckable(true);
    toolButtons_[Slot(tool)] = button;
    SyncToolButtons();
}

void TDrawPad05::SyncToolButtons()
{
    for (std::size_t i = 0; i < toolButtons_.size(); ++i)
        if (toolButtons_[i])
            toolButtons_[i]->setChecked(i == Slot(EditMode));
}

void TDrawPad05::keyPressEvent(QKeyEvent* event)
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction* action : actions()) {
        if (action->isEnabled() && action->shortcuts().contains(pressed)) {
            action->trigger();
            return;
        }
    }
    if (tool_ && tool_->Key(*event))
        return;
    TDrawPad03::keyPressEvent(event);
}

// --- mouse ------------------------------------------------------------------

void TDrawPad05::DrawSurfaceMouseDown(Qt::MouseButton button, int X, int Y)
{
    TDrawPad03::DrawSurfaceMouseDown(button, X, Y);
    // A second button pressed during a move would pick again and leave the
    // moving point hidden; the move finishes first. The middle button drags
    // the picture, whatever the tool.
    if (Dragging || button == Qt::MiddleButton)
        return;
    if (button == Qt::RightButton) {
        if (tool_ && tool_->EndsOnRightButton())
            SetEditMode(TEditMode::None);
        Redraw();
    }
    if (tool_)
        tool_->Press(button, X, Y);
    else
        SnapCursor(X, Y);
}

void TDrawPad05::DrawSurfaceMouseMove(int X, int Y)
{
    TDrawPad03::DrawSurfaceMouseMove(X, Y);
    if (tool_ && !Panning())
        tool_->Move(X, Y);
}

void TDrawPad05::DrawSurfaceMouseUp(Qt::MouseButton button, int X, int Y)
{
    TDrawPad03::DrawSurfaceMouseUp(button, X, Y);
    if (tool_)
        tool_->Release(button, X, Y);
}

void TDrawPad05::DrawSurfaceDoubleClick(Qt::MouseButton button, int X, int Y)
{
    const bool opens =
        EditMode == TEditMode::None || EditMode == TEditMode::SetPoints || EditMode == TEditMode::MovePoints;
    if (button == Qt::LeftButton && opens && !Dragging) {
        const PadPoint hit = PickPoint(X, Y);
        if (hit.Index >= 0) {
            Picked = hit;
            EditPointCoordinates(hit.Index);
            return;
        }
    }
    DrawSurfaceMouseDown(button, X, Y);
}

// --- typed coordinates ----------------------------------------------------------

std::optional<std::pair<int, PadXY>> TDrawPad05::AskCoordinates(std::vector<std::int32_t> points, int selected,
                                                                PadXY proposed)
{
    std::vector<TPointCoordinatesDialog::Choice> choices;
    for (const std::int32_t i : points) {
        const PadPoint& p = Graph.Points[static_cast<std::size_t>(i)];
        choices.push_back({p.Number, {p.X / WorldPerDisplay, p.Y / WorldPerDisplay}});
    }
    const bool newPoint = points.empty();
    if (newPoint)
        choices.push_back({0, {proposed.X / WorldPerDisplay, proposed.Y / WorldPerDisplay}});
    TPointCoordinatesDialog dialog(this, DisplayUnit(), std::move(choices), selected, newPoint);
    if (dialog.exec() != QDialog::Accepted || !dialog.Typed())
        return std::nullopt;
    // Typed values are kept as typed, converted once; snapped only on request.
    PadXY world {dialog.Typed()->X * WorldPerDisplay, dialog.Typed()->Y * WorldPerDisplay};
    if (dialog.SnapToGrid() && Mapping.Snapping())
        world = {Mapping.SnapValue(world.X), Mapping.SnapValue(world.Y)};
    return std::pair(dialog.Selected(), world);
}

void TDrawPad05::EditPointCoordinates(std::int32_t i)
{
    if (!Graph.PointUsable(i) || Dragging)
        return;
    std::vector<std::int32_t> points;
    int selected = 0;
    for (std::int32_t k = 0; k < static_cast<std::int32_t>(Graph.Points.size()); ++k) {
        if (!Graph.PointUsable(k))
            continue;
        if (k == i)
            selected = static_cast<int>(points.size());
        points.push_back(k);
    }
    const auto typed = AskCoordinates(points, selected, {});
    if (!typed)
        return;
    const std::int32_t chosen = points[static_cast<std::size_t>(typed->first)];
    Edit(tr("Point coordinates"), [&](PadGraph& graph) { graph.MovePoint(chosen, typed->second.X, typed->second.Y); });
    Redraw();
}

void TDrawPad05::TypeNewPoint(int X, int Y)
{
    const auto typed = AskCoordinates({}, 0, Mapping.PixelToWorld(X, Y));
    if (!typed)
        return;
    Edit(tr("Set point"), [&](PadGraph& graph) { graph.AddPoint(0, typed->second.X, typed->second.Y); });
    Redraw();
}

void TDrawPad05::SnapCursor(int X, int Y)
{
    const PadXY w = Mapping.PixelToWorld(X, Y);
    const PadPixel onLattice = Mapping.WorldToPixel(w.X, w.Y);
    MoveCursorBy(onLattice.X - X, onLattice.Y - Y);
}

PadXY TDrawPad05::SurfaceWorld(int X, int Y) const
{
    return Mapping.PixelToWorld(std::clamp(X, 0, std::max(0, Mapping.SurfaceWidth - 1)),
                                std::clamp(Y, 0, std::max(0, Mapping.SurfaceBottom)));
}

// --- undo -----------------------------------------------------------------------

void TDrawPad05::Edit(const QString& text, const std::function<void(PadGraph&)>& edit)
{
    const PadDrawingState before = Graph.State();
    edit(Graph);
    Commit(text, before);
}

void TDrawPad05::Commit(const QString& text, const PadDrawingState& before)
{
    if (before.Points == Graph.Points && before.Lines == Graph.Lines)
        return;
    UndoStack->push(
        new PadEditStep(text, before, Graph.State(), [this](const PadDrawingState& state) { RestoreGraph(state); }));
}

void TDrawPad05::RestoreGraph(const PadDrawingState& state)
{
    Graph.Restore(state);
    // Picks and the polyline in progress may name points that are gone now.
    Picked = PadPoint {};
    if (tool_)
        tool_->Cancel();
    Redraw();
}

void TDrawPad05::Undo()
{
    if (!Dragging)
        UndoStack->undo();
}

void TDrawPad05::Redo()
{
    if (!Dragging)
        UndoStack->redo();
}

}  // namespace orvane
