#include "i18n/TranslationData.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TranslationTables tables;
    i18n::ReadTranslationData(std::string_view(reinterpret_cast<const char*>(data), size), "TFOrdakSetup",
                              tables);
    for (const auto& table : tables) {
        for (const auto& row : table) {
            for (int column = 0; column < 4; ++column)
                i18n::RowColumn(row, column);
        }
    }
    // Writing and reading again gives the same rows (window rows may change places among themselves).
    TranslationTables again;
    i18n::ReadTranslationData(i18n::WriteTranslationData(tables), "TFOrdakSetup", again);
    for (std::size_t i = 0; i < tables.size(); ++i) {
        std::sort(tables[i].begin(), tables[i].end());
        std::sort(again[i].begin(), again[i].end());
    }
    if (again != tables)
        std::abort();
    return 0;
}
