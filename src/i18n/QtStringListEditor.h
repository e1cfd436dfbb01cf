#pragma once

#include "i18n/TranslationTarget.h"

#include <QPointer>
#include <QStringList>

class QObject;

// A list property of a Qt widget opened for an update in place: the items of a combo box, list widget or
// radio-group box, the lines of a plain or rich text edit, the lines of a label's rich text. Keeps the
// selected index, sorting and word wrap of the widget as they were.
class QtStringListEditor : public StringListEditor
{
public:
    // Null when object shows no list of strings.
    static std::unique_ptr<QtStringListEditor> open(QObject* object);
    ~QtStringListEditor() override;

    std::vector<std::string> items() const override;
    void setItem(std::size_t index, const std::string& utf8) override;
    void append(const std::string& utf8) override;
    void removeLast() override;

private:
    enum class Kind { ComboBox, ListWidget, RadioGroup, PlainTextEdit, TextEdit, Label };
    QtStringListEditor(QObject* object, Kind kind);
    QStringList read() const;

    QPointer<QObject> m_object;
    Kind m_kind;
    QStringList m_lines; // the text kinds are edited here and written back once
    int m_selected = -1;
    bool m_sorted = false;
    int m_wrapMode = 0;
};
