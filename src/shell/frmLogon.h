#pragma once
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Picture.h"

#include <cstdint>

// The logon dialog, the program's first window. Its only rule: the password equals the user
// name, exactly. A success hides the dialog for good and opens the launcher; the third invalid
// attempt, Cancel, or closing the dialog before anyone has logged on ends the program.
class frmLogon : public ui::Form {
    Q_OBJECT
public:
    frmLogon();

    UI_OLD_CONTROL(ui::Label, lblInstruction)
    UI_OLD_CONTROL(ui::Label, lblUserName)
    UI_OLD_CONTROL(ui::Label, lblPassword)
    UI_OLD_CONTROL(ui::TextBox, txtUserName)
    UI_OLD_CONTROL(ui::TextBox, txtPassword)
    UI_OLD_CONTROL(ui::Button, cmdOK)
    UI_OLD_CONTROL(ui::Button, cmdCancel)
    UI_OLD_CONTROL(ui::Image, imgLogo)

    void txtUserName_Change();
    void txtPassword_Change();
    void cmdOK_Click();
    void cmdCancel_Click();
    void imgLogo_Click();

    // The logo's icon file. "A:\Playhaven\Face03.ico" is a drive path where drive letters
    // exist; elsewhere the same string names a file in the working directory whose name holds
    // the colon and the backslashes. Tests point it at files of their own.
    static QString defaultLogoPath() { return QStringLiteral("A:\\Playhaven\\Face03.ico"); }
    void setLogoPath(const QString &path) { m_logoPath = path; }

    // Invalid attempts so far, over the whole run.
    std::int16_t failedLogons = 0;

protected:
    ui::FormDesign formDesign() const override;
    QList<ui::ControlDesign> controls() const override;
    void wire() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void enableOkWhenBothBoxesHoldText();

    QString m_logoPath = defaultLogoPath();
};
