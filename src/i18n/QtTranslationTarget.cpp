#include "i18n/QtTranslationTarget.h"

#include "i18n/QtStringListEditor.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace
{

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The shown text of a control, or nothing when the control shows none that can be read and written.
std::optional<QString> caption(QObject* object, bool isWindow)
{
    if (isWindow)
        return static_cast<QWidget*>(object)->windowTitle();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    return std::nullopt;
}

bool setCaption(QObject* object, bool isWindow, const QString& text)
{
    if (isWindow)
        static_cast<QWidget*>(object)->setWindowTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else
        return false;
    return true;
}

std::optional<QString> hint(QObject* object)
{
    if (auto* widget = qobject_cast<QWidget*>(object))
        return widget->toolTip();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->toolTip();
    return std::nullopt;
}

// A pick-only list shows the text of its selected item; that text is not assigned, so the selection stays.
std::optional<QString> editText(QObject* object)
{
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(object); combo && combo->isEditable())
        return combo->currentText();
    return std::nullopt;
}

std::optional<QString> stringProperty(QObject* object, const char* name)
{
    const QVariant value = object->property(name);
    if (!value.isValid() || value.metaType().id() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

} // namespace

QtTranslationTarget::QtTranslationTarget(QWidget* window, QString windowName, QString className)
    : m_window(window), m_windowName(std::move(windowName)), m_className(std::move(className))
{
}

QObject* QtTranslationTarget::component(std::string_view name) const
{
    if (!m_window)
        return nullptr;
    const QString wanted = toQString(name);
    if (wanted.isEmpty())
        return nullptr;
    if (same(wanted, m_windowName) || same(wanted, m_className) || same(wanted, m_window->objectName()))
        return m_window;
    const auto children = m_window->findChildren<QObject*>();
    for (QObject* child : children) {
        if (same(child->objectName(), wanted))
            return child;
    }
    return nullptr;
}

bool QtTranslationTarget::hasComponent(std::string_view name) const
{
    return component(name) != nullptr;
}

std::optional<std::string> QtTranslationTarget::readText(std::string_view name,
                                                         std::string_view property) const
{
    QObject* object = component(name);
    if (!object)
        return std::nullopt;
    const QString prop = toQString(property);
    std::optional<QString> text;
    if (same(prop, QStringLiteral("Caption")))
        text = caption(object, object == m_window);
    else if (same(prop, QStringLiteral("Hint")))
        text = hint(object);
    else if (same(prop, QStringLiteral("Text")))
        text = editText(object);
    else if (same(prop, QStringLiteral("Font.Name")) && qobject_cast<QWidget*>(object))
        text = static_cast<QWidget*>(object)->font().family();
    else if (!prop.contains(QLatin1Char('.')))
        text = stringProperty(object, prop.toUtf8().constData());
    if (!text)
        return std::nullopt;
    return text->toStdString();
}

void QtTranslationTarget::writeText(std::string_view name, std::string_view property, const std::string& utf8)
{
    QObject* object = component(name);
    if (!object)
        return;
    const QString prop = toQString(property);
    const QString text = toQString(utf8);
    if (same(prop, QStringLiteral("Caption"))) {
        setCaption(object, object == m_window, text);
    } else if (same(prop, QStringLiteral("Hint"))) {
        if (auto* widget = qobject_cast<QWidget*>(object))
            widget->setToolTip(text);
        else if (auto* action = qobject_cast<QAction*>(object))
            action->setToolTip(text);
    } else if (same(prop, QStringLiteral("Text"))) {
        if (auto* edit = qobject_cast<QLineEdit*>(object))
            edit->setText(text);
        else if (auto* combo = qobject_cast<QComboBox*>(object); combo && combo->isEditable())
            combo->setEditText(text);
    } else if (same(prop, QStringLiteral("Font.Name"))) {
        if (auto* widget = qobject_cast<QWidget*>(object)) {
            QFont font = widget->font();
            font.setFamily(text);
            widget->setFont(font);
        }
    } else if (stringProperty(object, prop.toUtf8().constData())) {
        object->setProperty(prop.toUtf8().constData(), text);
    }
}

std::unique_ptr<StringListEditor> QtTranslationTarget::editList(std::string_view name,
                                                                std::string_view property)
{
    QObject* object = component(name);
    const QString prop = toQString(property);
    const bool listProperty = same(prop, QStringLiteral("Items")) || same(prop, QStringLiteral("Lines")) ||
                              same(prop, QStringLiteral("HTMLText"));
    if (!object || !listProperty)
        return nullptr;
    return QtStringListEditor::open(object);
}
