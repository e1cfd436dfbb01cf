#include "i18n/TsiLangDispatcher.h"

#include "i18n/LanguageError.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextCase.h"
#include "i18n/TsiLang.h"

#include <algorithm>

TsiLangDispatcher::~TsiLangDispatcher()
{
    for (TsiLang* translator : m_translators)
        translator->m_dispatcher = nullptr;
}

void TsiLangDispatcher::setLanguage(const std::string& name)
{
    if (name == m_language)
        return;
    const int position = LanguagePositionOrThrow(m_langNames, name);
    const std::string previous = m_language;
    m_language = name;
    if (position == 0)
        return;
    try {
        setActiveLanguage(position);
    } catch (...) {
        m_language = previous;
        throw;
    }
}

void TsiLangDispatcher::setActiveLanguage(int number)
{
    if (number == m_activeLanguage)
        return;
    const int previous = m_activeLanguage;
    m_activeLanguage = number;
    try {
        for (TsiLang* translator : m_translators)
            translator->setActiveLanguage(number);
    } catch (...) {
        m_activeLanguage = previous;
        throw;
    }
    if (number >= 1 && static_cast<std::size_t>(number - 1) < m_langNames.size())
        m_language = m_langNames[number - 1];
}

void TsiLangDispatcher::link(TsiLang& translator)
{
    if (translator.m_dispatcher == this)
        return;
    if (translator.m_dispatcher)
        translator.m_dispatcher->unlink(translator);
    m_translators.push_back(&translator);
    translator.m_dispatcher = this;
    translator.m_numOfLanguages = m_numOfLanguages;
    translator.m_langNames = m_langNames;
    translator.m_language = m_language;
    translator.setActiveLanguage(m_activeLanguage);
}

void TsiLangDispatcher::unlink(TsiLang& translator)
{
    std::erase(m_translators, &translator);
    if (translator.m_dispatcher == this)
        translator.m_dispatcher = nullptr;
}

void TsiLangDispatcher::LoadFromLanguageFile(const std::string& path)
{
    const LanguageFile file = LanguageFile::load(path);
    for (TsiLang* translator : m_translators)
        translator->readLanguageFile(file);
    for (TsiLang* translator : m_translators) {
        translator->applyActiveLanguage();
        if (translator->OnChangeLanguage)
            translator->OnChangeLanguage();
    }
    if (m_translators.empty())
        return;
    m_langNames = m_translators.front()->LangNames();
    if (m_activeLanguage >= 1 && static_cast<std::size_t>(m_activeLanguage - 1) < m_langNames.size())
        m_language = m_langNames[m_activeLanguage - 1];
    for (TsiLang* translator : m_translators)
        translator->m_language = m_language;
    m_numOfLanguages = std::max<int>(1, static_cast<int>(m_langNames.size()));
}
