#include "files/qtmessagebox.h"

#include <QMessageBox>

MessageBox::Answer QtMessageBox::show(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    const bool yesNo = buttons == Buttons::YesNo;
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon, title, text,
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, m_owner);
    box.setObjectName(QStringLiteral("MsgBox"));
    const int pressed = box.exec();
    if (!yesNo)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
