#pragma once

#include <QComboBox>

#include <string>
#include <vector>

// The pick-only language list: each entry shows its flag before the language name. Only a choice made by
// the user emits languageChosen; selecting by program does not.
class LanguageSelector : public QComboBox
{
    Q_OBJECT
public:
    explicit LanguageSelector(QWidget* parent = nullptr);

    // Replaces every entry; names are UTF-8.
    void setLanguageNames(const std::vector<std::string>& names);
    // Selects the entry named name (case ignored), or none.
    void selectLanguage(const QString& name);

signals:
    void languageChosen(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
};
