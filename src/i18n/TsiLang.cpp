#include "i18n/TsiLang.h"

#include "base/Cp1252.h"
#include "base/Error.h"
#include "base/MessageFormat.h"
#include "i18n/CommaText.h"
#include "i18n/LanguageError.h"
#include "i18n/LanguageFile.h"
#include "i18n/TextCase.h"
#include "i18n/TranslationData.h"
#include "i18n/TranslationTarget.h"
#include "i18n/TsiLangDispatcher.h"

#include <algorithm>
#include <charconv>
#include <exception>

namespace
{

constexpr std::string_view kLanguageNamesSection = "Language names - for internal use only!";
constexpr std::string_view kDefaultDelimiter = "~!@#";
constexpr TStringsType kAppliedTables[] = {stCaptions,   stHints,        stDisplayLabels, stFonts,
                                           stMultiLines, stOtherStrings, stCollections};

// Every window that has a translator; a window has at most one.
std::vector<const TranslationTarget*>& translatedTargets()
{
    static std::vector<const TranslationTarget*> targets;
    return targets;
}

bool keyHoldsProperty(TStringsType type)
{
    return type == stMultiLines || type == stOtherStrings || type == stCollections;
}

std::string_view componentOf(TStringsType type, std::string_view key)
{
    return keyHoldsProperty(type) ? key.substr(0, key.find('.')) : key;
}

std::string_view propertyOf(TStringsType type, std::string_view key)
{
    switch (type) {
    case stCaptions:
        return "Caption";
    case stHints:
        return "Hint";
    case stDisplayLabels:
        return "DisplayLabel";
    case stFonts:
        return "Font.Name";
    default:
        break;
    }
    const std::size_t point = key.find('.');
    return point == std::string_view::npos ? std::string_view() : key.substr(point + 1);
}

// Decimal, or hexadecimal after "0x"; anything else counts as 0.
long long parseFlag(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return (ec == std::errc() && end == text.data() + text.size()) ? value : 0;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

void replaceFirst(std::string& text, char from, char to)
{
    if (const std::size_t pos = text.find(from); pos != std::string::npos)
        text[pos] = to;
}

} // namespace

TsiLang::TsiLang(TranslationTarget& target, std::string windowName, std::string className)
    : m_target(target), m_windowName(std::move(windowName)), m_className(std::move(className))
{
    auto& targets = translatedTargets();
    if (std::find(targets.begin(), targets.end(), &target) != targets.end())
        throw TavimoroError("Only one TsiCustomLang component per Form/DataModule allowed!");
    targets.push_back(&target);
    SmartExcludeProps.push_back(m_className + ".Caption");
}

TsiLang::~TsiLang()
{
    if (m_dispatcher)
        m_dispatcher->unlink(*this);
    auto& targets = translatedTargets();
    targets.erase(std::remove(targets.begin(), targets.end(), &m_target), targets.end());
}

void TsiLang::setNumOfLanguages(int count)
{
    m_numOfLanguages = std::max(1, count);
}

void TsiLang::setLangNames(std::vector<std::string> names)
{
    m_langNames = std::move(names);
}

void TsiLang::setActiveLanguage(int number)
{
    if (number == m_activeLanguage)
        return;
    if (number < 1 || number > m_numOfLanguages) {
        throw ELanguageError(FormatMessage(
            "%s: %d - is not a valid property value!\rValue must be within [1..%d]!",
            {m_className, static_cast<long long>(number), static_cast<long long>(m_numOfLanguages)}));
    }
    m_activeLanguage = number;
    if (static_cast<std::size_t>(number - 1) < m_langNames.size())
        m_language = m_langNames[number - 1];
    applyActiveLanguage();
    if (OnChangeLanguage)
        OnChangeLanguage();
}

void TsiLang::setLanguage(const std::string& name)
{
    if (name == m_language)
        return;
    const int position = LanguagePositionOrThrow(m_langNames, name);
    m_language = name;
    if (position > 0)
        setActiveLanguage(position);
}

int LanguagePositionOrThrow(const std::vector<std::string>& names, const std::string& name)
{
    const auto it = std::find_if(names.begin(), names.end(),
                                 [&](const std::string& known) { return i18n::SameName(known, name); });
    if (it != names.end())
        return static_cast<int>(it - names.begin()) + 1;
    if (!names.empty())
        throw ELanguageError("Language name shall be included in LangNames property!");
    return 0;
}

std::string TsiLang::GetTextOrDefault(std::string_view identifier) const
{
    for (const auto& row : m_tables[stStrings]) {
        if (!i18n::SameAsciiText(i18n::RowKey(row), identifier))
            continue;
        std::string_view text = i18n::RowColumn(row, m_activeLanguage);
        if (text.empty())
            text = i18n::RowColumn(row, 1);
        return toUtf8(text);
    }
    return {};
}

void TsiLang::loadTranslationData(std::string_view data)
{
    i18n::ReadTranslationData(data, m_className, m_tables);
    m_utf8 = false;
}

std::string TsiLang::saveTranslationData() const
{
    return i18n::WriteTranslationData(m_tables);
}

void TsiLang::readLanguageFile(const LanguageFile& file)
{
    const std::string delimiter = file.valueOr("OPTIONS", "DELIMITER", kDefaultDelimiter);
    m_utf8 = parseFlag(file.valueOr("OPTIONS", "IsUTF8File", "0")) != 0;
    if (!file.entries(kLanguageNamesSection).empty()) {
        m_langNames.clear();
        for (int i = 1;; ++i) {
            const auto name = file.value(kLanguageNamesSection, "Language_" + std::to_string(i));
            if (!name || name->empty())
                break;
            m_langNames.push_back(toUtf8(*name));
        }
        setNumOfLanguages(static_cast<int>(m_langNames.size()));
    }
    for (std::size_t type = 0; type < m_tables.size(); ++type)
        readTable(file, static_cast<TStringsType>(type), delimiter);
}

void TsiLang::readTable(const LanguageFile& file, TStringsType type, std::string_view delimiter)
{
    TranslationTable& table = m_tables[type];
    table.clear();
    const auto entries = file.entries(i18n::kLanguageFileSections[type]);
    for (const auto& [fileKey, value] : entries) {
        std::string key = fileKey;
        if (type == stCollections) {
            replaceFirst(key, '-', '[');
            replaceFirst(key, '+', ']');
        }
        std::string_view prefix;
        if (i18n::StartsWithAsciiText(key, m_windowName + "."))
            prefix = m_windowName;
        else if (i18n::StartsWithAsciiText(key, m_className + "."))
            prefix = m_className;
        else
            continue;
        const std::string rowKey = key.substr(prefix.size() + 1);
        std::string row = rowKey;
        if (delimiter.empty() || value.find(delimiter) == std::string::npos) {
            row += i18n::kLangDelim + value + i18n::kLangDelim + value;
        } else {
            std::string texts = value;
            replaceAll(texts, delimiter, std::string_view(&i18n::kLangDelim, 1));
            row += i18n::kLangDelim + texts;
        }
        std::replace(row.begin(), row.end(), '\x19', '\r');
        std::replace(row.begin(), row.end(), '\x1A', '\n');
        if (row.back() != i18n::kLangDelim)
            row += i18n::kLangDelim;
        if (i18n::SameAsciiText(rowKey, prefix))
            table.insert(table.begin(), std::move(row));
        else
            table.push_back(std::move(row));
    }
    if (!entries.empty() && type != stDlgsCaptions && type != stStrings && type != stLocales)
        cleanTable(type);
}

void TsiLang::applyActiveLanguage()
{
    applyWindowRow(stCaptions, "Caption");
    applyWindowRow(stHints, "Hint");
    for (const TStringsType type : kAppliedTables) {
        cleanTable(type);
        applyTable(type);
    }
}

std::string TsiLang::toUtf8(std::string_view text) const
{
    return m_utf8 ? std::string(text) : cp1252::toUtf8(text);
}

bool TsiLang::isWindow(std::string_view component) const
{
    return i18n::SameAsciiText(component, m_windowName) || i18n::SameAsciiText(component, m_className);
}

bool TsiLang::isExcluded(std::string_view component, std::string_view property) const
{
    for (const std::string_view excluded : SmartExcludeProps) {
        const std::size_t point = excluded.find('.');
        if (point == std::string_view::npos)
            continue;
        const std::string_view exComponent = excluded.substr(0, point);
        const bool sameComponent =
            i18n::SameAsciiText(exComponent, component) || (isWindow(exComponent) && isWindow(component));
        if (sameComponent && i18n::SameAsciiText(excluded.substr(point + 1), property))
            return true;
    }
    return false;
}

void TsiLang::cleanTable(TStringsType type)
{
    TranslationTable& table = m_tables[type];
    std::erase_if(table, [&](const std::string& row) {
        const std::string_view component = componentOf(type, i18n::RowKey(row));
        return !i18n::RowHasText(row) || !(isWindow(component) || m_target.hasComponent(component));
    });
}

void TsiLang::applyWindowRow(TStringsType type, std::string_view property)
{
    const TranslationTable& table = m_tables[type];
    if (table.empty() || !i18n::SameAsciiText(i18n::RowKey(table.front()), m_className) ||
        isExcluded(m_className, property))
        return;
    const std::string_view text = i18n::RowColumn(table.front(), m_activeLanguage);
    if (text.empty())
        return;
    try {
        m_target.writeText(m_className, property, toUtf8(text));
    } catch (const std::exception&) {
        // A text that cannot be assigned leaves the window as it is.
    }
}

void TsiLang::applyTable(TStringsType type)
{
    // Rows are copied first: a target may not touch the table, but a handler could.
    const TranslationTable rows = m_tables[type];
    for (const auto& row : rows)
        applyRow(type, row);
}

void TsiLang::applyRow(TStringsType type, std::string_view row)
{
    const std::string_view text = i18n::RowColumn(row, m_activeLanguage);
    if (text.empty())
        return;
    const std::string_view key = i18n::RowKey(row);
    const std::string_view component = componentOf(type, key);
    const std::string_view property = propertyOf(type, key);
    if (isExcluded(component, property))
        return;
    try {
        if (type == stMultiLines) {
            applyList(component, property, text);
            return;
        }
        const auto current = m_target.readText(component, property);
        const std::string utf8 = toUtf8(text);
        if (current && *current != utf8)
            m_target.writeText(component, property, utf8);
    } catch (const std::exception&) {
        // A failed read or assignment skips this row only.
    }
}

void TsiLang::applyList(std::string_view component, std::string_view property, std::string_view commaText)
{
    const auto editor = m_target.editList(component, property);
    if (!editor)
        return;
    std::vector<std::string> items = i18n::ParseCommaText(commaText);
    for (auto& item : items)
        item = toUtf8(item);
    const std::vector<std::string> current = editor->items();
    if (current == items)
        return;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i >= current.size())
            editor->append(items[i]);
        else if (current[i] != items[i])
            editor->setItem(i, items[i]);
    }
    for (std::size_t count = current.size(); count > items.size(); --count)
        editor->removeLast();
}
