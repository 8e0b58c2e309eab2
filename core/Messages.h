#pragma once
// Where core operations "show their own message" without knowing how: the
// program installs a sink at start-up (a message box in the desktop program,
// standard error in the command-line tool, a recorder in tests).

#include <functional>
#include <string>

#include "core/Outcome.h"

namespace orvane {

enum class MessageKind { Error, Warning, Information };

using MessageSink = std::function<void(MessageKind, const std::string& utf8Text)>;

// Installs the sink and returns the previous one. An empty sink drops messages.
MessageSink SetMessageSink(MessageSink sink);

void ShowMessage(MessageKind kind, const std::string& utf8Text);
inline void ShowError(const std::string& utf8Text) { ShowMessage(MessageKind::Error, utf8Text); }

// Shows a failed outcome's reason as a message of that kind; nothing for a
// success. Returns outcome.ok.
inline bool ShowFailure(const Outcome& outcome, MessageKind kind = MessageKind::Error)
{
    if (!outcome.ok)
        ShowMessage(kind, outcome.message);
    return outcome.ok;
}

// Restores the previous sink when it leaves scope (tests, nested tools).
class ScopedMessageSink {
public:
    explicit ScopedMessageSink(MessageSink sink) : previous_(SetMessageSink(std::move(sink))) { }
    ~ScopedMessageSink() { SetMessageSink(std::move(previous_)); }
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

private:
    MessageSink previous_;
};

}  // namespace orvane
