#include "tools/ShellOpen.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace orvane {

namespace {

// "https://x", "mailto:a@b": a scheme of two or more letters followed by ":".
// A single letter before ":" would be a drive, which a path here never has.
bool IsAddress(const QString& text)
{
    const int colon = text.indexOf(':');
    if (colon < 2)
        return false;
    for (int i = 0; i < colon; ++i) {
        const QChar c = text[i];
        if (!(c.isLetterOrNumber() || c == '+' || c == '-' || c == '.') || (i == 0 && !c.isLetter()))
            return false;
    }
    return true;
}

}  // namespace

void OpenWithShell(const std::string& path)
{
    if (path.empty())
        return;
    const QString text = QString::fromStdString(path);
    const QUrl url = IsAddress(text) ? QUrl(text) : QUrl::fromLocalFile(text);
    // Starts the handler detached and returns; its result is of no use here.
    QDesktopServices::openUrl(url);
}

}  // namespace orvane
