#include "tools/FixedText.h"

namespace orvane {

std::string FixedText(FixedTextId id)
{
    switch (id) {
    case FixedTextId::ProgramTitle: return "Orvane - Wind Wave Hindcast for Bounded Water Regions";
    case FixedTextId::ProgramName: return "Orvane Waves";
    case FixedTextId::ReportFooter: return "Orvane wave report";
    case FixedTextId::ProductTag: return "Coastal";
    }
    return {};
}

std::size_t FixedTextMaxLength(FixedTextId id)
{
    switch (id) {
    case FixedTextId::ProgramTitle: return 60;
    case FixedTextId::ProgramName: return 17;
    case FixedTextId::ReportFooter: return 19;
    case FixedTextId::ProductTag: return 7;
    }
    return 0;
}

}  // namespace orvane
