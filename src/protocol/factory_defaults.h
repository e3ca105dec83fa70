#pragma once
// Values that Vistrel cameras ship with.

#include <string_view>

namespace vistrel {

// The administrator password of a camera fresh from the factory.
inline constexpr std::string_view kFactoryAdminPassword = "2580";

// The domain below which every camera gets its dynamic-DNS name.
inline constexpr std::string_view kDynamicDnsDomain = "ddns.vistrel.example";

} // namespace vistrel
