#include "i18n/QtStringListEditor.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace
{

QList<QRadioButton*> radios(QObject* group)
{
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

QString fromUtf8(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

std::unique_ptr<QtStringListEditor> QtStringListEditor::open(QObject* object)
{
    Kind kind;
    if (qobject_cast<QComboBox*>(object))
        kind = Kind::ComboBox;
    else if (qobject_cast<QListWidget*>(object))
        kind = Kind::ListWidget;
    else if (qobject_cast<QPlainTextEdit*>(object))
        kind = Kind::PlainTextEdit;
    else if (qobject_cast<QTextEdit*>(object))
        kind = Kind::TextEdit;
    else if (qobject_cast<QLabel*>(object))
        kind = Kind::Label;
    else if (qobject_cast<QGroupBox*>(object) && !radios(object).isEmpty())
        kind = Kind::RadioGroup;
    else
        return nullptr;
    return std::unique_ptr<QtStringListEditor>(new QtStringListEditor(object, kind));
}

QtStringListEditor::QtStringListEditor(QObject* object, Kind kind) : m_object(object), m_kind(kind)
{
    switch (m_kind) {
    case Kind::ComboBox:
        m_selected = static_cast<QComboBox*>(object)->currentIndex();
        break;
    case Kind::ListWidget: {
        auto* list = static_cast<QListWidget*>(object);
        m_selected = list->currentRow();
        m_sorted = list->isSortingEnabled();
        list->setSortingEnabled(false);
        break;
    }
    case Kind::PlainTextEdit:
        m_wrapMode = static_cast<QPlainTextEdit*>(object)->lineWrapMode();
        static_cast<QPlainTextEdit*>(object)->setLineWrapMode(QPlainTextEdit::NoWrap);
        break;
    case Kind::TextEdit:
        m_wrapMode = static_cast<QTextEdit*>(object)->lineWrapMode();
        static_cast<QTextEdit*>(object)->setLineWrapMode(QTextEdit::NoWrap);
        break;
    default:
        break;
    }
    m_lines = read();
}

QtStringListEditor::~QtStringListEditor()
{
    if (!m_object)
        return;
    const QString text = m_lines.join(QLatin1Char('\n'));
    switch (m_kind) {
    case Kind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(m_object.data());
        combo->setCurrentIndex(m_selected < combo->count() ? m_selected : -1);
        break;
    }
    case Kind::ListWidget: {
        auto* list = static_cast<QListWidget*>(m_object.data());
        list->setCurrentRow(m_selected < list->count() ? m_selected : -1);
        list->setSortingEnabled(m_sorted);
        break;
    }
    case Kind::PlainTextEdit: {
        auto* edit = static_cast<QPlainTextEdit*>(m_object.data());
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
        edit->setLineWrapMode(static_cast<QPlainTextEdit::LineWrapMode>(m_wrapMode));
        break;
    }
    case Kind::TextEdit: {
        auto* edit = static_cast<QTextEdit*>(m_object.data());
        if (edit->toPlainText() != text)
            edit->setPlainText(text);
        edit->setLineWrapMode(static_cast<QTextEdit::LineWrapMode>(m_wrapMode));
        break;
    }
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(m_object.data());
        if (label->text() != text)
            label->setText(text);
        break;
    }
    case Kind::RadioGroup:
        break;
    }
}

QStringList QtStringListEditor::read() const
{
    QStringList items;
    switch (m_kind) {
    case Kind::ComboBox: {
        const auto* combo = static_cast<QComboBox*>(m_object.data());
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        break;
    }
    case Kind::ListWidget: {
        const auto* list = static_cast<QListWidget*>(m_object.data());
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        break;
    }
    case Kind::RadioGroup:
        for (const auto* radio : radios(m_object))
            items << radio->text();
        break;
    case Kind::PlainTextEdit:
    case Kind::TextEdit:
    case Kind::Label: {
        const QString text = m_kind == Kind::Label ? static_cast<QLabel*>(m_object.data())->text()
                             : m_kind == Kind::TextEdit
                                 ? static_cast<QTextEdit*>(m_object.data())->toPlainText()
                                 : static_cast<QPlainTextEdit*>(m_object.data())->toPlainText();
        if (!text.isEmpty())
            items = text.split(QLatin1Char('\n'));
        break;
    }
    }
    return items;
}

std::vector<std::string> QtStringListEditor::items() const
{
    std::vector<std::string> out;
    if (!m_object)
        return out;
    for (const QString& line :
         m_kind == Kind::ComboBox || m_kind == Kind::ListWidget || m_kind == Kind::RadioGroup ? read()
                                                                                              : m_lines)
        out.push_back(line.toStdString());
    return out;
}

void QtStringListEditor::setItem(std::size_t index, const std::string& utf8)
{
    if (!m_object)
        return;
    const QString text = fromUtf8(utf8);
    const int i = static_cast<int>(index);
    switch (m_kind) {
    case Kind::ComboBox:
        static_cast<QComboBox*>(m_object.data())->setItemText(i, text);
        break;
    case Kind::ListWidget:
        static_cast<QListWidget*>(m_object.data())->item(i)->setText(text);
        break;
    case Kind::RadioGroup:
        radios(m_object).at(i)->setText(text);
        break;
    default:
        m_lines[i] = text;
        break;
    }
}

void QtStringListEditor::append(const std::string& utf8)
{
    if (!m_object)
        return;
    const QString text = fromUtf8(utf8);
    switch (m_kind) {
    case Kind::ComboBox:
        static_cast<QComboBox*>(m_object.data())->addItem(text);
        break;
    case Kind::ListWidget:
        static_cast<QListWidget*>(m_object.data())->addItem(text);
        break;
    case Kind::RadioGroup: {
        auto* group = static_cast<QGroupBox*>(m_object.data());
        auto* radio = new QRadioButton(text, group);
        if (group->layout())
            group->layout()->addWidget(radio);
        radio->show();
        break;
    }
    default:
        m_lines << text;
        break;
    }
}

void QtStringListEditor::removeLast()
{
    if (!m_object)
        return;
    switch (m_kind) {
    case Kind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(m_object.data());
        combo->removeItem(combo->count() - 1);
        break;
    }
    case Kind::ListWidget: {
        auto* list = static_cast<QListWidget*>(m_object.data());
        delete list->takeItem(list->count() - 1);
        break;
    }
    case Kind::RadioGroup:
        delete radios(m_object).constLast();
        break;
    default:
        m_lines.removeLast();
        break;
    }
}
