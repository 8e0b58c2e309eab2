#include "ui/pad/PadTool.h"

#include "ui/pad/PadTools.h"

namespace orvane {

void PadTool::Move(int, int) { }
void PadTool::Release(Qt::MouseButton, int, int) { }
bool PadTool::Key(const QKeyEvent&) { return false; }
void PadTool::Cancel() { }

std::unique_ptr<PadTool> MakePadTool(TEditMode mode, TDrawPad05& pad)
{
    switch (mode) {
    case TEditMode::SetPoints: return std::make_unique<SetPointsTool>(pad);
    case TEditMode::MovePoints: return std::make_unique<MovePointTool>(pad);
    case TEditMode::DeletePoints: return std::make_unique<DeletePointTool>(pad);
    case TEditMode::SetLines: return std::make_unique<SetLinesTool>(pad);
    case TEditMode::DeleteLines: return std::make_unique<DeleteLineTool>(pad);
    case TEditMode::None: break;
    }
    return nullptr;
}

}  // namespace orvane
