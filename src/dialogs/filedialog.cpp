#include "dialogs/filedialog.h"

QStringList FileDialog::nameFilters(const QString &filter)
{
    QStringList filters;
    const QStringList fields = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        const QString description = fields.at(i).trimmed();
        QString patterns = fields.at(i + 1).trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters.append(description.contains(shown) ? description : description + QLatin1Char(' ') + shown);
    }
    return filters;
}
