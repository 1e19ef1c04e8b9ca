#pragma once

#include <string>
#include <string_view>

// The check for a newer release, started once per run by the splash window.
namespace VersionCheck {

// Where the version text is fetched: ROLLKEEP_VERSION_URL when it is set and
// not empty, else the maker's own address.
std::string VersionTextAddress();

// Starts fetching the version text from the address into "Temporary Version
// File" in the temporary folder, through the splash window's socket, and
// returns at once.
void doVersionCheck(std::string_view address);

}  // namespace VersionCheck
