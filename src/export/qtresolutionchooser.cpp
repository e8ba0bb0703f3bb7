#include "export/qtresolutionchooser.h"

#include "export/mapexport.h"

#include <QInputDialog>

int QtResolutionChooser::chooseDpi(const QString &title)
{
    QStringList items;
    for (const int dpi : mapexport::kPngDpis)
        items.append(QStringLiteral("%1 dpi").arg(dpi));
    bool ok = false;
    const QString item = QInputDialog::getItem(m_owner, title, QStringLiteral("PNG resolution:"), items,
        static_cast<int>(items.indexOf(QStringLiteral("300 dpi"))), false, &ok);
    return ok ? item.section(u' ', 0, 0).toInt() : 0;
}
