#include "core/CoordinatesFile.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/FileIO.h"
#include "core/Format.h"
#include "core/NumberText.h"
#include "core/ProjectFile.h"

namespace orvane {

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

Outcome ExportCoordinates(const ProjectRecord& rec, const std::string& fileName)
{
    const std::string text = CoordinatesText(rec);
    return WriteFileAtomically(fileName, text.data(), text.size());
}

namespace {

// Only the first three fields of a line matter; a node line the program
// writes is 31 characters. Longer lines are cut here, so a file that is one
// endless line costs no more memory than a short one.
constexpr std::size_t kMaxLineBytes = 4096;

bool IsSeparatorLine(std::string_view line) { return !line.empty() && (line[0] == 'R' || line[0] == 'r'); }

struct NodeLine {
    std::int32_t number = 0;
    bool numbered = false;  // false: x, y only, the reader numbers it
    float x = 0.0f;
    float y = 0.0f;
};

// One field as a float32: "." as decimal point, or a lone "," when commas are
// decimal commas on this line. nan, inf and values beyond float32 are no number.
bool FieldNumber(std::string_view field, bool decimalComma, float& value)
{
    if (ParseFloat(field, value))
        return true;
    if (!decimalComma || std::count(field.begin(), field.end(), ',') != 1 || field.find('.') != std::string_view::npos)
        return false;
    std::string swapped(field);
    swapped[swapped.find(',')] = '.';
    return ParseFloat(swapped, value);
}

bool ReadNodeLine(std::string_view line, std::int32_t nextNumber, NodeLine& node)
{
    // European spreadsheets write "1;537000,5;4390000,2" or tab-separated
    // decimal commas; elsewhere a comma separates fields.
    const bool decimalComma = line.find_first_of(";\t") != std::string_view::npos;
    const auto isSeparator = [decimalComma](char c) {
        return c == ' ' || c == '\t' || c == ';' || (c == ',' && !decimalComma);
    };
    std::array<std::string_view, 3> fields;
    std::size_t count = 0;
    std::size_t i = 0;
    while (count < fields.size() + 1) {
        while (i < line.size() && isSeparator(line[i]))
            ++i;
        if (i == line.size())
            break;
        std::size_t j = i;
        while (j < line.size() && !isSeparator(line[j]))
            ++j;
        if (count < fields.size())
            fields[count] = line.substr(i, j - i);
        ++count;  // counts a fourth field only to know that there is one
        i = j;
    }

    float values[3] = {};
    if (count >= 3 && FieldNumber(fields[0], decimalComma, values[0]) &&
        FieldNumber(fields[1], decimalComma, values[1]) && FieldNumber(fields[2], decimalComma, values[2])) {
        node.numbered = ParseInt(fields[0], node.number);
        if (node.numbered) {
            node.x = values[1];
            node.y = values[2];
        } else {
            node.x = values[0];  // x, y and an elevation
            node.y = values[1];
        }
    } else if (count == 2 && FieldNumber(fields[0], decimalComma, values[0]) &&
               FieldNumber(fields[1], decimalComma, values[1])) {
        node.numbered = false;
        node.x = values[0];
        node.y = values[1];
    } else {
        return false;
    }
    if (!node.numbered)
        node.number = nextNumber;
    return true;
}

enum class Encoding { Sniffing, Bytes, Utf16LE, Utf16BE };

}  // namespace

struct CoordinatesReader::State {
    // Boundaries 1..5 as they are read; copied into the record only when the
    // text held a node, so a useless file changes nothing.
    std::int32_t boundaryCount = 1;
    std::int32_t nodeCount[kMaxBoundaries + 1] = {};
    std::int32_t nodeNumber[kMaxBoundaries + 1][kMaxNodePosition + 1] = {};
    float nodeX[kMaxBoundaries + 1][kMaxNodePosition + 1] = {};
    float nodeY[kMaxBoundaries + 1][kMaxNodePosition + 1] = {};

    int block = 1;
    int position = 0;  // node lines stored in the current block
    int nodes = 0;
    std::size_t lineNumber = 0;
    bool ignoreRest = false;  // a separator past the fifth block was seen

    std::string line;
    bool afterCr = false;  // the last character ended a line with CR
    Encoding encoding = Encoding::Sniffing;
    std::string head;      // the first bytes, until the byte-order mark is known
    int pendingByte = -1;  // the first byte of a UTF-16 code unit

    void Byte(unsigned char c);
    void Char(char c);
    void EndLine();
    void Line(std::string_view text);
    void Sniff(bool final);
};

void CoordinatesReader::State::Line(std::string_view text)
{
    ++lineNumber;
    if (ignoreRest)
        return;
    // The first line always belongs to boundary 1, whatever it starts with.
    if (lineNumber >= 2 && IsSeparatorLine(text)) {
        if (block == kMaxBoundaries) {
            // The record holds five boundaries; further blocks are dropped.
            ignoreRest = true;
            return;
        }
        ++block;
        boundaryCount = block;
        position = 0;
        return;
    }
    const std::int32_t nextNumber = std::min(nodeCount[block] + 1, kMaxGridNode);
    NodeLine node;
    if (!ReadNodeLine(text, nextNumber, node))
        return;
    if (position + 1 > kMaxGridNode)
        return;  // positions past 999 cannot be entered anywhere
    ++position;
    ++nodes;
    nodeNumber[block][position] = node.number;
    nodeX[block][position] = node.x;
    nodeY[block][position] = node.y;
    // The count follows the largest number, but never past the positions a
    // grid can show, whatever number the line carries.
    nodeCount[block] = std::max(nodeCount[block], std::min(node.number, kMaxGridNode));
}

void CoordinatesReader::State::EndLine()
{
    Line(line);
    line.clear();
}

void CoordinatesReader::State::Char(char c)
{
    if (c == '\0')
        return;  // UTF-16 without a byte-order mark reads as its ASCII text this way
    if (c == '\n') {
        if (!afterCr)
            EndLine();
        afterCr = false;
        return;
    }
    afterCr = c == '\r';
    if (afterCr) {
        EndLine();
        return;
    }
    if (line.size() < kMaxLineBytes)
        line.push_back(c);
}

void CoordinatesReader::State::Byte(unsigned char c)
{
    if (encoding == Encoding::Bytes) {
        Char(static_cast<char>(c));
        return;
    }
    if (pendingByte < 0) {
        pendingByte = c;
        return;
    }
    const unsigned unit = encoding == Encoding::Utf16LE
                              ? (static_cast<unsigned>(c) << 8) | static_cast<unsigned>(pendingByte)
                              : (static_cast<unsigned>(pendingByte) << 8) | c;
    pendingByte = -1;
    // Numbers, separators and line ends are ASCII; anything else only has to
    // stay something that is none of them.
    Char(unit < 0x80 ? static_cast<char>(unit) : '?');
}

// Decides the encoding from the first bytes: a UTF-8 byte-order mark is
// dropped, a UTF-16 one selects its byte order, anything else is 8-bit text.
void CoordinatesReader::State::Sniff(bool final)
{
    struct Mark {
        std::string_view bytes;
        Encoding encoding;
    };
    static constexpr Mark kMarks[] = {
        {"\xEF\xBB\xBF", Encoding::Bytes}, {"\xFF\xFE", Encoding::Utf16LE}, {"\xFE\xFF", Encoding::Utf16BE}};
    std::size_t skip = 0;
    encoding = Encoding::Bytes;
    for (const Mark& mark : kMarks) {
        if (head.starts_with(mark.bytes)) {
            encoding = mark.encoding;
            skip = mark.bytes.size();
            break;
        }
        if (!final && mark.bytes.starts_with(head)) {
            encoding = Encoding::Sniffing;  // could still become this mark
            return;
        }
    }
    const std::string rest = head.substr(skip);
    head.clear();
    for (char c : rest)
        Byte(static_cast<unsigned char>(c));
}

CoordinatesReader::CoordinatesReader() : state_(std::make_unique<State>()) { }

CoordinatesReader::~CoordinatesReader() = default;

void CoordinatesReader::Feed(std::string_view bytes)
{
    State& s = *state_;
    std::size_t i = 0;
    while (s.encoding == Encoding::Sniffing && i < bytes.size()) {
        s.head.push_back(bytes[i++]);
        s.Sniff(false);
    }
    if (s.encoding == Encoding::Bytes) {
        for (; i < bytes.size(); ++i)
            s.Char(bytes[i]);
        return;
    }
    for (; i < bytes.size(); ++i)
        s.Byte(static_cast<unsigned char>(bytes[i]));
}

ImportResult CoordinatesReader::Finish(ProjectRecord& rec)
{
    State& s = *state_;
    if (s.encoding == Encoding::Sniffing)
        s.Sniff(true);
    if (!s.line.empty())
        s.EndLine();  // the last line needs no line end

    ImportResult result;
    if (s.nodes == 0) {
        result.ok = false;
        result.message = "no coordinates found";
        return result;
    }
    rec.BoundaryCount = s.boundaryCount;
    for (int b = 1; b <= kMaxBoundaries; ++b) {
        const int count = s.nodeCount[b];  // 0..999
        rec.NodeCount[b] = count;
        std::copy(std::begin(s.nodeNumber[b]), std::end(s.nodeNumber[b]), rec.NodeNumber[b]);
        std::copy(std::begin(s.nodeX[b]), std::end(s.nodeX[b]), rec.NodeX[b]);
        std::copy(std::begin(s.nodeY[b]), std::end(s.nodeY[b]), rec.NodeY[b]);
        // Position 0 closes the ring for drawing, as the grids store it.
        rec.NodeX[b][0] = rec.NodeX[b][count];
        rec.NodeY[b][0] = rec.NodeY[b][count];
    }
    result.state = ImportState::Imported;
    result.nodes = s.nodes;
    result.boundaries = s.boundaryCount;
    return result;
}

ImportResult ImportCoordinatesText(ProjectRecord& rec, std::string_view text)
{
    CoordinatesReader reader;
    reader.Feed(text);
    return reader.Finish(rec);
}

ImportResult ImportCoordinatesFile(ProjectRecord& rec, const std::string& fileName)
{
    CoordinatesReader reader;
    const InputState state =
        ReadInputPieces(fileName, kMaxInputFileBytes, [&reader](std::string_view piece) { reader.Feed(piece); });
    if (state != InputState::Read) {
        ImportResult unreadable;
        unreadable.ok = false;
        unreadable.state = ImportState::Unreadable;
        unreadable.message = state == InputState::NotRegular || state == InputState::TooLarge
                                 ? InputProblemText(fileName, state, kMaxInputFileBytes, "coordinates file")
                                 : FileErrorMessage(fileName);
        return unreadable;
    }
    ImportResult result = reader.Finish(rec);
    if (result.state == ImportState::NoCoordinates)
        result.message = "no coordinates found in [" + fileName + "]";
    return result;
}

bool ImportCoordinates(ProjectRecord& rec, const std::string& fileName)
{
    return ImportCoordinatesFile(rec, fileName).state == ImportState::Imported;
}

}  // namespace orvane
