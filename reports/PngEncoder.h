#pragma once
// A fast PNG writer for the RTF pictures: 8-bit RGB (or RGBA when the image
// has transparent pixels), every row with the "Sub" filter, deflated at
// zlib's fastest level. Report pictures are mostly flat colour, which the
// filter turns into runs of zeros; trying every filter on every row, as
// general encoders do, costs several times as much for little gain.

#include <QByteArray>

class QImage;

namespace orvane {

// The image as a PNG file, with its resolution; empty for an empty image or
// when compression fails.
QByteArray EncodePng(const QImage& image);

}  // namespace orvane
