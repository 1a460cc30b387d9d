#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmSpinzo : public ui::Form
{
    Q_OBJECT
public:
    frmSpinzo() : Form(QStringLiteral("frmSpinzo")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("\"SPINZO\"");
        f.centred = true;
        return f;
    }
};
