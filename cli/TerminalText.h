#pragma once
// Text from files (a project's title, a file name, a message quoting a file)
// on its way to a terminal. A terminal obeys the control characters it is
// sent: ESC sequences recolour it, retitle its window, move the cursor or,
// in some terminals, answer back as if typed. Such text is printed with its
// control characters written out instead ("\x1b"), so what a file holds is
// shown and never acted on.

#include <string>
#include <string_view>

namespace orvane::cli {

// text (UTF-8) with every control character written as "\xNN": C0 (0x00 to
// 0x1F) and DEL as one byte, C1 (U+0080 to U+009F) as its two UTF-8 bytes,
// and each byte that is not part of well-formed UTF-8 likewise. Line feeds and tabs stay when
// keepLineBreaks is set (messages of several lines), else they are escaped
// too, so that one field stays one line.
std::string TerminalText(std::string_view text, bool keepLineBreaks = false);

}  // namespace orvane::cli
