#pragma once

#include <string_view>

// What the program says about itself, and where its maker is found. Kept in
// one place so that the About window, the update check and the Help menu
// never disagree.
namespace Product {

inline constexpr std::string_view kName = "Rollkeep";
// The program's own version; the update check compares the announced one
// with it.
inline constexpr std::string_view kVersion = "1.0.0";
inline constexpr std::string_view kCopyright = "\u00a9 2026 Velloran Software";

// The version text is fetched over plain HTTP; packagers and tests may point
// the program elsewhere with ROLLKEEP_VERSION_URL.
inline constexpr std::string_view kVersionTextURL =
    "http://www.velloransoftware.com/VersionInfo/Rollkeep.txt";
// The site's root, opened by the Help menu, and the user's guide at that root.
inline constexpr std::string_view kSiteURL = "https://www.velloransoftware.com/";
inline constexpr std::string_view kUsersGuideURL =
    "https://www.velloransoftware.com/RollkeepUsersGuide.pdf";
// Opened by the new-version notice's "Download Now".
inline constexpr std::string_view kDownloadURL =
    "https://www.velloransoftware.com/downloads/Rollkeep.zip";

}  // namespace Product
