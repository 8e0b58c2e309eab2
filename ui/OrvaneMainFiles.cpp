// TOrvaneMain: the project lifecycle - which file is open, when the record
// is loaded from it and saved to it, what the settings remember - and the
// File menu's project and coordinate commands.

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "core/AppState.h"
#include "core/CommitRules.h"
#include "core/CoordinatesFile.h"
#include "core/FileIO.h"
#include "core/Messages.h"
#include "core/ProjectCompanion.h"
#include "core/ProjectFile.h"
#include "tools/FixedText.h"
#include "tools/QtText.h"
#include "tools/help/HelpSystem.h"
#include "tools/settings/IniSettings.h"
#include "ui/ComputationPascalF.h"
#include "ui/GridFrameF.h"
#include "ui/OrvaneMainF.h"

namespace orvane {

namespace {

enum class ChangedAnswer { Reload, Overwrite, SaveAs, Cancel };

// The question when another program (orvane-cli importing a shoreline, say)
// changed the project file, or is changing it now, since this window loaded
// or saved it: saving without asking would throw that change away.
ChangedAnswer AskProjectChanged(QWidget* parent, const QString& file, bool busy)
{
    const QString name = QFileInfo(file).fileName();
    QString text = busy ? QStringLiteral("Another program is changing the project file [%1] right now.").arg(name)
                        : QStringLiteral("The project file [%1] was changed by another program since it was "
                                         "opened or saved here.")
                              .arg(name);
    text += QStringLiteral("\n\nReload: show the file as it is now; what was changed in this window is dropped."
                           "\nOverwrite: save this window's project over it; the other program's change is lost."
                           "\nSave As...: save this window's project under another name.");
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Project changed on disk"), text, QMessageBox::NoButton,
                    parent);
    box.setObjectName(QStringLiteral("ProjectChangedBox"));
    box.setTextFormat(Qt::PlainText);
    QPushButton* reload = box.addButton(QStringLiteral("Reload"), QMessageBox::AcceptRole);
    QPushButton* overwrite = box.addButton(QStringLiteral("Overwrite"), QMessageBox::DestructiveRole);
    QPushButton* saveAs = box.addButton(QStringLiteral("Save As..."), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    reload->setObjectName(QStringLiteral("ReloadButton"));
    overwrite->setObjectName(QStringLiteral("OverwriteButton"));
    saveAs->setObjectName(QStringLiteral("SaveAsButton"));
    box.setDefaultButton(reload);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == reload)
        return ChangedAnswer::Reload;
    if (box.clickedButton() == overwrite)
        return ChangedAnswer::Overwrite;
    if (box.clickedButton() == saveAs)
        return ChangedAnswer::SaveAs;
    return ChangedAnswer::Cancel;
}

}  // namespace

void TOrvaneMain::UpdateCaption()
{
    QString caption = FromUtf8(FixedText(FixedTextId::ProgramTitle));
    if (FileOpen)
        caption += QStringLiteral("  ") + TitleText + QStringLiteral("  [") + QFileInfo(CurrentFile).fileName() +
                   QStringLiteral("]");
    setWindowTitle(caption);
}

void TOrvaneMain::WriteSettings()
{
    SettingsFile settings(ToUtf8(IniFileName));
    // The help system holds the mode in effect, or the one a confirmed
    // change asked for at the next start.
    HelpMode = orvane::HelpMode();
    settings.WriteInteger("HELP", "ACTIVE", HelpMode);
    if (FileOpen) {
        settings.WriteString("PRJ", "DIR", ToUtf8(ProjectsDir));
        settings.WriteString("PRJ", "FILE", ToUtf8(CurrentFile));
    }
    (void)settings.Save();  // a failure is shown once by Save
}

void TOrvaneMain::FormDestroy()
{
    destroyed_ = true;
    WriteSettings();
    if (!FileOpen) {
        SaveCurrentFile();
        return;
    }
    // No question while the window goes away: a file another program
    // changed keeps that change.
    ReadProject();
    std::string why;
    if (SaveGuarded(why, false) == SaveOutcome::Failed)
        ShowError(why);
}

void TOrvaneMain::RememberDiskFile()
{
    diskFile_ = ToUtf8(CurrentFile);
    diskPrint_ = FingerprintOf(diskFile_);
}

TOrvaneMain::SaveOutcome TOrvaneMain::SaveGuarded(std::string& why, bool ask)
{
    for (;;) {
        const std::string path = ToUtf8(CurrentFile);
        // Held from the check to the rename, as orvane-cli holds it from its
        // load to its save: neither can slip a change in between.
        const FileLock lock = FileLock::TryLock(path);
        const bool busy = lock.GetState() == FileLock::State::Busy;
        const FileFingerprint now = FingerprintOf(path);
        // A file deleted meanwhile holds nothing to lose; one saved under a
        // new name was chosen in the save dialog.
        if (busy || (path == diskFile_ && now.exists && now != diskPrint_)) {
            if (!ask) {
                why = "the project file [" + path + "] was changed by another program; the changes made in the " +
                      "window were not saved over it";
                return SaveOutcome::Failed;
            }
            switch (AskProjectChanged(this, CurrentFile, busy)) {
            case ChangedAnswer::Reload: OpenCurrentFile(); return SaveOutcome::Reloaded;
            case ChangedAnswer::Cancel: return SaveOutcome::Cancelled;
            case ChangedAnswer::SaveAs: {
                const QString name = AskSaveName(QStringLiteral("Save As"), ProjectFileFilter(), QStringLiteral("WDT"),
                                                 QFileInfo(CurrentFile).absolutePath());
                if (!name.isEmpty()) {
                    CurrentFile = name;
                    UpdateCaption();
                }
                continue;
            }
            case ChangedAnswer::Overwrite:
                if (busy)
                    continue;  // not while the other program writes: asked again
                break;
            }
        }
        // The companion file after the project (WriteProjectAndCompanion):
        // a project that cannot be written changes neither file. Save As
        // writes the companion held here beside the new name, which copies it.
        Outcome written = WriteProjectAndCompanion(state_.project, state_.companion, path);
        if (!written) {
            why = std::move(written.message);
            return SaveOutcome::Failed;
        }
        RememberDiskFile();
        return SaveOutcome::Saved;
    }
}

bool TOrvaneMain::SaveBeforeClosing()
{
    if (!FileOpen) {
        SaveCurrentFile();
        return true;
    }
    ReadProject();
    for (;;) {
        std::string why;
        switch (SaveGuarded(why, true)) {
        case SaveOutcome::Saved: return true;
        case SaveOutcome::Reloaded:  // the window stays open, showing the file as it is
        case SaveOutcome::Cancelled: return false;
        case SaveOutcome::Failed: break;
        }
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"),
                        FromUtf8(why) + QStringLiteral("\n\nThe project is not saved."), QMessageBox::NoButton, this);
        box.setObjectName(QStringLiteral("SaveFailedBox"));
        QPushButton* saveAs = box.addButton(QStringLiteral("Save As..."), QMessageBox::AcceptRole);
        QPushButton* quit = box.addButton(QStringLiteral("Quit without saving"), QMessageBox::DestructiveRole);
        QPushButton* stay = box.addButton(QMessageBox::Cancel);
        saveAs->setObjectName(QStringLiteral("SaveAsButton"));
        quit->setObjectName(QStringLiteral("QuitButton"));
        box.setDefaultButton(saveAs);
        box.setEscapeButton(stay);
        box.exec();
        if (box.clickedButton() == quit)
            return true;
        if (box.clickedButton() != saveAs)
            return false;
        const QString name = AskSaveName(QStringLiteral("Save As"), ProjectFileFilter(), QStringLiteral("WDT"),
                                         QFileInfo(CurrentFile).absolutePath());
        if (!name.isEmpty()) {
            CurrentFile = name;
            UpdateCaption();
        }
    }
}

void TOrvaneMain::OpenCurrentFile()
{
    for (int b = 1; b <= kMaxBoundaries; ++b)
        Frame(b)->ClearGrid();
    FileOpen = true;
    for (QPushButton* b : {ComputeBtn, PlotBtn, ReportBtn})
        b->setEnabled(true);
    ProjectRecord& rec = state_.project;
    LoadProject(rec, ToUtf8(CurrentFile));
    // A damaged companion file is said once, here, and its defaults are used.
    state_.companion.Load(ToUtf8(CurrentFile));
    // The method groups show a code past their last item as that item; the
    // first computation must use what they show.
    ClampMethodCodes(rec);
    RememberDiskFile();
    TitleText = From1252(TitleBytes(rec));
    UpdateCaption();
    ShowProject();
    DrawRegionPlot();
    Computation->ComputeAndShow();
}

bool TOrvaneMain::SaveCurrentFile()
{
    ReadProject();
    if (!FileOpen) {
        // The scratch file lives in the program folder's Projects folder,
        // which a fresh program folder may not have yet. It is a convenience
        // nobody opens by name: a program folder the user cannot write to
        // keeps none, and nothing is said about it.
        QDir().mkpath(QFileInfo(CurrentFile).absolutePath());
        (void)WriteProjectAndCompanion(state_.project, state_.companion, ToUtf8(CurrentFile));
        return true;
    }
    std::string why;
    const SaveOutcome outcome = SaveGuarded(why, true);
    if (outcome == SaveOutcome::Failed)
        ShowError(why);
    return outcome != SaveOutcome::Cancelled;
}

void TOrvaneMain::OpenProjectFile(const QString& fileName)
{
    CurrentFile = fileName;
    OpenCurrentFile();
}

bool TOrvaneMain::OpenStartupFile(const QString& fileName)
{
    ProjectRecord probe {};
    const ProjectFileRead read = LoadProjectReadOnly(probe, ToUtf8(fileName));
    switch (read.state) {
    case ProjectFileState::Missing: ShowError("project file not found [" + ToUtf8(fileName) + "]"); return false;
    case ProjectFileState::Unreadable:
        // A FIFO or a folder is named as what it is.
        ShowError(read.problem.empty() ? FileErrorMessage(ToUtf8(fileName)) : read.problem);
        return false;
    case ProjectFileState::Complete:
    case ProjectFileState::Short: break;
    }
    OpenProjectFile(fileName);
    return true;
}

void TOrvaneMain::SaveProjectAs(const QString& fileName)
{
    CurrentFile = fileName;
    FileOpen = true;
    SaveCurrentFile();
    UpdateCaption();
}

QString TOrvaneMain::AskOpenName(const QString& title, const QString& filter, const QString& suffix,
                                 const QString& folder)
{
    QFileDialog dialog(this, title, folder, filter);
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name that does not exist yet is allowed: it makes a new file.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString TOrvaneMain::AskSaveName(const QString& title, const QString& filter, const QString& suffix,
                                 const QString& folder)
{
    QFileDialog dialog(this, title, folder, filter);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void TOrvaneMain::New1Click() { Open1Click(); }

void TOrvaneMain::Open1Click()
{
    if (FileOpen && !SaveCurrentFile())
        return;
    const QString name = AskOpenName(QStringLiteral("Open"), ProjectFileFilter(), QStringLiteral("WDT"), ProjectsDir);
    if (!name.isEmpty())
        OpenProjectFile(name);
}

void TOrvaneMain::Save1Click()
{
    if (!FileOpen || !SaveCurrentFile())
        return;
    const QString name = AskSaveName(QStringLiteral("Save As"), ProjectFileFilter(), QStringLiteral("WDT"),
                                     QFileInfo(CurrentFile).absolutePath());
    if (!name.isEmpty())
        SaveProjectAs(name);
}

void TOrvaneMain::Exit1Click()
{
    // Closing saves the project, once, and asks what to do if that fails.
    close();
}

void TOrvaneMain::LastFileClick()
{
    if (FileOpen && !SaveCurrentFile())
        return;
    OpenProjectFile(LastFileName);
}

void TOrvaneMain::ImportCoordinatesFrom(const QString& fileName)
{
    const ImportResult result = ImportCoordinatesFile(state_.project, ToUtf8(fileName));
    if (result.state != ImportState::Imported) {
        // Nothing changed: the record, the grids (typing included) and the
        // file stay as they were.
        ShowMessage(result.state == ImportState::Unreadable ? MessageKind::Error : MessageKind::Warning,
                    result.message);
        return;
    }
    OfferPointInWater();
    ShowProject();
    PlotBtnClick();
    // New boundaries, new waves: the results shown must be this region's.
    if (FileOpen)
        Computation->ComputeAndShow();
}

void TOrvaneMain::ExportCoordinatesTo(const QString& fileName)
{
    if (!ExportCoordinates(state_.project, ToUtf8(fileName)))
        ShowError(FileErrorMessage(ToUtf8(fileName)));
}

void TOrvaneMain::InputCoord01Click()
{
    const QString name = AskOpenName(QStringLiteral("Input X,Y coordinates"), CoordinatesFileFilter(),
                                     QStringLiteral("txt"), ProjectsDir);
    if (!name.isEmpty())
        ImportCoordinatesFrom(name);
}

void TOrvaneMain::OutputCoordinatesClick()
{
    const QString name = AskSaveName(QStringLiteral("Output X,Y coordinates"), CoordinatesFileFilter(),
                                     QStringLiteral("txt"), ProjectsDir);
    if (!name.isEmpty())
        ExportCoordinatesTo(name);
}

}  // namespace orvane
