#include "base/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any bytes parse, answer lookups, take a new key and serialise to a file that parses to the same value.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniDocument document(bytes);
    for (const std::string& section : document.sections()) {
        for (const std::string& key : document.keys(section))
            document.value(section, key);
    }
    document.setValue("DEVICE", "Settings_ORDAK", "0123");
    const IniDocument reread(document.bytes());
    if (reread.value("device", "settings_ordak") != std::string_view("0123"))
        __builtin_trap();
    return 0;
}
