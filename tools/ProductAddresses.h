#pragma once
// The maker's web addresses, settings of the product: the page the Help
// menu's maker item opens and the folder the program updates come from. A
// build sets them with the CMake cache variables ORVANE_MAKER_WEB_ADDRESS and
// ORVANE_UPDATE_FOLDER_ADDRESS; they are empty when it does not.

#include <string>

namespace orvane {

// The maker's home page; empty when the build has none.
std::string MakerWebAddress();

// The folder on the maker's site that holds the program updates, ending with
// "/"; empty when the build has none.
std::string UpdateFolderAddress();

// The update program: UpdateFolderAddress() + "Orvane" + "Update.exe"; empty
// when there is no update folder.
std::string UpdateAddress();

// What the web commands say when their address is empty.
inline constexpr const char* kNoWebAddressText = "No web address is configured for this build.";

}  // namespace orvane
