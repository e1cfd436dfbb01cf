#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/TranslationRow.h"

class LanguageFile;
class TranslationTarget;
class TsiLangDispatcher;

// The 1-based position of name in names (case ignored), 0 when absent; a name absent from a non-empty
// list raises ELanguageError, as both the translator and the dispatcher refuse it.
int LanguagePositionOrThrow(const std::vector<std::string>& names, const std::string& name);

// The translator of one window: its translation tables (one row per text, one column per language) and
// the active language, whose texts it writes into the window's components.
class TsiLang
{
public:
    // Raises TavimoroError when the target already has a translator.
    TsiLang(TranslationTarget& target, std::string windowName, std::string className);
    ~TsiLang();
    TsiLang(const TsiLang&) = delete;
    TsiLang& operator=(const TsiLang&) = delete;

    int NumOfLanguages() const { return m_numOfLanguages; }
    const std::vector<std::string>& LangNames() const { return m_langNames; }
    int ActiveLanguage() const { return m_activeLanguage; }
    const std::string& Language() const { return m_language; }
    TsiLangDispatcher* LangDispatcher() const { return m_dispatcher; }
    const std::string& windowName() const { return m_windowName; }
    const std::string& className() const { return m_className; }
    // Whether the texts of the tables are UTF-8 (from a UTF-8 language file) rather than Windows-1252.
    bool isUtf8() const { return m_utf8; }

    void setNumOfLanguages(int count);
    void setLangNames(std::vector<std::string> names);
    void setActiveLanguage(int number);
    void setLanguage(const std::string& name);

    // The Strings text of identifier in the active language, else in language 1, else empty; UTF-8.
    std::string GetTextOrDefault(std::string_view identifier) const;

    const TranslationTables& tables() const { return m_tables; }
    TranslationTables& tables() { return m_tables; }
    void loadTranslationData(std::string_view data);
    std::string saveTranslationData() const;
    // Replaces names and tables with those of a language file; applies nothing.
    void readLanguageFile(const LanguageFile& file);
    // Writes the texts of the active language into the window.
    void applyActiveLanguage();

    std::function<void()> OnChangeLanguage;
    // "Component.Property" names whose texts never come from the tables.
    std::vector<std::string> SmartExcludeProps;

private:
    friend class TsiLangDispatcher;

    std::string toUtf8(std::string_view text) const;
    bool isWindow(std::string_view component) const;
    bool isExcluded(std::string_view component, std::string_view property) const;
    void cleanTable(TStringsType type);
    void applyWindowRow(TStringsType type, std::string_view property);
    void applyTable(TStringsType type);
    void applyRow(TStringsType type, std::string_view row);
    void applyList(std::string_view component, std::string_view property, std::string_view commaText);
    void readTable(const LanguageFile& file, TStringsType type, std::string_view delimiter);

    TranslationTarget& m_target;
    std::string m_windowName;
    std::string m_className;
    TsiLangDispatcher* m_dispatcher = nullptr;
    int m_numOfLanguages = 2;
    std::vector<std::string> m_langNames{"English", "German"};
    int m_activeLanguage = 2;
    std::string m_language = "German";
    bool m_utf8 = false;
    TranslationTables m_tables;
};
