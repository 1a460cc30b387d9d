#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmPlayerOptions : public ui::Form
{
    Q_OBJECT
public:
    frmPlayerOptions() : Form(QStringLiteral("frmPlayerOptions")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Player Options");
        f.centred = true;
        return f;
    }
};
