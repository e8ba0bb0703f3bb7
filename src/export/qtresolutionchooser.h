#pragma once

#include "export/resolutionchooser.h"

class QWidget;

// The PNG resolution asked in a small list dialog over the owner window; 300 dpi is offered first.
class QtResolutionChooser : public ResolutionChooser
{
public:
    explicit QtResolutionChooser(QWidget *owner)
        : m_owner(owner)
    { }
    int chooseDpi(const QString &title) override;

private:
    QWidget *m_owner;
};
