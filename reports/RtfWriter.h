#pragma once
// Placed pages as an RTF document that keeps every position: each label,
// text box, picture and chart is a frame placed on its page
// (\pvpg\phpg\posxN\posyN, width and height in twips), each rule a line
// shape with page coordinates, on a page of the report's size with margins
// 0, and a page break between pages. On each page the pictures come first,
// so text whose box a picture's box overlaps stays on top.
//
// - Labels keep their font (face, size, bold, italic, underline). Their
//   frames are a little wider than the text on the side away from where the
//   text is anchored, so a reader whose font metrics differ slightly never
//   wraps a label; a right-aligned label's frame ends where its text ends.
// - Text boxes keep their lines as measured, at an exact line pitch.
// - Pictures and charts are PNG images rendered at pictureDpi (\pngblip),
//   shown at the size of their rectangle.
// - Text is written in 7-bit ASCII: Windows-1252 characters as \'xx, any
//   other character as \uN? (two of them beyond the 16-bit range).
// - The information group carries the title, the subject and the creator
//   (as the author), the generator group the creator too.

#include <string>

#include "reports/DocumentExport.h"
#include "reports/Pagination.h"

namespace orvane {

inline constexpr double kRtfPictureDpi = 300;

// Extra width of a label's frame, millimetres.
inline constexpr double kRtfLabelSlackMm = 3.0;

// Millimetres as twips (1/1440 inch), rounded to the nearest.
int Twips(double mm);

std::string RtfDocument(const PreparedReport& report, const DocumentProperties& properties,
                        double pictureDpi = kRtfPictureDpi);

}  // namespace orvane
