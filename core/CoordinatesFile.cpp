#include "core/CoordinatesFile.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/FileIO.h"
#include "core/Format.h"
#include "core/NumberText.h"

namespace orvane {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool IsSeparatorLine(std::string_view line) { return !line.empty() && (line[0] == 'R' || line[0] == 'r'); }

std::string_view NextField(std::string_view& rest)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t i = 0;
    while (i < rest.size() && isBlank(rest[i]))
        ++i;
    std::size_t j = i;
    while (j < rest.size() && !isBlank(rest[j]))
        ++j;
    const std::string_view field = rest.substr(i, j - i);
    rest.remove_prefix(j);
    return field;
}

// Reads "number x y" from the start of a line; further text is ignored.
bool ReadNodeLine(std::string_view line, std::int32_t& number, float& x, float& y)
{
    std::string_view rest = line;
    const std::string_view a = NextField(rest);
    const std::string_view b = NextField(rest);
    const std::string_view c = NextField(rest);
    return ParseInt(a, number) && ParseFloat(b, x) && ParseFloat(c, y);
}

}  // namespace

std::string CoordinatesText(const ProjectRecord& rec)
{
    std::string text;
    const int boundaries = UsedBoundaryCount(rec);
    for (int b = 1; b <= boundaries; ++b) {
        if (b > 1)
            text += "R\r\n";
        const int count = UsedNodeCount(rec, b);
        for (int k = 1; k <= count; ++k) {
            text += Format("%5d %12.3f %12.3f", rec.NodeNumber[b][k], rec.NodeX[b][k], rec.NodeY[b][k]);
            text += "\r\n";
        }
    }
    return text;
}

bool ExportCoordinates(const ProjectRecord& rec, const std::string& fileName)
{
    const std::string text = CoordinatesText(rec);
    return WriteFileAtomically(fileName, text.data(), text.size());
}

void ImportCoordinatesText(ProjectRecord& rec, const std::string& text)
{
    for (int b = 1; b <= kMaxBoundaries; ++b) {
        rec.NodeCount[b] = 0;
        std::fill(std::begin(rec.NodeNumber[b]), std::end(rec.NodeNumber[b]), 0);
        std::fill(std::begin(rec.NodeX[b]), std::end(rec.NodeX[b]), 0.0f);
        std::fill(std::begin(rec.NodeY[b]), std::end(rec.NodeY[b]), 0.0f);
    }

    const std::vector<std::string_view> lines = SplitLines(text);
    // start[c] = 1-based line number of the separator that opens block c.
    // The first line always belongs to block 1, even when it starts with "R".
    // A separator past the fifth block still ends the fifth block; what
    // follows it is ignored, since the record holds five boundaries.
    std::vector<std::size_t> start(2, 0);
    std::size_t ignoreFrom = lines.size() + 1;
    for (std::size_t n = 2; n <= lines.size(); ++n) {
        if (!IsSeparatorLine(lines[n - 1]))
            continue;
        if (start.size() - 1 == kMaxBoundaries) {
            ignoreFrom = n;
            break;
        }
        start.push_back(n);
    }
    const int count = static_cast<int>(start.size()) - 1;
    rec.BoundaryCount = count;

    int b = 1;
    std::size_t blockStart = 0;  // line number before position 1 of block b
    for (std::size_t n = 1; n < ignoreFrom; ++n) {
        if (b < count && start[static_cast<std::size_t>(b) + 1] == n) {
            ++b;
            blockStart = n;
            continue;  // the separator itself
        }
        const std::size_t k = n - blockStart;
        if (k >= static_cast<std::size_t>(kMaxNodePosition))
            continue;  // positions past 999 cannot be entered anywhere
        std::int32_t number = 0;
        float x = 0.0f;
        float y = 0.0f;
        if (!ReadNodeLine(lines[n - 1], number, x, y))
            continue;
        rec.NodeNumber[b][k] = number;
        rec.NodeX[b][k] = x;
        rec.NodeY[b][k] = y;
        // The count follows the largest number, but never past the positions
        // a grid can show, whatever number the line carries.
        rec.NodeCount[b] = std::max(rec.NodeCount[b], std::min(number, kMaxGridNode));
    }
}

bool ImportCoordinates(ProjectRecord& rec, const std::string& fileName)
{
    if (!FileExists(fileName))
        return false;
    std::string text;
    if (!ReadWholeFile(fileName, text))
        return false;  // unreadable: nothing changes, as for a missing file
    ImportCoordinatesText(rec, text);
    return true;
}

}  // namespace orvane
