#pragma once
// The application's current help file: one path for the whole run, used by
// every topic request in Windows Help mode. A tool window remembers it at its
// creation and gives it back at its destruction, so that it can make its own
// help file current while it exists. It lives on the application object and
// ends with it; without an application it reads as "" and cannot be set.

#include <string>

namespace orvane {

std::string ApplicationHelpFile();
void SetApplicationHelpFile(const std::string& path);

}  // namespace orvane
