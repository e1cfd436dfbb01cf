#include "base/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The input is a file, then after a 0xFF byte a list of writes (section, key, value, each ended by 0xFE).
// Any file parses; after every write the document answers exactly as the same bytes parsed anew.
namespace
{

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

void expectSameAnswers(const IniDocument& document)
{
    const IniDocument reread(document.bytes());
    if (document.sections() != reread.sections())
        __builtin_trap();
    for (const std::string& section : document.sections()) {
        if (document.keys(section) != reread.keys(section))
            __builtin_trap();
        for (const std::string& key : document.keys(section)) {
            if (document.value(section, key) != reread.value(section, key))
                __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\xFF');
    IniDocument document(input.substr(0, split));
    expectSameAnswers(document);

    std::vector<std::string_view> fields;
    if (split != std::string_view::npos) {
        std::string_view rest = input.substr(split + 1);
        for (std::size_t end; (end = rest.find('\xFE')) != std::string_view::npos;
             rest.remove_prefix(end + 1))
            fields.push_back(rest.substr(0, end));
    }
    fields.push_back("DEVICE");
    fields.push_back("Settings_ORDAK");
    fields.push_back("0123");
    for (std::size_t i = 0; i + 2 < fields.size(); i += 3) {
        const auto section = fields[i], key = fields[i + 1], value = fields[i + 2];
        // Only what the configuration writer lets through.
        if (!IniDocument::isStorableSectionName(section) || !IniDocument::isStorableKeyName(key) ||
            !IniDocument::isStorableValue(value))
            continue;
        document.setValue(section, key, value);
        if (document.value(section, key) != trimmed(value))
            __builtin_trap();
        expectSameAnswers(document);
    }
    return 0;
}
