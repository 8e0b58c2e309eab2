#pragma once
// Opening documents and web addresses with the desktop's default handler.

#include <string>

namespace orvane {

// Hands path (a local file, or an address with a scheme such as
// "https://...") to the desktop's "open" action. Returns at once; a failure
// (no handler, a missing file) is not reported.
void OpenWithShell(const std::string& path);

}  // namespace orvane
