#include "i18n/LanguageSelector.h"

#include "i18n/LanguageFlags.h"
#include "i18n/LanguageItemDelegate.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

LanguageSelector::LanguageSelector(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setItemDelegate(new LanguageItemDelegate(this));
    connect(this, &QComboBox::activated, this, [this](int index) { emit languageChosen(itemText(index)); });
}

void LanguageSelector::setLanguageNames(const std::vector<std::string>& names)
{
    const QSignalBlocker blocker(this);
    clear();
    for (const auto& name : names) {
        const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        addItem(text);
        setItemData(count() - 1, text, Qt::AccessibleTextRole);
    }
    setCurrentIndex(-1);
}

void LanguageSelector::selectLanguage(const QString& name)
{
    const QSignalBlocker blocker(this);
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).compare(name, Qt::CaseInsensitive) == 0) {
            setCurrentIndex(i);
            return;
        }
    }
    setCurrentIndex(-1);
}

void LanguageSelector::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() >= 0)
        i18n::PaintLanguageItem(painter, field, currentText(), palette());
}
