#pragma once

#include <string>
#include <string_view>

namespace i18n
{

inline constexpr double kToolVersion = 1.0;

// "<tool caption> (Vers. 1.00)": the version always with a point, whatever the locale.
std::string ComposeWindowCaption(std::string_view toolCaption, double version = kToolVersion);

} // namespace i18n
