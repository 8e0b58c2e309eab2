#include "ui/ReportCommands.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <exception>
#include <memory>

#include "core/AppState.h"
#include "core/Messages.h"
#include "graphics/RegionPlot.h"
#include "reports/DocumentExport.h"
#include "reports/OrvaneRep01F.h"
#include "reports/OrvaneRep02F.h"
#include "reports/ReportDevice.h"
#include "reports/ReportPainter.h"
#include "tools/ApplicationPrinter.h"
#include "tools/AttentionText.h"
#include "tools/ProgramFile.h"
#include "tools/QtText.h"
#include "tools/ShellOpen.h"
#include "tools/help/HelpSystem.h"
#include "ui/GisCommands.h"

namespace orvane {

namespace {

// The wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The dialog's own "Fit width" action, so its tool bar shows the mode in
// force; the view itself when the action cannot be found.
void FitPreviewToWidth(QPrintPreviewDialog& dialog)
{
    const QString fitWidth = QCoreApplication::translate("QPrintPreviewDialog", "Fit width");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() == fitWidth) {
            action->trigger();
            return;
        }
    }
    if (auto* view = dialog.findChild<QPrintPreviewWidget*>())
        view->fitToWidth();
}

// The results report for a device of that pixel aspect. The project keeps
// the extents of the picture drawn in it, as it keeps those of the window's
// picture; the report itself only reads the project.
bool OpenAfterExport()
{
    const QString value = qEnvironmentVariable(kNoOpenAfterExportVariable);
    return value.isEmpty() || value == QLatin1String("0");
}

// The results report of the last run, with its growth law and what limited
// the waves when the run had a law or duration of its own. The report only
// reads the record; the picture's extents are stored here, as a drawing of
// the region on screen stores them.
PreparedReport PrepareResultsReport(AppState& state, double pixelAspect)
{
    TOrvaneRep01 report(state.project, state.results, pixelAspect);
    StorePlotExtents(state.project, report.PictureScale);
    const std::vector<std::string> growth = GrowthTextLines(state.growth);
    if (growth.size() == 3)
        report.ShowGrowth(growth[1], growth[2]);
    report.ShowBearings(GisCommands::Bearings(state.project, state.companion));
    return report.Prepare();
}

}  // namespace

ExportDialogSettings ExportDialogFor(ExportKind kind, const QString& currentFile, const QString& programFolder)
{
    const ExportKindInfo& info = InfoOf(kind);
    const QString pattern = QString::fromLatin1(info.pattern);
    const QString shownPattern = pattern.left(pattern.indexOf(QLatin1Char('|')));
    const QString formatName = QString::fromLatin1(info.formatName);
    const QString extension = QString::fromLatin1(info.defaultExtension);

    const QString file = currentFile.isEmpty() ? programFolder + QStringLiteral("Projects/Temp.WDT") : currentFile;
    const QFileInfo fileInfo(file);
    ExportDialogSettings settings;
    settings.title = QStringLiteral("Save graphics to file in ") + formatName + QLatin1Char(' ') + shownPattern;
    settings.filter = formatName + QStringLiteral(" Format ") + shownPattern;
    settings.defaultSuffix = extension.mid(1);
    settings.folder = fileInfo.absolutePath() + QLatin1Char('/');
    settings.proposedName = FromUtf8(ChangeFileExt(ToUtf8(fileInfo.fileName()), ToUtf8(extension)));
    return settings;
}

ReportCommands::ReportCommands(QWidget* owner, AppState& state, Hooks hooks)
    : owner_(owner), state_(state), hooks_(std::move(hooks))
{
}

void ReportCommands::PreviewResults() { Preview(Which::Results); }
void ReportCommands::PrintResults() { Print(Which::Results); }
void ReportCommands::PreviewSummary() { Preview(Which::Summary); }
void ReportCommands::PrintSummary() { Print(Which::Summary); }

void ReportCommands::Preview(Which which)
{
    if (which == Which::Results && hooks_.computeWaves)
        hooks_.computeWaves();
    bool painted = true;
    try {
        // The application's printer when there is one, so the preview shows
        // its paper and its print button prints there; otherwise a PDF
        // printer, so the report can still be looked at and saved.
        std::unique_ptr<QPrinter> pdfPrinter;
        QPrinter* printer = PrinterInstalled() ? TOrvaneRep00::QRepBeforePrint() : nullptr;
        if (!printer || !printer->isValid()) {
            pdfPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
            pdfPrinter->setOutputFormat(QPrinter::PdfFormat);
            pdfPrinter->setPageSize(QPageSize(QPageSize::A4));
            printer = pdfPrinter.get();
        }
        PrepareReportPrinter(*printer, hooks_.titleText ? hooks_.titleText() : QString());
        PreparedReport pages;
        if (which == Which::Results)
            pages = PrepareResultsReport(state_, ReportPixelAspect(printer));
        else
            pages = TOrvaneRep02(state_.project).Prepare();

        QPrintPreviewDialog dialog(printer, owner_);
        dialog.setObjectName(QStringLiteral("PreviewDialog"));
        // Readable at once: tall on the screen, the page as wide as the window.
        if (const QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen())
            dialog.resize(PreviewWindowSize(screen->availableGeometry().size()));
        FitPreviewToWidth(dialog);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&pages, &painted](QPrinter* target) { painted = PaintReport(*target, pages) && painted; });
        dialog.exec();
    } catch (const std::exception&) {
        painted = false;
    }
    if (!painted)
        ShowMessage(MessageKind::Warning, PrinterProblemMessage());
}

void ReportCommands::Print(Which which)
{
    // Without a printer nothing else happens, not even the computation.
    QPrinter* printer = PrinterInstalled() ? TOrvaneRep00::QRepBeforePrint() : nullptr;
    if (!printer || !printer->isValid()) {
        ShowMessage(MessageKind::Warning, PrinterProblemMessage());
        return;
    }
    if (which == Which::Results && hooks_.computeWaves)
        hooks_.computeWaves();
    bool printed = false;
    try {
        PrepareReportPrinter(*printer, hooks_.titleText ? hooks_.titleText() : QString());
        PreparedReport pages;
        if (which == Which::Results)
            pages = PrepareResultsReport(state_, ReportPixelAspect(printer));
        else
            pages = TOrvaneRep02(state_.project).Prepare();
        WaitCursor wait;
        printed = PaintReport(*printer, pages);
    } catch (const std::exception&) {
        printed = false;
    }
    if (!printed)
        ShowMessage(MessageKind::Warning, PrinterProblemMessage());
}

QString ReportCommands::AskExportFileName(ExportKind kind)
{
    const ExportDialogSettings s =
        ExportDialogFor(kind, hooks_.currentFile ? hooks_.currentFile() : QString(), FromUtf8(ProgramFolder()));
    QFileDialog dialog(owner_, s.title, s.folder, s.filter);
    dialog.setObjectName(QStringLiteral("ExportDialog"));
    // Qt's own dialog: its name filter matches "*.PDF" in any case, and it
    // asks before overwriting an existing file.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(s.defaultSuffix);
    dialog.setSizeGripEnabled(true);
    dialog.selectFile(s.proposedName);
    // Help on reports and export. Modal to the main window only, so the help
    // window it opens can be read and scrolled while the dialog waits.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        buttons->addButton(QDialogButtonBox::Help);
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog, [] { ShowHelpTopic(kExportHelpTopic); });
    }
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool ReportCommands::ExportReport(const QString& name, ExportKind kind)
{
    if (hooks_.computeWaves)
        hooks_.computeWaves();
    Outcome written;
    {
        WaitCursor wait;
        try {
            const PreparedReport pages = PrepareResultsReport(state_, ReportPixelAspect(nullptr));
            const QString title = hooks_.titleText ? hooks_.titleText() : QString();
            written = WriteReportDocument(pages, kind, ToUtf8(name), ToUtf8(title));
        } catch (const std::exception& e) {
            written = Outcome::Failure("cannot write [" + ToUtf8(name) + "]: " + e.what());
        }
    }
    if (!ShowFailure(written))
        return false;
    if (OpenAfterExport())
        OpenWithShell(ToUtf8(name));
    return true;
}

void ReportCommands::Export(ExportKind kind)
{
    const QString name = AskExportFileName(kind);
    if (!name.isEmpty())
        ExportReport(name, kind);
}

}  // namespace orvane
