#pragma once
// THelpCommands: the help system's part of the main window, in one object the
// window creates after its menus and "?" buttons exist:
//
//   - at the top of the window's Help menu, "Help" (HelpContents, topic
//     "Contents") and the submenu "Help mode  [...]" (setHelpmenu) with
//     "Windows Help" (setWinHelpMenu) and "HTML HELP" (setHTMLHelpmenu);
//   - the start-up steps: the help mode read from section "HELP", key
//     "ACTIVE" of the settings file; the current help file named after the
//     program file (".CHM" when that value is not 0, else ".HLP");
//     InitHelpMode; SetHelpModeCaptions;
//   - the "?" buttons SpeedButton1..SpeedButton5 found below the window by
//     name, each opening its topic; their input groups name the same topic
//     for F1.
//
// A confirmed help-mode change closes the window, whose shutdown stores
// HelpMode() for the next start.

#include <QObject>
#include <string>

class QAction;
class QMenu;
class QWidget;

namespace orvane {

class THelpCommands : public QObject {
    Q_OBJECT
public:
    // window: the main window (parent of the items, closed on a mode change);
    // helpMenu: its Help menu; iniFile: the main settings file.
    THelpCommands(QWidget* window, QMenu* helpMenu, const std::string& iniFile);

    // The "?" buttons by object name, the topics they open, and a widget
    // (by name, or null) whose F1 opens the same topic although the button
    // is not inside it: the wind fields, a method group beside its button.
    struct HelpButton {
        const char* name;
        const char* keyword;
        const char* group;
    };
    static constexpr HelpButton kHelpButtons[] = {
        {"SpeedButton1", "WindData", "WindPanel"},
        {"SpeedButton2", "RegionCoordinates", nullptr},
        {"SpeedButton3", "DirectionalEffects", "DirectionalWtype1"},
        {"SpeedButton4", "SpectrumTypes", "SpectrumType1"},
        {"SpeedButton5", "HsTs", "SpecificWtype1"},
    };

    // Connects every "?" button below the window (buttons made later, for a
    // narrower or wider layout, are found by calling it again; a button is
    // connected once). Returns how many buttons were found.
    int ConnectHelpButtons();

    QAction* HelpContents;     // "Help"
    QMenu* setHelpmenu;        // "Help mode  [...]"
    QAction* setWinHelpMenu;   // "Windows Help"
    QAction* setHTMLHelpmenu;  // "HTML HELP"

public slots:
    void HelpContentsClick();
    // AskHelpModeChange to Windows Help (0) / HTML Help (1); on Yes the window closes.
    void setWinHelpMenuClick();
    void setHTMLHelpmenuClick();

private:
    void AskAndClose(int newMode);
    QWidget* window_;
};

}  // namespace orvane
