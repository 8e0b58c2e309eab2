#include "tools/VersionText.h"

#include <algorithm>
#include <vector>

#include "core/Format.h"
#include "tools/settings/LenientNumber.h"

#ifndef ORVANE_VERSION_TEXT
#define ORVANE_VERSION_TEXT ""  // a build without version information: "Vers.00.00.00"
#endif

namespace orvane {

std::string ProgramVersionString() { return ORVANE_VERSION_TEXT; }

std::string VersionTextOf(const std::string& version, int form)
{
    // Each dot stands for a blank that ends the field before it.
    std::vector<std::string> fields(1);
    for (const char c : version) {
        if (c == '.') {
            fields.back() += ' ';
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    fields.resize(std::max<std::size_t>(fields.size(), 3));

    std::string year = fields[0];
    if (year.size() < 4)
        year.insert(std::min<std::size_t>(1, year.size()), "00");
    const int month = ReadLenientInteger(0, fields[1]);
    const int day = ReadLenientInteger(0, fields[2]);
    const std::string date = Format("%02d.%02d.", day, month) + year;
    return (form == kVersionShort ? "Vers." : "Version ") + date;
}

std::string VersionText(int form) { return VersionTextOf(ProgramVersionString(), form); }

}  // namespace orvane
