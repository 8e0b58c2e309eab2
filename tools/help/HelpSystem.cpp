#include "tools/help/HelpSystem.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <filesystem>
#include <system_error>

#include "core/Messages.h"
#include "tools/ProgramFile.h"
#include "tools/QtText.h"
#include "tools/help/ApplicationHelpFile.h"
#include "tools/help/HelpLinks.h"
#include "tools/help/HtmlHelpViewerF.h"

namespace orvane {

namespace {

constexpr const char* kModeProperty = "orvaneHelpMode";
constexpr const char* kHtmlFileProperty = "orvaneHtmlHelpFile";
constexpr const char* kInitDoneProperty = "orvaneHelpModeSet";
constexpr const char* kLoadedProperty = "orvaneHtmlHelpLoaded";

QVariant AppProperty(const char* name)
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->property(name) : QVariant();
}

void SetAppProperty(const char* name, const QVariant& value)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->setProperty(name, value);
}

bool IsRegularFile(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// F1 anywhere in the application: the topic named by the focused widget or
// the nearest parent that names one, else "Contents".
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow())
            return false;  // seen once, at the window that receives it
        std::string keyword = "Contents";
        // The window's own focus widget: the key came to this window, active
        // or not.
        QWidget* focus = widget->focusWidget() ? widget->focusWidget() : QApplication::focusWidget();
        for (QWidget* w = focus; w; w = w->parentWidget()) {
            const QVariant value = w->property(kHelpKeywordProperty);
            if (value.isValid() && !value.toString().isEmpty()) {
                keyword = value.toString().toStdString();
                break;
            }
        }
        ShowHelpTopic(keyword);
        return true;
    }
};

void InstallHelpKey()
{
    // Found again by name: HelpKeyFilter has no meta-object of its own, so a
    // search by its type would match any child of the application.
    static const QString name = QStringLiteral("orvaneHelpKeyFilter");
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new HelpKeyFilter(app);
    filter->setObjectName(name);
    app->installEventFilter(filter);
}

}  // namespace

int HelpMode() { return AppProperty(kModeProperty).toInt() == kHtmlHelp ? kHtmlHelp : kWindowsHelp; }

void SetHelpMode(int mode) { SetAppProperty(kModeProperty, mode == kHtmlHelp ? kHtmlHelp : kWindowsHelp); }

std::string HtmlHelpFile() { return AppProperty(kHtmlFileProperty).toString().toStdString(); }

void SetHtmlHelpFile(const std::string& path)
{
    const bool hasFolder = path.find('/') != std::string::npos;
    SetAppProperty(kHtmlFileProperty, FromUtf8(hasFolder || path.empty() ? path : ProgramFolder() + path));
}

std::vector<std::string> HelpSearchPath(const std::string& programFolder)
{
    std::vector<std::string> folders {programFolder, programFolder + "HLP/", programFolder + "fHLP/",
                                      programFolder + "../HLPS/" + kHelpLanguage + "/"};
    folders.push_back(std::string("/KAVRO/HLPS/") + kHelpLanguage + "/");
    return folders;
}

bool IsProgramHelpFile(const std::string& file, const std::string& programFolder)
{
    if (file.empty() || programFolder.empty())
        return false;
    std::error_code error;
    const std::filesystem::path path = std::filesystem::absolute(file, error).lexically_normal();
    if (error || !path.has_filename())
        return false;
    std::string extension = path.extension().string();
    for (char& c : extension)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension != ".chm")
        return false;
    for (const std::string& folder : HelpSearchPath(programFolder))
        if (std::filesystem::path(folder).lexically_normal() == path.parent_path() / "")
            return true;
    return false;
}

std::string SearchHelpFile(const std::string& programFolder, const std::string& fileName)
{
    if (IsRegularFile(fileName)) {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(fileName, error);
        return error ? fileName : absolute.lexically_normal().string();
    }
    for (const std::string& folder : HelpSearchPath(programFolder)) {
        const std::string path = folder.empty() || folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
        if (IsRegularFile(path))
            return path;
    }
    return {};
}

std::string FindHelpFileIn(const std::string& programFolder, const std::string& baseName, int mode)
{
    const std::string extension = mode == kHtmlHelp ? ".CHM" : ".HLP";
    auto search = [&](const std::string& base) {
        std::string found = SearchHelpFile(programFolder, base + kHelpLanguage + extension);
        return found.empty() ? SearchHelpFile(programFolder, base + extension) : found;
    };
    std::string found = search(baseName);
    if (found.empty() && baseName == "KAVRO571env")
        found = search("KAVRO571");
    return found.empty() ? programFolder + "HLP/" + baseName + kHelpLanguage + extension : found;
}

std::string FindHelpFile(const std::string& baseName)
{
    const std::string path = FindHelpFileIn(ProgramFolder(), baseName, HelpMode());
    if (HelpMode() == kHtmlHelp)
        SetHtmlHelpFile(path);
    return path;
}

std::string SwitchHelpFile(const std::string& baseName)
{
    const std::string previous = ApplicationHelpFile();
    SetApplicationHelpFile(FindHelpFile(baseName));
    return previous;
}

QString WindowsHelpMessage(const std::string& helpFile, const std::string& keyword)
{
    return QStringLiteral("Windows Help files cannot be shown on this system.\n\n"
                          "Topic \"%1\" of %2 was asked for.\n\n"
                          "The same topics are shown in HTML Help mode: in the Help menu choose "
                          "\"Help mode\", then \"HTML HELP\". The program closes, and the next time "
                          "it starts, \"Help mode  [HTML HELP]\" shows the topics in the help window.")
        .arg(FromUtf8(keyword), FromUtf8(helpFile.empty() ? std::string("(no help file)") : helpFile));
}

void ShowHelpTopic(const std::string& keyword)
{
    if (HelpMode() != kHtmlHelp) {
        ShowMessage(MessageKind::Information, WindowsHelpMessage(ApplicationHelpFile(), keyword).toStdString());
        return;
    }
    THtmlHelpViewer::Instance()->ShowAddress(FromUtf8(TopicAddress(HtmlHelpFile(), keyword)));
}

void InitHelpMode(QAction* winHelpItem, QAction* htmlHelpItem, int mode)
{
    if (AppProperty(kInitDoneProperty).toBool())
        return;
    SetAppProperty(kInitDoneProperty, true);
    const bool html = mode == kHtmlHelp;
    SetHelpMode(html ? kHtmlHelp : kWindowsHelp);
    for (QAction* item : {winHelpItem, htmlHelpItem})
        if (item)
            item->setCheckable(true);
    if (winHelpItem)
        winHelpItem->setChecked(!html);
    if (htmlHelpItem)
        htmlHelpItem->setChecked(html);
    if (html)
        SetHtmlHelpFile(ApplicationHelpFile());
    // The toolkit's own help requests (F1) go to the same place as the
    // "?" buttons: the viewer in HTML Help mode, the message otherwise.
    InstallHelpKey();
}

void SetHelpModeCaptions(QMenu* submenu, QAction* winHelpItem, QAction* htmlHelpItem)
{
    if (winHelpItem)
        winHelpItem->setText(QStringLiteral("Windows Help"));
    if (htmlHelpItem)
        htmlHelpItem->setText(QStringLiteral("HTML HELP"));
    if (!submenu)
        return;
    QString checked;
    if (winHelpItem && winHelpItem->isChecked())
        checked = winHelpItem->text();
    else if (htmlHelpItem && htmlHelpItem->isChecked())
        checked = htmlHelpItem->text();
    submenu->setTitle(QStringLiteral("Help mode  [%1]").arg(checked));
}

QString HelpModeQuestion(int newMode)
{
    const bool toHtml = newMode == kHtmlHelp;
    return QStringLiteral("Change Help style from: %1 to %2\nThe program will close to reset")
        .arg(toHtml ? QStringLiteral("Windows HELP") : QStringLiteral("HTML HELP"),
             toHtml ? QStringLiteral("HTML HELP") : QStringLiteral("Windows HELP"));
}

bool AskHelpModeChange(int newMode, QWidget* parent)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Help mode"), HelpModeQuestion(newMode),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("HelpModeQuestion"));
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return false;
    SetHelpMode(newMode == kHtmlHelp ? kHtmlHelp : kWindowsHelp);
    return true;
}

void LoadHtmlHelp()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || AppProperty(kLoadedProperty).toBool())
        return;
    SetAppProperty(kLoadedProperty, true);
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { THtmlHelpViewer::CloseAll(); });
}

std::vector<std::string> HelpStrings(const std::string& keyword) { return {"HtmlHelpViewer: " + keyword}; }

void ResetHelpSystemForTesting()
{
    for (const char* name : {kModeProperty, kHtmlFileProperty, kInitDoneProperty})
        SetAppProperty(name, QVariant());
    SetApplicationHelpFile("");
}

}  // namespace orvane
