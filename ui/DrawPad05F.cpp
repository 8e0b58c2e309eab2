#include "ui/DrawPad05F.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QUndoStack>

#include <algorithm>
#include <utility>

#include "graphics/QtRaster.h"

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
    UndoStack->push(new PadEditStep(text, before, Graph.State(),
                                    [this](const PadDrawingState& state) { RestoreGraph(state); }));
}

void TDrawPad05::RestoreGraph(const PadDrawingState& state)
{
    Graph.Restore(state);
    // Picks and the polyline in progress may name points that are gone now.
    Picked = PadPoint{};
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
