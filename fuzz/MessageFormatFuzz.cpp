#include "base/MessageFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view format(reinterpret_cast<const char*>(data), size);
    FormatMessage(format, {});
    FormatMessage(format, {7LL, 3LL});
    FormatMessage(format, {std::string(format), -1LL, std::string()});
    if (size >= 8) {
        double value = 0;
        __builtin_memcpy(&value, data, sizeof value);
        FormatFixed(value, static_cast<int>(data[0]) - 100);
    }
    return 0;
}
