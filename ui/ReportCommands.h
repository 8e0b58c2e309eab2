#pragma once
// The main window's report commands: preview and print the results report,
// preview and print the theoretical summary, export the results report to
// PDF or RTF. Each command builds a fresh report and lets it go when it
// returns, also after a failure.
//
// The main window hands over its state and three things only it knows: how
// to run "Compute Waves" (which reads its controls first), the project title
// as typed, and the current project file.

#include <QString>
#include <functional>

class QWidget;

namespace orvane {

struct AppState;
enum class ExportKind;  // reports/DocumentExport.h

// What the export dialog shows for a kind (see ExportDialogFor).
struct ExportDialogSettings {
    QString title;          // "Save graphics to file in PDF (Acrobat) (*.PDF)"
    QString filter;         // "PDF (Acrobat) Format (*.PDF)"
    QString defaultSuffix;  // "pdf"
    QString folder;         // the current file's folder, ending with "/"
    QString proposedName;   // the current file's name with the kind's extension
};

// From the kind's row of the export table and the current project file; with
// no file (an empty name) the scratch project Projects/Temp.WDT of
// programFolder stands in.
ExportDialogSettings ExportDialogFor(ExportKind kind, const QString& currentFile, const QString& programFolder);

// The help topic of the export dialog's "Help" button.
inline constexpr const char* kExportHelpTopic = "ReportsAndExport";

// Name of the environment variable that, when set to anything but "" or
// "0", keeps exported documents from being opened (tests, batch use).
inline constexpr const char* kNoOpenAfterExportVariable = "ORVANE_NO_OPEN_AFTER_EXPORT";

class ReportCommands {
public:
    struct Hooks {
        std::function<void()> computeWaves;    // "Compute Waves": controls to record, run
        std::function<QString()> titleText;    // the title as typed, whole
        std::function<QString()> currentFile;  // the project file (or the scratch file)
    };

    ReportCommands(QWidget* owner, AppState& state, Hooks hooks);

    // "Compute Waves", then the results report in a preview window with page
    // navigation, zoom and printing. Returns when the window is closed.
    void PreviewResults();
    // "Compute Waves", then the results report on the application's printer.
    void PrintResults();
    // The theoretical summary; nothing is computed, no project is needed.
    void PreviewSummary();
    void PrintSummary();

    // The export dialog; "" when the user cancels.
    QString AskExportFileName(ExportKind kind);
    // "Compute Waves", then the results report written to name, then opened
    // with the desktop's handler. false (after an error message) when the
    // file cannot be written.
    bool ExportReport(const QString& name, ExportKind kind);
    // AskExportFileName, then ExportReport when a name came back.
    void Export(ExportKind kind);

private:
    enum class Which { Results, Summary };
    void Preview(Which which);
    void Print(Which which);

    QWidget* owner_;
    AppState& state_;
    Hooks hooks_;
};

}  // namespace orvane
