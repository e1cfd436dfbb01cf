#pragma once

#include "i18n/TextCase.h"
#include "i18n/TranslationTarget.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A window made of plain data: text properties and string lists by component, names without case.
class FakeWindow : public TranslationTarget
{
public:
    struct List {
        std::vector<std::string> items;
        int selected = -1;
        bool wordWrap = false;
        bool sorted = false;
        int updates = 0; // how many times the list was opened for an update
    };
    struct Component {
        std::map<std::string, std::string> texts; // property -> text
        std::map<std::string, List> lists;        // property -> list
        std::vector<std::string> failingProperties;
    };

    std::map<std::string, Component> components; // by lower-cased name
    std::vector<std::string> writes;             // "component.property=text", in order

    // The class name stands for the window, like its name.
    static std::string keyOf(std::string_view name)
    {
        const std::string key = i18n::AsciiLower(name);
        return key == "tfordaksetup" ? "fordaksetup" : key;
    }

    Component& add(const std::string& name) { return components[keyOf(name)]; }
    Component& at(const std::string& name) { return components.at(keyOf(name)); }
    std::string& text(const std::string& name, const std::string& property)
    {
        return at(name).texts.at(property);
    }
    List& list(const std::string& name, const std::string& property) { return at(name).lists.at(property); }

    bool hasComponent(std::string_view name) const override { return components.contains(keyOf(name)); }
    std::optional<std::string> readText(std::string_view component, std::string_view property) const override
    {
        const auto it = components.find(keyOf(component));
        if (it == components.end())
            return std::nullopt;
        const auto text = it->second.texts.find(std::string(property));
        if (text == it->second.texts.end())
            return std::nullopt;
        return text->second;
    }
    void writeText(std::string_view component, std::string_view property, const std::string& utf8) override
    {
        Component& c = components.at(keyOf(component));
        for (const auto& failing : c.failingProperties) {
            if (failing == property)
                throw std::runtime_error("cannot assign");
        }
        writes.push_back(std::string(component) + "." + std::string(property) + "=" + utf8);
        c.texts.at(std::string(property)) = utf8;
    }
    std::unique_ptr<StringListEditor> editList(std::string_view component, std::string_view property) override
    {
        const auto it = components.find(keyOf(component));
        if (it == components.end())
            return nullptr;
        const auto list = it->second.lists.find(std::string(property));
        if (list == it->second.lists.end())
            return nullptr;
        return std::make_unique<Editor>(list->second);
    }

private:
    // Mimics a list control: changing items disturbs selection and wrap unless the editor restores them.
    class Editor : public StringListEditor
    {
    public:
        explicit Editor(List& list)
            : m_list(list), m_selected(list.selected), m_wordWrap(list.wordWrap), m_sorted(list.sorted)
        {
            ++m_list.updates;
            m_list.sorted = false;
            m_list.wordWrap = false;
        }
        ~Editor() override
        {
            m_list.sorted = m_sorted;
            m_list.wordWrap = m_wordWrap;
            m_list.selected = m_selected < static_cast<int>(m_list.items.size()) ? m_selected : -1;
        }
        std::vector<std::string> items() const override { return m_list.items; }
        void setItem(std::size_t index, const std::string& utf8) override
        {
            m_list.items.at(index) = utf8;
            m_list.selected = -1;
        }
        void append(const std::string& utf8) override { m_list.items.push_back(utf8); }
        void removeLast() override { m_list.items.pop_back(); }

    private:
        List& m_list;
        int m_selected;
        bool m_wordWrap;
        bool m_sorted;
    };
};
