// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ui/Form.h"
#include "ui/Program.h"
#include "ui/Vocabulary.h"

#include <cstdint>

// The logon dialog, the program's first window. Its only rule: the password equals the user
// name, exactly. A success hides the dialog for good and opens the launcher; the third invalid
// attempt, Cancel, or closing the dialog before anyone has logged on ends the program.
class frmLogon : public ui::Form {
    Q_OBJECT
public:
    frmLogon();

private:
    // Every control of the dialog writes in the same bold face.
    static ui::FontDesign logonFont() { return sansSerif(9.75).bold(); }

public:
    // clang-format off
    UI_CONTROL(lblInstruction, label().caption("Type your name and password to log on.").at(960, 360, 4335, 255).centred().font(logonFont()).tabIndex(0));
    UI_CONTROL(lblUserName, label().caption("&User Name").at(960, 720, 1215, 255).align(ui::Align::Right).font(logonFont()).tabIndex(1));
    UI_CONTROL(lblPassword, label().caption("&Password").at(960, 1200, 1215, 255).align(ui::Align::Right).font(logonFont()).tabIndex(2));
    UI_CONTROL(txtUserName, textBox().at(2280, 720, 2415, 285).font(logonFont()).accessibleName("User Name").tabIndex(3));
    UI_CONTROL(txtPassword, textBox().at(2280, 1200, 2415, 285).password().font(logonFont()).accessibleName("Password").tabIndex(4));
    UI_CONTROL(cmdOK, button().caption("OK").at(5040, 840, 1335, 375).back(lightBlue).font(logonFont()).disabled().defaultButton().tabIndex(5));
    UI_CONTROL(cmdCancel, button().caption("Cancel").at(5040, 1440, 1335, 375).back(lightBlue).font(logonFont()).cancelButton().tabIndex(6));
    UI_CONTROL(imgLogo, image().picture(":/icons/face.ico").at(0, 0, 540, 540).accessibleName("Logo"));
    // clang-format on

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
    void wire() override;
    void Form_Unload(std::int16_t &Cancel) override;

private:
    void enableOkWhenBothBoxesHoldText();

    QString m_logoPath = defaultLogoPath();
};
