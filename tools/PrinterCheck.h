#pragma once
// What the reports need to know about the printers before they start.

namespace orvane {

// true when the system has at least one printer (a default one or any).
// Reports show PrinterProblemMessage() instead of starting without one.
bool PrinterInstalled();

}  // namespace orvane
