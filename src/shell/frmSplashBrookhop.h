#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmSplashBrookhop : public ui::Form
{
    Q_OBJECT
public:
    frmSplashBrookhop() : Form(QStringLiteral("frmSplashBrookhop")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Brookhop");
        f.centred = true;
        return f;
    }
};
