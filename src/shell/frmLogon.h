#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmLogon : public ui::Form
{
    Q_OBJECT
public:
    frmLogon() : Form(QStringLiteral("frmLogon")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Enter Program Password");
        f.centred = true;
        return f;
    }
};
