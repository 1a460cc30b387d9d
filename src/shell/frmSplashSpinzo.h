#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmSplashSpinzo : public ui::Form
{
    Q_OBJECT
public:
    frmSplashSpinzo() : Form(QStringLiteral("frmSplashSpinzo")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Spinzo");
        f.centred = true;
        return f;
    }
};
