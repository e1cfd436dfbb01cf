#include "i18n/LanguageFile.h"
#include "i18n/TranslationTarget.h"
#include "i18n/TsiLang.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace
{

// A window where every component exists and every property takes any text.
class AnyWindow : public TranslationTarget
{
public:
    bool hasComponent(std::string_view name) const override { return !name.empty() && name.size() % 3 != 0; }
    std::optional<std::string> readText(std::string_view, std::string_view property) const override
    {
        if (property.empty())
            return std::nullopt;
        return std::string(property);
    }
    void writeText(std::string_view, std::string_view, const std::string&) override {}
    std::unique_ptr<StringListEditor> editList(std::string_view, std::string_view) override
    {
        return std::make_unique<List>();
    }

private:
    class List : public StringListEditor
    {
    public:
        std::vector<std::string> items() const override { return m_items; }
        void setItem(std::size_t index, const std::string& utf8) override { m_items.at(index) = utf8; }
        void append(const std::string& utf8) override { m_items.push_back(utf8); }
        void removeLast() override { m_items.pop_back(); }

    private:
        std::vector<std::string> m_items{"a", "b", "c"};
    };
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const LanguageFile file =
        LanguageFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    AnyWindow window;
    TsiLang translator(window, "FOrdakSetup", "TFOrdakSetup");
    translator.readLanguageFile(file);
    for (int language = 1; language <= translator.NumOfLanguages() && language <= 4; ++language) {
        translator.setActiveLanguage(language);
        translator.GetTextOrDefault("strSTRAUTO");
    }
    return 0;
}
