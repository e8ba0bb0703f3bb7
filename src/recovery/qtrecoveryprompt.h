#pragma once

#include "recovery/recoveryprompt.h"

class QWidget;

// The recovery question and messages as message boxes over `owner`.
class QtRecoveryPrompt : public RecoveryPrompt
{
public:
    explicit QtRecoveryPrompt(QWidget *owner)
        : m_owner(owner)
    { }

    bool askRestore(const QString &question) override;
    void inform(const QString &message) override;

private:
    QWidget *m_owner;
};
