#pragma once
// Driving modal windows from a Qt test: the test arranges what to do with the
// next modal window, then runs the command that opens it (whose exec() does
// not return until the window closes). Shared by every widget test.

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <type_traits>

namespace orvane::test {

// Runs act on the next modal window of type W once it is shown, from within
// its own event loop. A dialog that act leaves open is rejected, so no test
// waits for ever; after 5 s without one, nothing is done.
template <class W = QWidget> void OnNextModal(std::type_identity_t<std::function<void(W*)>> act)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        W* modal = qobject_cast<W*>(QApplication::activeModalWidget());
        if (modal || ++*tries > 250) {
            timer->stop();
            timer->deleteLater();
            if (modal) {
                act(modal);
                // A check that failed inside act must not leave the test waiting on the dialog.
                if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
                    dialog->reject();
            }
        }
    });
    timer->start();
}

// Clicks button on the next message box; its text goes to *text when given.
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr)
{
    OnNextModal<QMessageBox>([button, text](QMessageBox* box) {
        if (text)
            *text = box->text();
        box->button(button)->click();
    });
}

// Runs handle on each modal window that comes up, until handle returns true
// for the last one it expects. A handler that opens another modal window does
// so queued, so it never runs inside itself.
inline void OnEachModal(std::function<bool(QWidget*)> handle)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle, last = static_cast<QWidget*>(nullptr)]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last)
            return;
        last = modal;
        if (handle(modal))
            timer->deleteLater();
    });
    timer->start(20);
}

}  // namespace orvane::test
