#include "dialogs/qtmessagebox.h"

#include <QMessageBox>
#include <QPushButton>

MessageBox::Answer QtMessageBox::show(const QString &text, const QString &title, Buttons buttons, Icon icon)
{
    const QMessageBox::Icon shown = icon == Icon::Information ? QMessageBox::Information
        : icon == Icon::Warning                               ? QMessageBox::Warning
                                                              : QMessageBox::NoIcon;
    const bool yesNo = buttons == Buttons::YesNo;
    const QMessageBox::StandardButtons standard = yesNo ? QMessageBox::Yes | QMessageBox::No
        : buttons == Buttons::Ok                        ? QMessageBox::Ok
                                                        : QMessageBox::NoButton;
    QMessageBox box(shown, title, text, standard, m_owner);
    box.setObjectName(QStringLiteral("MsgBox"));
    QPushButton *loadReadable = nullptr;
    if (buttons == Buttons::KeepOrLoadReadable || buttons == Buttons::LoadAsPlayerMapOrNot) {
        // Loading part of a damaged file, or a file as what it was not opened as, is never the
        // default: Enter and Escape both keep everything.
        QPushButton *keep = box.addButton(QStringLiteral("Don't Load"), QMessageBox::RejectRole);
        loadReadable = box.addButton(buttons == Buttons::KeepOrLoadReadable ? QStringLiteral("Load what can be read")
                                                                            : QStringLiteral("Load as Player Map"),
            QMessageBox::AcceptRole);
        box.setDefaultButton(keep);
        box.setEscapeButton(keep);
    }
    QPushButton *save = nullptr, *discard = nullptr;
    if (buttons == Buttons::SaveDiscardCancel) {
        save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
        discard = box.addButton(QStringLiteral("Don't Save"), QMessageBox::DestructiveRole);
        QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
    }
    const int pressed = box.exec();
    if (save)
        return box.clickedButton() == save ? Answer::Yes : box.clickedButton() == discard ? Answer::No : Answer::Cancel;
    if (loadReadable)
        return box.clickedButton() == loadReadable ? Answer::Yes : Answer::No;
    if (!yesNo)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}
