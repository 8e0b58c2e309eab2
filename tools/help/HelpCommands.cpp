#include "tools/help/HelpCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QHash>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "tools/ProgramFile.h"
#include "tools/help/ApplicationHelpFile.h"
#include "tools/help/HelpSystem.h"
#include "tools/settings/IniSettings.h"

namespace orvane {

namespace {
constexpr const char* kConnectedProperty = "orvaneHelpConnected";
}

THelpCommands::THelpCommands(QWidget* window, QMenu* helpMenu, const std::string& iniFile)
    : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("HelpCommands"));
    HelpContents = new QAction(QStringLiteral("Help"), window);
    HelpContents->setObjectName(QStringLiteral("HelpContents"));
    HelpContents->setShortcut(QKeySequence::HelpContents);
    HelpContents->setShortcutContext(Qt::WidgetShortcut);  // F1 itself is handled application-wide
    setHelpmenu = new QMenu(QStringLiteral("Help mode"), window);
    setHelpmenu->setObjectName(QStringLiteral("setHelpmenu"));
    setWinHelpMenu = setHelpmenu->addAction(QStringLiteral("Windows Help"));
    setWinHelpMenu->setObjectName(QStringLiteral("setWinHelpMenu"));
    setHTMLHelpmenu = setHelpmenu->addAction(QStringLiteral("HTML HELP"));
    setHTMLHelpmenu->setObjectName(QStringLiteral("setHTMLHelpmenu"));
    if (helpMenu) {
        QAction* first = helpMenu->actions().isEmpty() ? nullptr : helpMenu->actions().first();
        helpMenu->insertAction(first, HelpContents);
        helpMenu->insertMenu(first, setHelpmenu);
    }
    connect(HelpContents, &QAction::triggered, this, &THelpCommands::HelpContentsClick);
    connect(setWinHelpMenu, &QAction::triggered, this, &THelpCommands::setWinHelpMenuClick);
    connect(setHTMLHelpmenu, &QAction::triggered, this, &THelpCommands::setHTMLHelpmenuClick);

    // Start-up: the value as stored, so a stored 2 names the .CHM file here
    // and still means Windows Help from InitHelpMode on.
    const int stored = ReadIniInteger(iniFile, "HELP", "ACTIVE", kWindowsHelp);
    SetApplicationHelpFile(ChangeFileExt(ProgramFileName(), stored != 0 ? ".CHM" : ".HLP"));
    InitHelpMode(setWinHelpMenu, setHTMLHelpmenu, stored);
    SetHelpModeCaptions(setHelpmenu, setWinHelpMenu, setHTMLHelpmenu);
    ConnectHelpButtons();
}

int THelpCommands::ConnectHelpButtons()
{
    // F1 inside an input group opens the group's topic, when the group holds
    // one "?" button only (the method column holds three).
    QHash<QWidget*, int> buttonsPerGroup;
    for (const HelpButton& entry : kHelpButtons)
        if (auto* button = window_->findChild<QAbstractButton*>(QString::fromLatin1(entry.name)))
            ++buttonsPerGroup[button->parentWidget()];
    int found = 0;
    for (const HelpButton& entry : kHelpButtons) {
        auto* button = window_->findChild<QAbstractButton*>(QString::fromLatin1(entry.name));
        if (!button)
            continue;
        ++found;
        if (button->property(kConnectedProperty).toBool())
            continue;
        button->setProperty(kConnectedProperty, true);
        const std::string keyword = entry.keyword;
        connect(button, &QAbstractButton::clicked, this, [keyword] { ShowHelpTopic(keyword); });
        if (QWidget* group = button->parentWidget(); group && group != window_ && buttonsPerGroup[group] == 1)
            group->setProperty(kHelpKeywordProperty, QString::fromLatin1(entry.keyword));
        if (QWidget* group = entry.group ? window_->findChild<QWidget*>(QString::fromLatin1(entry.group)) : nullptr)
            group->setProperty(kHelpKeywordProperty, QString::fromLatin1(entry.keyword));
    }
    return found;
}

void THelpCommands::HelpContentsClick() { ShowHelpTopic("Contents"); }

void THelpCommands::setWinHelpMenuClick() { AskAndClose(kWindowsHelp); }

void THelpCommands::setHTMLHelpmenuClick() { AskAndClose(kHtmlHelp); }

void THelpCommands::AskAndClose(int newMode)
{
    if (!AskHelpModeChange(newMode, window_))
        return;
    // After the menu has closed: closing the window ends the program, and
    // its shutdown writes HelpMode() to the settings.
    QTimer::singleShot(0, window_, [w = window_] { w->close(); });
}

}  // namespace orvane
