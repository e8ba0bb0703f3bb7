#include "notesearch/matchdelegate.h"

#include <QApplication>
#include <QPainter>

void MatchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const qsizetype start = qBound<qsizetype>(0, index.data(kStartRole).toLongLong(), text.size());
    const qsizetype length = qBound<qsizetype>(0, index.data(kLengthRole).toLongLong(), text.size() - start);
    // The row's background and focus as the style draws them, then the text in three pieces.
    opt.text.clear();
    QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget).adjusted(2, 0, -2, 0);
    const QString before = text.left(start).replace(u'\t', u' ');
    const QString match = text.mid(start, length);
    const QString after = text.mid(start + length).replace(u'\t', u' ');
    QFont bold = opt.font;
    bold.setBold(true);
    const QFontMetrics plainMetrics(opt.font);
    const QFontMetrics boldMetrics(bold);
    const bool selected = opt.state & QStyle::State_Selected;
    const QColor textColour = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    painter->setClipRect(area);
    int x = area.left();
    const int baseline = area.top() + (area.height() + plainMetrics.ascent() - plainMetrics.descent()) / 2;
    painter->setPen(textColour);
    painter->drawText(x, baseline, before);
    x += plainMetrics.horizontalAdvance(before);
    const int matchWidth = boldMetrics.horizontalAdvance(match);
    painter->fillRect(QRect(x, area.top() + 1, matchWidth, area.height() - 2), QColor(255, 214, 0));
    painter->setFont(bold);
    painter->setPen(Qt::black);
    painter->drawText(x, baseline, match);
    x += matchWidth;
    painter->setFont(opt.font);
    painter->setPen(textColour);
    painter->drawText(x, baseline, after);
    painter->restore();
}
