#ifdef ORVANE_CLI_PICTURES

#include "cli/OffscreenGui.h"

#include <QGuiApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace orvane::cli {

namespace {

// Without a desktop session the toolkit says that XDG_RUNTIME_DIR is not set
// and picks a folder of its own; a command that only draws into a file has
// no use for that folder, and the note would be the first line of every
// error output. Everything else the toolkit says still goes to stderr.
void FilterToolkitMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
        message.startsWith(QStringLiteral("QStandardPaths: runtime directory")))
        return;
    std::fprintf(stderr, "orvane-cli: %s\n", message.toLocal8Bit().constData());
    if (type == QtFatalMsg)
        std::abort();
}

}  // namespace

OffscreenGui::OffscreenGui()
{
    qInstallMessageHandler(FilterToolkitMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvane-cli";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace orvane::cli

#endif  // ORVANE_CLI_PICTURES
