#pragma once
// Boundaries as plain text. The program writes node lines "%5d %12.3f %12.3f"
// (number, x, y in the project's coordinate units) and separates boundaries by
// a line "R"; lines end with CR LF.
//
// Reading takes what other tools and editors write as well:
//   - fields separated by blanks, tabs, commas or semicolons; on a line with a
//     semicolon or a tab the comma is a decimal comma ("1;537000,5;4390000,2");
//   - a line of three numbers whose first is whole: number, x, y (further
//     fields are ignored); three numbers whose first is not whole: x, y and a
//     third value (an elevation) that is ignored; exactly two numbers: x, y,
//     numbered one past the largest number of the block so far;
//   - every other line (headers such as "node,x,y" or "x;y", blank lines, a
//     field that is nan, inf or beyond float32) holds no node and takes no
//     position; a line starting with "R" or "r" (not the first line) starts
//     the next boundary;
//   - lines ending in CR LF, LF or CR alone; a UTF-8 byte-order mark; UTF-16
//     with a byte-order mark (either byte order); NUL bytes are dropped.
// A node's position is its place among the node lines of its block; a block's
// node count is its largest node number. A file the program wrote reads back
// exactly. Memory stays bounded by the record; only regular files of up to
// kMaxInputFileBytes (200 MB) are read.

#include <memory>
#include <string>
#include <string_view>

#include "core/ProjectRecord.h"

namespace orvane {

// Writes boundaries 1..BoundaryCount, positions 1..NodeCount (gap nodes with
// number 0). false when the file cannot be written; no message.
bool ExportCoordinates(const ProjectRecord& rec, const std::string& fileName);

// The text ExportCoordinates writes, for callers that write elsewhere.
std::string CoordinatesText(const ProjectRecord& rec);

enum class ImportOutcome {
    Imported,       // boundaries 1..5 and BoundaryCount now hold the file's
    Unreadable,     // missing, no regular file, over 200 MB, or a read failed: the record is unchanged
    NoCoordinates,  // read, but not one node line in it: the record is unchanged
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::NoCoordinates;
    int nodes = 0;       // node lines stored (gap nodes included); 0 unless imported
    int boundaries = 0;  // BoundaryCount after the import; 0 unless imported
    // For the user when not imported: "cannot read or write file [name]",
    // "[name] is not a regular file", "[name] is larger than 200 MB, ..." or
    // "no coordinates found in [name]". Empty when imported, and always empty
    // from ImportCoordinatesText, which has no file name to give.
    std::string message;
};

// Replaces boundaries 1..5 and BoundaryCount from the file when it holds at
// least one node; position 0 of each boundary gets the closing copy of its
// last position, as the grids store it. Shows no message.
ImportResult ImportCoordinatesFile(ProjectRecord& rec, const std::string& fileName);

// ImportCoordinatesFile(...).outcome == ImportOutcome::Imported.
bool ImportCoordinates(ProjectRecord& rec, const std::string& fileName);

// The same on bytes already in memory.
ImportResult ImportCoordinatesText(ProjectRecord& rec, std::string_view text);

// The reader behind both: bytes go in piece by piece, in pieces of any size
// (a line, a byte-order mark or a CR LF may straddle two pieces).
class CoordinatesReader {
public:
    CoordinatesReader();
    ~CoordinatesReader();
    CoordinatesReader(const CoordinatesReader&) = delete;
    CoordinatesReader& operator=(const CoordinatesReader&) = delete;

    void Feed(std::string_view bytes);
    // Ends the text and, when it held a node, stores the boundaries into rec.
    // The message is left to the caller. Call once.
    ImportResult Finish(ProjectRecord& rec);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace orvane
