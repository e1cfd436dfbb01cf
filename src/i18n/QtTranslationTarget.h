#pragma once

#include "i18n/TranslationTarget.h"

#include <QPointer>
#include <QString>

class QObject;
class QWidget;

// Writes translated texts into a Qt window, finding components by object name without regard to case.
// Caption is the text or title a control shows (the window title for the window itself), Hint its
// tool tip, Text the text of a line edit or editable combo box, Font.Name its font family; any other
// property is a string property of the object (a dynamic one, such as the Filter of dlgOpen, included).
// Lists: Items of combo boxes, list widgets and radio-group boxes, Lines of text edits, HTMLText of labels.
class QtTranslationTarget : public TranslationTarget
{
public:
    QtTranslationTarget(QWidget* window, QString windowName, QString className);

    QObject* component(std::string_view name) const;

    bool hasComponent(std::string_view name) const override;
    std::optional<std::string> readText(std::string_view component, std::string_view property) const override;
    void writeText(std::string_view component, std::string_view property, const std::string& utf8) override;
    std::unique_ptr<StringListEditor> editList(std::string_view component,
                                               std::string_view property) override;

private:
    QPointer<QWidget> m_window;
    QString m_windowName;
    QString m_className;
};
