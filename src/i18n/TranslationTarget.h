#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One list-of-strings property opened for an update in place. The editor remembers what the update
// must not disturb (sorting, selected index, word wrap) and restores it when it is destroyed.
class StringListEditor
{
public:
    virtual ~StringListEditor() = default;
    virtual std::vector<std::string> items() const = 0;
    virtual void setItem(std::size_t index, const std::string& utf8) = 0;
    virtual void append(const std::string& utf8) = 0;
    virtual void removeLast() = 0;
};

// The window whose texts a translator writes. Component names match without regard to case; the
// window's name and its class name stand for the window itself. Texts are UTF-8.
class TranslationTarget
{
public:
    virtual ~TranslationTarget() = default;

    virtual bool hasComponent(std::string_view name) const = 0;
    // Nothing when the component lacks the property or it cannot be both read and written.
    virtual std::optional<std::string> readText(std::string_view component,
                                                std::string_view property) const = 0;
    virtual void writeText(std::string_view component, std::string_view property,
                           const std::string& utf8) = 0;
    // Null when the component has no such list property.
    virtual std::unique_ptr<StringListEditor> editList(std::string_view component,
                                                       std::string_view property) = 0;
};
