#pragma once

#include <QStyledItemDelegate>

// Draws every entry of the language selector the same way, selected or not: flag and name on the window
// background, 15 pixels high.
class LanguageItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kItemHeight = 15;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
