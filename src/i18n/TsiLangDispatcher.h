#pragma once

#include <string>
#include <vector>

class TsiLang;

// Owns the language names and the active language, and switches every linked translator in one step.
class TsiLangDispatcher
{
public:
    TsiLangDispatcher() = default;
    ~TsiLangDispatcher();
    TsiLangDispatcher(const TsiLangDispatcher&) = delete;
    TsiLangDispatcher& operator=(const TsiLangDispatcher&) = delete;

    int NumOfLanguages() const { return m_numOfLanguages; }
    const std::vector<std::string>& LangNames() const { return m_langNames; }
    int ActiveLanguage() const { return m_activeLanguage; }
    const std::string& Language() const { return m_language; }
    const std::vector<TsiLang*>& translators() const { return m_translators; }

    // Switch by name: ELanguageError when the name is not among non-empty LangNames.
    void setLanguage(const std::string& name);
    // Switch by number; a translator's ELanguageError leaves the dispatcher's number as it was.
    void setActiveLanguage(int number);

    // The translator takes over names and languages and switches to the active number.
    void link(TsiLang& translator);
    void unlink(TsiLang& translator);

    // Replaces the tables and names of every linked translator with those of the file and applies the
    // active number again. Raises TavimoroError, with nothing changed, when the file cannot be read.
    void LoadFromLanguageFile(const std::string& path);

private:
    int m_numOfLanguages = 2;
    std::vector<std::string> m_langNames{"English", "German"};
    int m_activeLanguage = 2;
    std::string m_language = "German";
    std::vector<TsiLang*> m_translators;
};
