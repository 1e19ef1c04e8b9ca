#include "startup/VersionCheck.h"

#include "core/Product.h"
#include "platform/Files.h"
#include "startup/SplashWindow.h"

#include <cstdlib>

namespace VersionCheck {

std::string VersionTextAddress() {
    const char* address = std::getenv("ROLLKEEP_VERSION_URL");
    if (address && *address)
        return address;
    return std::string(Product::kVersionTextURL);
}

void doVersionCheck(std::string_view address) {
    const FolderItem file = SpecialFolder::Temporary().Child("Temporary Version File");
    SplashWindow::instance().VersionCheckSocket1->Get(address, file);
}

}  // namespace VersionCheck
