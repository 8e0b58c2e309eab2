#include "tools/ProductAddresses.h"

namespace orvane {

std::string MakerWebAddress() { return "https://www.kavro.example/"; }

std::string UpdateFolderAddress() { return "https://www.kavro.example/downloads/"; }

std::string UpdateAddress() { return UpdateFolderAddress() + "Orvane" + "Update.exe"; }

}  // namespace orvane
