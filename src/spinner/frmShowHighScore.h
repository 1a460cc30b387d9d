#pragma once
#include "ui/Form.h"

// Placeholder until this window is built: an empty window that can be closed.
class frmShowHighScore : public ui::Form
{
    Q_OBJECT
public:
    frmShowHighScore() : Form(QStringLiteral("frmShowHighScore")) {}

protected:
    ui::FormSpec formSpec() const override
    {
        ui::FormSpec f;
        f.caption = QStringLiteral("Show High Score");
        f.centred = true;
        return f;
    }
};
