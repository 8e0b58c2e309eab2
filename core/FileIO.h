#pragma once
// Whole-file reads and crash-safe writes.

#include <cstddef>
#include <string>

namespace orvane {

// Writes size bytes to a new file beside path and renames it over path, so a
// failed or interrupted write never destroys the file that was there. The
// old file's permission bits are kept. false when any step failed; the
// temporary file is removed then, and errno holds the failed step's reason
// (EACCES for a folder without write permission, ENOSPC for a full disk).
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Reads up to maxBytes from the start of the file into buffer; bytesRead says
// how many. false when the file cannot be opened or read (a folder, no access).
bool ReadFilePrefix(const std::string& path, void* buffer, std::size_t maxBytes, std::size_t& bytesRead);

// Reads the whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& contents);

bool FileExists(const std::string& path);

}  // namespace orvane
