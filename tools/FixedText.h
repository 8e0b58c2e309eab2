#pragma once
// The product's fixed texts: window captions, the status bar, the report
// footer and the document creator tag.

#include <cstddef>
#include <string>

namespace orvane {

enum class FixedTextId {
    ProgramTitle,  // main window and region input window caption; at most 60 characters
    ProgramName,   // start of the main window's status bar; at most 17
    ReportFooter,  // page footer of both reports; at most 19
    ProductTag,    // unit conversion caption, and the creator of exported reports after "Orvane "; at most 7
};

std::string FixedText(FixedTextId id);

// The most characters the place that shows the text has room for.
std::size_t FixedTextMaxLength(FixedTextId id);

}  // namespace orvane
