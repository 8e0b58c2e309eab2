#pragma once
// Warning texts shown in message boxes. Line breaks are "\n".

#include <string>

namespace orvane {

// "Attention!! " followed by text.
std::string AttentionText(const std::string& text);

// The advice shown when a report cannot be built, previewed or printed
// because of the printer set-up.
std::string PrinterProblemMessage();

}  // namespace orvane
