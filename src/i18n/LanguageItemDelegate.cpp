#include "i18n/LanguageItemDelegate.h"

#include "i18n/LanguageFlags.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

void LanguageItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    i18n::PaintLanguageItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(), option.palette);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
}

QSize LanguageItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width() + 24, kItemHeight};
}
