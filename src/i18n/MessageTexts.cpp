#include "i18n/MessageTexts.h"

#include <map>
#include <utility>

namespace
{

std::map<std::string, std::string, std::less<>>& texts()
{
    static std::map<std::string, std::string, std::less<>> table;
    return table;
}

std::string& activeLanguage()
{
    static std::string name;
    return name;
}

} // namespace

namespace MessageTexts
{

std::string text(std::string_view id)
{
    const auto it = texts().find(id);
    return it == texts().end() ? std::string() : it->second;
}

void setText(std::string_view id, std::string utf8)
{
    texts()[std::string(id)] = std::move(utf8);
}

void clear()
{
    texts().clear();
    activeLanguage().clear();
}

std::string language()
{
    return activeLanguage();
}

void setLanguage(std::string name)
{
    activeLanguage() = std::move(name);
}

} // namespace MessageTexts
