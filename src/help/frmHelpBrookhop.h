#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmHelpBrookhop : public ui::Form
{
    Q_OBJECT
public:
    frmHelpBrookhop() : Form(QStringLiteral("frmHelpBrookhop")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Help");
        f.centred = true;
        return f;
    }
};
