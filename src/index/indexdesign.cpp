#include "index/indexdesign.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr double kHeadingPoints = 14.25;

} // namespace

QRect IndexDesign::toPixels(double left, double top, double width, double height) const
{
    const double sx = m_window.logicalDpiX() / 1440.0;
    const double sy = m_window.logicalDpiY() / 1440.0;
    top += kFilterRowTwips;
    const QPoint topLeft(qRound(left * sx), qRound(top * sy));
    const QPoint bottomRight(qRound((left + width) * sx), qRound((top + height) * sy));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

QRect IndexDesign::toPixels(const QRect &twips) const
{
    return toPixels(twips.x(), twips.y(), twips.width(), twips.height());
}

QFont IndexDesign::arial(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

QLabel *IndexDesign::addHeading(QWidget *parent, const char *name, const QString &caption, const QRect &twips) const
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(arial(kHeadingPoints));
    label->setGeometry(toPixels(twips));
    return label;
}

QPushButton *IndexDesign::addButton(QWidget *parent, const char *name, const QString &caption, const QRect &twips) const
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setGeometry(toPixels(twips));
    return button;
}
