#pragma once
// The printer of the whole run: chosen once with the printer set-up dialog
// ("Printer" in the File menu) and used by every report afterwards. It lives
// on the application object and ends with it.

class QPrinter;

namespace orvane {

// The application's printer, made on first use with the system's default
// printer; nullptr when no application object exists.
QPrinter* ApplicationPrinter();

// true when the system has at least one printer (a default one or any).
// Reports show PrinterProblemMessage() instead of starting without one.
bool PrinterInstalled();

}  // namespace orvane
