#pragma once
// The program's help: topics in an external help file, reached by keyword.
// Two formats, one at a time per run (HelpMode): Windows Help (.HLP), which
// this system cannot show and says so, and HTML Help (.CHM), shown by the
// program's own viewer THtmlHelpViewer. A change of format is asked for in
// the Help menu and takes effect at the next start.
//
// State for the run (help mode, the HTML help file, whether InitHelpMode has
// run) lives on the application object, like the current help file
// (ApplicationHelpFile): it begins and ends with the application.

#include <QString>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace orvane {

// The program's help files are English; the code is part of their names.
inline constexpr const char* kHelpLanguage = "ENG";

enum HelpModes { kWindowsHelp = 0, kHtmlHelp = 1 };

// 0 Windows Help, 1 HTML Help; 0 until InitHelpMode says otherwise.
int HelpMode();
void SetHelpMode(int mode);

// The file the HTML viewer opens topics in. A name without a folder gets the
// program folder in front.
std::string HtmlHelpFile();
void SetHtmlHelpFile(const std::string& path);

// The help search path below programFolder (which ends with "/"), in order:
// the program folder, its "HLP/" and "fHLP/", the folder "HLPS/ENG/" beside
// the program folder, and "/KAVRO/HLPS/ENG/". A drive letter means nothing
// here, so the two drive folders of a Windows system are that one folder.
// Every entry ends with "/".
std::vector<std::string> HelpSearchPath(const std::string& programFolder);

// Whether file is one of the program's help files: a compiled help file
// (".chm" in any case) directly in a folder of HelpSearchPath(programFolder).
// A relative file, or one whose path climbs out with "..", is judged by where
// it leads. Pages may link only to such files: any other name could make the
// viewer open whatever file a page names.
bool IsProgramHelpFile(const std::string& file, const std::string& programFolder);

// The search for one file name: the name itself when such a file exists
// (relative to the current folder: the result is then made absolute), else
// the first folder of the search path that holds it; "" when none does.
std::string SearchHelpFile(const std::string& programFolder, const std::string& fileName);

// FindHelpFile below programFolder for mode (1 ".CHM", else ".HLP"): base +
// "ENG" before base alone; "KAVRO571env" falls back to "KAVRO571"; when
// nothing is found, programFolder + "HLP/" + base + "ENG" + extension. Never
// empty. Changes no state.
std::string FindHelpFileIn(const std::string& programFolder, const std::string& baseName, int mode);

// FindHelpFileIn for the running program and HelpMode(); in HTML Help mode
// the result also becomes the HTML help file.
std::string FindHelpFile(const std::string& baseName);

// Makes FindHelpFile(baseName) the current help file; returns the previous one.
std::string SwitchHelpFile(const std::string& baseName);

// Windows Help mode: a message that such files cannot be shown here and that
// "Help mode  [HTML HELP]" shows the same topics. HTML Help mode: the viewer
// shows TopicAddress(HtmlHelpFile(), keyword), or a page saying what was not
// found and where it was looked for.
void ShowHelpTopic(const std::string& keyword);

// The message ShowHelpTopic gives in Windows Help mode.
QString WindowsHelpMessage(const std::string& helpFile, const std::string& keyword);

// Once per run (later calls do nothing): mode 1 makes HelpMode 1, checks the
// HTML Help item, makes the current help file the HTML help file and routes
// the F1 key to the viewer; any other mode makes HelpMode 0, checks the
// Windows Help item and routes F1 to ShowHelpTopic's message. The items may
// be null (no menu).
void InitHelpMode(QAction* winHelpItem, QAction* htmlHelpItem, int mode);

// "Windows Help" and "HTML HELP" for the items; the submenu reads
// "Help mode  [" + the checked item's caption + "]".
void SetHelpModeCaptions(QMenu* submenu, QAction* winHelpItem, QAction* htmlHelpItem);

// The question asked before a change to newMode (0 Windows Help, 1 HTML Help).
QString HelpModeQuestion(int newMode);

// Asks HelpModeQuestion with Yes and No. Yes: HelpMode becomes 1 for new mode
// 1, else 0, and the result is true (the caller then closes the main window,
// which stores the mode for the next start). Any other answer changes nothing.
bool AskHelpModeChange(int newMode, QWidget* parent = nullptr);

// At program load: from then on the help windows close when the application
// quits. Later calls do nothing.
void LoadHtmlHelp();

// The help strings the HTML viewer offers for a keyword.
std::vector<std::string> HelpStrings(const std::string& keyword);

// The widget property F1 looks for, on the focused widget or its parents,
// to choose a topic; without one F1 opens "Contents".
inline constexpr const char* kHelpKeywordProperty = "helpKeyword";

// Forgets the run's help state (mode, files, InitHelpMode done). Tests only.
void ResetHelpSystemForTesting();

}  // namespace orvane
