#pragma once

#include <string_view>

namespace kelvaro {

// The version the caption and the About window show, and the package version
// it stands for (major.minor.0.build).
inline constexpr std::string_view kReleaseVersion = "0.1.17";
inline constexpr std::string_view kPackageVersion = "0.1.0.17";

} // namespace kelvaro
