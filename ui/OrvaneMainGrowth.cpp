// TOrvaneMain: the "Wind and growth..." command and what the main window
// shows of a growth law.

#include <QLineEdit>

#include "core/AppState.h"
#include "core/CommitRules.h"
#include "core/Format.h"
#include "core/Messages.h"
#include "core/WindAdjust.h"
#include "tools/QtText.h"
#include "ui/ComputationPascalF.h"
#include "ui/OrvaneMainF.h"
#include "ui/SpecificWtypeF.h"
#include "ui/WindGrowthF.h"

namespace orvane {

void TOrvaneMain::WindGrowth1Click()
{
    if (!FileOpen) {
        ShowMessage(MessageKind::Information, "A file must be opened first");
        return;
    }
    // The dialog shows the committed project's fetches.
    ComputeBtnClick();
    TWindGrowth dialog(state_, this);
    connect(&dialog, &TWindGrowth::WindChosen, this, &TOrvaneMain::WindGrowthChosen);
    if (dialog.exec() == QDialog::Accepted)
        ComputeBtnClick();  // the law and duration kept may have changed
}

void TOrvaneMain::WindGrowthChosen(double u10Ms)
{
    const double value = ProjectVelocityFromMetresPerSecond(u10Ms, state_.project.VelocityUnits);
    Edit5->setText(QString::fromStdString(Format(RuleOf(ValueField::WindVelocity).format, value)));
    EditsChange();
}

void TOrvaneMain::ShowGrowthLaw()
{
    static const QString kCaption = QStringLiteral("Significant wave computation method");
    const GrowthOptions& growth = state_.growth.options;
    QString caption = kCaption;
    if (!growth.IsDefault()) {
        caption += QStringLiteral(" - growth law: ") + FromUtf8(GrowthLawTitle(state_.growth.law));
        if (growth.durationH)
            caption += FromUtf8(Format(", %g h", *growth.durationH));
    }
    SpecificWtype1->RadioGroup1->SetCaption(caption);
}

}  // namespace orvane
