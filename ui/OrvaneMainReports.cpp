// TOrvaneMain: the project title and the Report menu. The reports are made,
// shown, printed and exported by ReportCommands; the window lends it its
// "Compute Waves" (which commits the controls first), the title as typed and
// the current project file.

#include "core/AppState.h"
#include "reports/DocumentExport.h"
#include "ui/OrvaneMainF.h"
#include "ui/ProjectTitleF.h"
#include "ui/ReportCommands.h"

namespace orvane {

ReportCommands TOrvaneMain::Reports()
{
    return ReportCommands(
        this, state_, {[this] { ComputeBtnClick(); }, [this] { return TitleText; }, [this] { return CurrentFile; }});
}

void TOrvaneMain::Projecttitle1Click()
{
    EditProjectTitle(this, state_.project, TitleText);
    UpdateCaption();
}

void TOrvaneMain::Previewreport1Click() { Reports().PreviewResults(); }

void TOrvaneMain::Printreport1Click() { Reports().PrintResults(); }

void TOrvaneMain::ExportreporttoPDF1Click() { Reports().Export(ExportKind::Pdf); }

void TOrvaneMain::ExportreporttoWORD1Click() { Reports().Export(ExportKind::Rtf); }

void TOrvaneMain::heoreticalsummarypreview1Click() { Reports().PreviewSummary(); }

void TOrvaneMain::objectheoreticalsummarypreview1TMenuItem1Click() { Reports().PrintSummary(); }

}  // namespace orvane
