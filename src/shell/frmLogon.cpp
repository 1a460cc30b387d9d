// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmLogon.h"

#include "shell/IconFile.h"
#include "shell/frmSkydash.h"
#include "ui/Accessible.h"
#include "ui/Dialogs.h"
#include "ui/Geometry.h"

using namespace ui;

frmLogon::frmLogon()
    : Form(QStringLiteral("frmLogon"))
{
}

FormDesign frmLogon::formDesign() const
{
    return { .caption = tr("Enter Program Password"),
        .backColor = cyan,
        .clientWidth = 6510,
        .clientHeight = 2025,
        .border = Border::Fixed,
        .centred = true };
}

void frmLogon::wire()
{
    // Both labels stand before both boxes in the tab order, so the next control after
    // "&Password" would be the user-name box: its mnemonic is given its own box.
    lblPassword()->setBuddy(txtPassword());
    // To a screen reader the logon is a dialog that says what it wants as it opens.
    presentAsDialog(view(), plainCaption(lblInstruction()->Caption()));
    handle(txtUserName(), &TextBox::Change, [this] { txtUserName_Change(); });
    handle(txtPassword(), &TextBox::Change, [this] { txtPassword_Change(); });
    handle(cmdOK(), &Button::Click, [this] { cmdOK_Click(); });
    handle(cmdCancel(), &Button::Click, [this] { cmdCancel_Click(); });
    handle(imgLogo(), &Image::Click, [this] { imgLogo_Click(); });
}

void frmLogon::txtUserName_Change()
{
    enableOkWhenBothBoxesHoldText();
}

void frmLogon::txtPassword_Change()
{
    enableOkWhenBothBoxesHoldText();
}

void frmLogon::enableOkWhenBothBoxesHoldText()
{
    cmdOK()->setEnabled(!txtUserName()->Text().isEmpty() && !txtPassword()->Text().isEmpty());
}

void frmLogon::cmdOK_Click()
{
    // Both at once: a name that itself holds "%2" stays as typed.
    MsgBox(tr("User Name = %1 , Password = %2").arg(txtUserName()->Text(), txtPassword()->Text()));
    // While this invocation waits in the modal re-show, the user's next OK runs this handler
    // again, nested; all invocations share failedLogons.
    while (txtPassword()->Text() != txtUserName()->Text()) {
        hide();
        ++failedLogons;
        if (failedLogons >= 3) {
            MsgBox(tr("Too many invalid logon attempts.  Good-bye."), MsgButtons::OK, MsgIcon::Exclamation);
            End();
            return;
        }
        MsgBox(tr("The password is invalid."), MsgButtons::OK, MsgIcon::Information);
        if (MsgBox(tr("Do you want a hint what the password is?"), MsgButtons::YesNo, MsgIcon::Question)
            == MsgResult::Yes)
            MsgBox(tr("Enter your user name as your password!!!"), MsgButtons::OK, MsgIcon::Information);
        txtPassword()->setTextValue(QString());
        // The disabled OK would leave the focus on Cancel, where a hasty Enter ends the
        // program; the user is about to type the password again.
        txtPassword()->setFocus();
        if (!showModal())
            return;
    }
    hide();
    form<frmSkydash>().show();
}

void frmLogon::cmdCancel_Click()
{
    unload();
    End();
}

void frmLogon::imgLogo_Click()
{
    // A file that cannot be read as a whole icon leaves the picture as it is, without a word.
    // On a screen of double density a 64 x 64 picture, where the file has one, shows sharp at
    // the size of a 32 x 32 icon.
    // At any display scale the icon shows as large as a 32 x 32 picture would there, from the
    // file's picture nearest to that size.
    const qreal ratio = imgLogo()->devicePixelRatioF();
    const int shown = ui::pictureSizeAt(imgLogo()->Left(), imgLogo()->Top(), QSizeF(32, 32)).width();
    const int dense = qRound(shown * ratio);
    const QImage icon = readIconFile(m_logoPath, dense);
    if (icon.isNull())
        return;
    QPixmap picture = QPixmap::fromImage(icon);
    if (icon.width() == icon.height())
        picture.setDevicePixelRatio(qreal(icon.width()) / shown);
    imgLogo()->setPicture(picture);
}

void frmLogon::Form_Unload(std::int16_t &)
{
    // Closing the dialog before anyone has logged on ends the program, as Cancel does: there is
    // no other window to go on with, and a failure cycle waiting in its modal re-show must not
    // go on to compare the two empty boxes of a freshly loaded dialog, which are equal. After a
    // logon the launcher's own shutdown unloads the dialog and ends the program itself.
    if (!form<frmSkydash>().isLoaded())
        End();
}
