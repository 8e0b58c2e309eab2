#pragma once
// TOrvaneRep02: the theoretical summary, one fixed page stating the methods
// the program implements (the two spectra, the three significant-wave
// formulas, the three directional methods) and three references. Apart from
// the project title in the page header it shows no project data, so it can
// be made at any time, with or without a computed project.

#include <string>
#include <vector>

#include "reports/OrvaneRep00F.h"

namespace orvane {

// One formula picture of the summary: its band, name, rectangle within the
// band (mm) and its lines in the notation of FormulaPicture.h.
struct FormulaPictureItem {
    std::string band;
    std::string name;
    RectMm rect;
    std::vector<std::string> lines;
};

class TOrvaneRep02 : public TOrvaneRep00 {
public:
    explicit TOrvaneRep02(const ProjectRecord& rec);

    // Point size the formula pictures are typeset at before they are fitted
    // into their rectangles.
    static constexpr double kFormulaPt = 10.0;

    // The six formula pictures, in print order.
    static const std::vector<FormulaPictureItem>& FormulaPictures();
};

}  // namespace orvane
