#include "app/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "core/Messages.h"

namespace orvane {

void InstallMessageBoxSink()
{
    SetMessageSink([](MessageKind kind, const std::string& utf8Text) {
        const QString text = QString::fromUtf8(utf8Text.c_str(), static_cast<int>(utf8Text.size()));
        QWidget* parent = QApplication::activeWindow();
        switch (kind) {
        case MessageKind::Error: QMessageBox::critical(parent, QStringLiteral("Error"), text, QMessageBox::Ok); break;
        case MessageKind::Warning:
            QMessageBox::warning(parent, QStringLiteral("Warning"), text, QMessageBox::Ok);
            break;
        case MessageKind::Information:
            QMessageBox::information(parent, QStringLiteral("Information"), text, QMessageBox::Ok);
            break;
        }
    });
}

}  // namespace orvane
