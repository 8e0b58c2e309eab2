#pragma once
// The maker's web addresses, settings of the product: the page the Help
// menu's maker item opens and the folder the program updates come from.

#include <string>

namespace orvane {

// The maker's home page.
std::string MakerWebAddress();

// The folder on the maker's site that holds the program updates, ending with "/".
std::string UpdateFolderAddress();

// The update program: UpdateFolderAddress() + "Orvane" + "Update.exe".
std::string UpdateAddress();

}  // namespace orvane
