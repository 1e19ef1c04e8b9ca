#pragma once

#include <string_view>

// Where Velloran Software, Rollkeep's maker, keeps its pages and files.
namespace MakerSite {

inline constexpr std::string_view kHost = "www.velloransoftware.com";
// The site's root, opened by the Help menu.
inline constexpr std::string_view kSiteURL = "https://www.velloransoftware.com/";
// The user's guide at the root of the site.
inline constexpr std::string_view kUsersGuideURL =
    "https://www.velloransoftware.com/RollkeepUsersGuide.pdf";

}  // namespace MakerSite
