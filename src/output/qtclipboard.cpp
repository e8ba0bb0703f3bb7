#include "output/qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void QtClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
