#pragma once

#include <QStyledItemDelegate>

// Draws a result line with its match on a highlight, the rest as usual.
class MatchDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Where the match lies in the item's text.
    static constexpr int kStartRole = Qt::UserRole;
    static constexpr int kLengthRole = Qt::UserRole + 1;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
