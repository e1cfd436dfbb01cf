#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// One argument of a message format: an integer for %d, a text for %s.
using FormatArg = std::variant<long long, std::string>;

// Fills a message format that may come from a language file the user was sent. Knows %d, %s and %%;
// an argument of the wrong kind is converted, a missing one leaves the directive as it stands, and
// flags, widths and anything unknown are copied literally. Never reads past the arguments given.
std::string FormatMessage(std::string_view format, std::initializer_list<FormatArg> args);

// value with exactly decimals digits after a point, whatever the locale ("1.00" for 1.0 and 2); a value
// that is not finite gives "0" with those digits.
std::string FormatFixed(double value, int decimals);
