#pragma once
// Checks a compiled help file's structure before chmlib is given it. chmlib
// trusts what the file says: it divides by sizes read from it, follows page
// numbers without noticing a loop, parses directory entries past the end of
// their page and starts its decompressor with any window size. A file that
// passes here gives chmlib only values it handles; anything else is refused
// as "no compiled help file".
//
// The layout checked (all numbers little-endian):
//   header "ITSF" (version 2 or 3) with the directory's offset and length
//   and the offset of the content section 0;
//   directory header "ITSP" (version 1, 0x54 bytes) with the page size, the
//   first index page ("PMGI", a tree) and the first listing page ("PMGL", a
//   chain); every page's entries: name length and name, then the section,
//   start and length of the object (variable-length numbers);
//   the compressed section's reset table (block addresses), its control data
//   (LZX window and reset interval) and its content object.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// Reads size bytes at offset into out; false when the file holds fewer.
using ChmByteReader = std::function<bool(std::uint64_t offset, std::size_t size, unsigned char* out)>;

// "" when chmlib can be given the file, otherwise what is wrong with it (for
// tests and the fuzzer; the viewer only says that the file cannot be read).
std::string ChmStructureProblem(std::uint64_t fileSize, const ChmByteReader& read);

}  // namespace orvane
