#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmSetOwnLimits : public ui::Form
{
    Q_OBJECT
public:
    frmSetOwnLimits() : Form(QStringLiteral("frmSetOwnLimits")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Set Own Limits");
        f.centred = true;
        return f;
    }
};
