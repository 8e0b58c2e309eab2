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
#include "core/Messages.h"
#include "core/ProjectFile.h"
#include "tools/FixedText.h"
#include "tools/HelpSystem.h"
#include "tools/IniSettings.h"
#include "ui/ComputationPascalF.h"
#include "ui/GridFrameF.h"
#include "ui/OrvaneMainF.h"
#include "ui/QtText.h"

namespace orvane {

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
    settings.Save();
}

void TOrvaneMain::FormDestroy()
{
    destroyed_ = true;
    WriteSettings();
    SaveCurrentFile();
}

bool TOrvaneMain::SaveBeforeClosing()
{
    if (!FileOpen) {
        SaveCurrentFile();
        return true;
    }
    ReadProject();
    for (;;) {
        const std::string why = WriteProject(state_.project, ToUtf8(CurrentFile));
        if (why.empty())
            return true;
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
    // The method groups show a code past their last item as that item; the
    // first computation must use what they show.
    ClampMethodCodes(rec);
    TitleText = From1252(TitleBytes(rec));
    UpdateCaption();
    ShowProject();
    DrawRegionPlot();
    Computation->ComputeAndShow();
}

void TOrvaneMain::SaveCurrentFile()
{
    ReadProject();
    if (!FileOpen) {
        // The scratch file lives in the program folder's Projects folder,
        // which a fresh program folder may not have yet. It is a convenience
        // nobody opens by name: a program folder the user cannot write to
        // keeps none, and nothing is said about it.
        QDir().mkpath(QFileInfo(CurrentFile).absolutePath());
        WriteProject(state_.project, ToUtf8(CurrentFile));
        return;
    }
    SaveProject(state_.project, ToUtf8(CurrentFile));
}

void TOrvaneMain::OpenProjectFile(const QString& fileName)
{
    CurrentFile = fileName;
    OpenCurrentFile();
}

bool TOrvaneMain::OpenStartupFile(const QString& fileName)
{
    ProjectRecord probe{};
    switch (LoadProjectReadOnly(probe, ToUtf8(fileName)).state) {
    case ProjectFileState::Missing:
        ShowError("project file not found [" + ToUtf8(fileName) + "]");
        return false;
    case ProjectFileState::Unreadable:
        ShowError(FileErrorMessage(ToUtf8(fileName)));
        return false;
    case ProjectFileState::Complete:
    case ProjectFileState::Short:
        break;
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
    if (FileOpen)
        SaveCurrentFile();
    const QString name = AskOpenName(QStringLiteral("Open"), ProjectFileFilter(), QStringLiteral("WDT"), ProjectsDir);
    if (!name.isEmpty())
        OpenProjectFile(name);
}

void TOrvaneMain::Save1Click()
{
    if (!FileOpen)
        return;
    SaveCurrentFile();
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
    if (FileOpen)
        SaveCurrentFile();
    OpenProjectFile(LastFileName);
}

void TOrvaneMain::ImportCoordinatesFrom(const QString& fileName)
{
    const ImportResult result = ImportCoordinatesFile(state_.project, ToUtf8(fileName));
    if (result.outcome != ImportOutcome::Imported) {
        // Nothing changed: the record, the grids (typing included) and the
        // file stay as they were.
        ShowMessage(result.outcome == ImportOutcome::Unreadable ? MessageKind::Error : MessageKind::Warning,
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
    const QString name =
        AskOpenName(QStringLiteral("Input X,Y coordinates"), CoordinatesFileFilter(), QStringLiteral("txt"), ProjectsDir);
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
