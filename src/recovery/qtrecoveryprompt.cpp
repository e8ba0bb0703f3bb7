#include "recovery/qtrecoveryprompt.h"

#include <QMessageBox>
#include <QPushButton>

bool QtRecoveryPrompt::askRestore(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quorvane"), question, QMessageBox::NoButton, m_owner);
    QPushButton *restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Discard"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(discard);
    box.exec();
    return box.clickedButton() == restore;
}

void QtRecoveryPrompt::inform(const QString &message)
{
    QMessageBox::warning(m_owner, QStringLiteral("Quorvane"), message);
}
