#include "tools/AttentionText.h"

namespace orvane {

std::string AttentionText(const std::string& text) { return "Attention!! " + text; }

std::string PrinterProblemMessage()
{
    return AttentionText("Report printing or preview cannot be done,\n"
                         "problem with the current printer setup.\n") +
           "Try one or more of the following:\n"
           "*Install a printer, if there is not any.\n"
           "*Make sure the printer is turned on and online.\n"
           "*Select another printer.\n"
           "*Reinstall the printer driver.";
}

}  // namespace orvane
