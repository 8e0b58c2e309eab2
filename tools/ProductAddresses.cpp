#include "tools/ProductAddresses.h"

#ifndef ORVANE_MAKER_WEB_ADDRESS
#define ORVANE_MAKER_WEB_ADDRESS ""
#endif
#ifndef ORVANE_UPDATE_FOLDER_ADDRESS
#define ORVANE_UPDATE_FOLDER_ADDRESS ""
#endif

namespace orvane {

std::string MakerWebAddress() { return ORVANE_MAKER_WEB_ADDRESS; }

std::string UpdateFolderAddress()
{
    std::string folder = ORVANE_UPDATE_FOLDER_ADDRESS;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string UpdateAddress()
{
    const std::string folder = UpdateFolderAddress();
    return folder.empty() ? std::string() : folder + "Orvane" + "Update.exe";
}

}  // namespace orvane
