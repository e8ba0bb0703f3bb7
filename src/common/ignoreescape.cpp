#include "common/ignoreescape.h"

#include <QDialog>
#include <QKeyEvent>

namespace {

// Swallows Escape on its way to the dialog; every other key goes on as before.
class EscapeFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ignoreEscape(QDialog &dialog)
{
    dialog.installEventFilter(new EscapeFilter(&dialog));
}
