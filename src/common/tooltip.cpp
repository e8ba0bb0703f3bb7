#include "common/tooltip.h"

#include <QHelpEvent>
#include <QToolTip>

bool answerToolTip(QEvent *event, QWidget *widget, const std::function<QString(QPoint)> &tipAt)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = tipAt(help->pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, widget);
    return true;
}
