#include "board/frmPlayerOptions.h"

#include "board/BoardLayout.h"
#include "board/frmBrookhop.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <array>

using namespace ui;

namespace {

constexpr quint32 white = rgb(255, 255, 255);

struct BoxPlace {
    double top, width;
    double pictureTop;
};
constexpr std::array<BoxPlace, 3> places { { { 480, 975, 360 }, { 1200, 735, 1080 }, { 1920, 855, 1800 } } };

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
    FormDesign f;
    f.caption = QStringLiteral("Player Options");
    f.backColor = 0x00FF0000;
    f.clientWidth = 2835;
    f.clientHeight = 3885;
    f.border = Border::Fixed;
    f.centred = true;
    return f;
}

QList<ControlDesign> frmPlayerOptions::controls() const
{
    QList<ControlDesign> t {
        label("lblDirections").accessibleName("Directions").at(240, 240, 2295, 735).back(white).font(arial(9.75).bold()).centred(),
        frame("fraPlayerOptions").caption("Player Options").at(240, 1080, 2295, 2415).back(white),
    };
    for (MarkerKind kind : allMarkers) {
        const MarkerNames &n = names(kind);
        const BoxPlace &p = places[indexOf(kind)];
        t.append(ui::checkBox(n.checkBox)
                     .in("fraPlayerOptions")
                     .caption(n.caption)
                     .at(360, p.top, p.width, 195)
                     .back(white)
                     .font(arial(8.25).bold())
                     .tabIndex(indexOf(kind) + 1));
        t.append(image(n.pictures).in("fraPlayerOptions").at(1320, p.pictureTop, 375, 375).picture(n.icon32).stretch().accessibleName(QStringLiteral("%1 picture").arg(n.caption)));
    }
    return t;
}

CheckBox *frmPlayerOptions::checkBox(MarkerKind kind)
{
    return control<CheckBox>(QString::fromLatin1(names(kind).checkBox));
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

// Takes every marker out of play: its START and spinner-panel pictures hidden, its option button
// and menu item disabled, its flag False. Pictures on the other stones and the positions stay.
void frmPlayerOptions::markerReset()
{
    frmBrookhop &b = theBoard();
    for (MarkerKind kind : allMarkers)
        b.markerPicture(kind, board::startStone)->hide();
    for (MarkerKind kind : allMarkers)
        b.optionButton(kind)->setEnabled(false);
    for (MarkerKind kind : allMarkers)
        b.markerPicture(kind, board::spinnerPicture)->hide();
    for (MarkerKind kind : allMarkers)
        b.menuItem(kind)->setEnabled(false);
    for (MarkerKind kind : allMarkers)
        b.flag(kind) = false;
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
    // A marker put into play stands on START alone. After Restart a marker can still be dropped
    // on the last spin's stone before this dialog opens; showing its START picture beside that
    // one would put one marker on two stones.
    for (int stone = board::startStone + 1; stone <= board::finishStone; ++stone)
        b.markerPicture(kind, stone)->hide();
    b.markerPicture(kind, board::startStone)->show();
    b.optionButton(kind)->setEnabled(true);
    b.markerPicture(kind, board::spinnerPicture)->show();
    b.menuItem(kind)->setEnabled(true);
    b.flag(kind) = true;
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
    MsgBox(QString::fromLatin1(*warning), MsgButtons::OK, MsgIcon::Exclamation);
    markerReset();
}
