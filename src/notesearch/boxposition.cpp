#include "notesearch/boxposition.h"

qsizetype boxPosition(const QString &text, qsizetype at)
{
    at = qBound<qsizetype>(0, at, text.size());
    qsizetype pairs = 0;
    for (qsizetype i = text.indexOf(u'\r'); i >= 0 && i + 1 < at; i = text.indexOf(u'\r', i + 1))
        if (text[i + 1] == u'\n')
            ++pairs;
    return at - pairs;
}
