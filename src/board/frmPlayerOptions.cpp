// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/frmPlayerOptions.h"

#include "board/frmBrookhop.h"
#include "ui/Dialogs.h"

#include <array>

using namespace ui;

namespace {

constexpr std::array<Control<CheckBox> frmPlayerOptions::*, 3> boxes { &frmPlayerOptions::chkBicycle,
    &frmPlayerOptions::chkCars, &frmPlayerOptions::chkPlane };

frmBrookhop &theBoard()
{
    return form<frmBrookhop>();
}

} // namespace

frmPlayerOptions::frmPlayerOptions()
    : Form(QStringLiteral("frmPlayerOptions"))
{
}

FormDesign frmPlayerOptions::formDesign() const
{
    return { .caption = tr("Player Options"),
        .backColor = blue,
        .clientWidth = 2835,
        .clientHeight = 3885,
        .border = Border::Fixed,
        .centred = true };
}

Row<CheckBox> frmPlayerOptions::markerBox(MarkerKind kind)
{
    return checkBox()
        .caption(markerText(names(kind).caption))
        .back(white)
        .font(arial(8.25).bold())
        .tabIndex(indexOf(kind) + 1);
}

Row<Image> frmPlayerOptions::markerImage(MarkerKind kind)
{
    const MarkerNames &n = names(kind);
    return image().picture(n.icon32).stretch().accessibleName(tr(n.optionsName));
}

CheckBox *frmPlayerOptions::checkBox(MarkerKind kind)
{
    return (this->*boxes[indexOf(kind)])();
}

void frmPlayerOptions::wire()
{
    handle(chkBicycle(), &CheckBox::Click, [this] { chkBicycle_Click(); });
    handle(chkCars(), &CheckBox::Click, [this] { chkCars_Click(); });
    handle(chkPlane(), &CheckBox::Click, [this] { chkPlane_Click(); });
}

board::Ticks frmPlayerOptions::ticks()
{
    board::Ticks t {};
    for (MarkerKind kind : allMarkers)
        t[indexOf(kind)] = checkBox(kind)->Value() == 1;
    return t;
}

// Takes every marker out of play; pictures on the other stones and the positions stay.
void frmPlayerOptions::markerReset()
{
    for (MarkerKind kind : allMarkers)
        theBoard().setMarkerInPlay(kind, false);
}

void frmPlayerOptions::Form_Load()
{
    markerReset();
}

void frmPlayerOptions::ticked(MarkerKind kind)
{
    // Unticking never takes a marker out of play again.
    if (checkBox(kind)->Value() != 1)
        return;
    frmBrookhop &b = theBoard();
    b.setMarkerInPlay(kind, true);
    for (MarkerKind other : board::boxesToDisable(b.optionChoice, kind, ticks()))
        checkBox(other)->setEnabled(false);
}

void frmPlayerOptions::chkBicycle_Click()
{
    ticked(MarkerKind::Bicycle);
}
void frmPlayerOptions::chkCars_Click()
{
    ticked(MarkerKind::Cars);
}
void frmPlayerOptions::chkPlane_Click()
{
    ticked(MarkerKind::Plane);
}

void frmPlayerOptions::Form_Unload(std::int16_t &)
{
    const auto warning = board::closeWarning(theBoard().optionChoice, ticks());
    if (!warning)
        return;
    MsgBox(tr(*warning), MsgButtons::OK, MsgIcon::Exclamation);
    // The warning may have outlasted the program or the board, whose controls must not be
    // reached (and so loaded again) then.
    if (theBoard().stillLoaded())
        markerReset();
}
