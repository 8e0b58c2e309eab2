#include "core/Messages.h"

#include <utility>

namespace orvane {

namespace {
MessageSink& CurrentSink()
{
    static MessageSink sink;
    return sink;
}
}  // namespace

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(CurrentSink(), std::move(sink)); }

void ShowMessage(MessageKind kind, const std::string& utf8Text)
{
    if (const MessageSink& sink = CurrentSink())
        sink(kind, utf8Text);
}

}  // namespace orvane
