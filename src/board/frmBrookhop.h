#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmBrookhop : public ui::Form
{
    Q_OBJECT
public:
    frmBrookhop() : Form(QStringLiteral("frmBrookhop")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Brookhop");
        f.centred = true;
        return f;
    }
};
