#include "board/frmBrookhop.h"

#include "board/BoardLayout.h"
#include "board/DropRule.h"
#include "board/PlayerOptionsRule.h"
#include "board/SpinRule.h"
#include "board/frmPlayerOptions.h"
#include "help/frmHelpBrookhop.h"
#include "shell/frmSkydash.h"
#include "ui/Dialogs.h"
#include "ui/Random.h"

#include <QAction>
#include <array>

using namespace ui;

namespace {

constexpr quint32 red = rgb(255, 0, 0);
const QString msgPanel = QStringLiteral("msg");

// The board's own entries of the per-marker table: its variables and its named handlers.
struct MarkerMembers {
    bool frmBrookhop::*flag;
    std::int16_t frmBrookhop::*position;
    void (frmBrookhop::*optionClick)();
    void (frmBrookhop::*pictureClick)(std::int16_t);
    void (frmBrookhop::*menuClick)();
};

constexpr std::array<MarkerMembers, 3> members { {
    { &frmBrookhop::bicycleFlag, &frmBrookhop::bicyclePosition, &frmBrookhop::optBicycle_Click,
        &frmBrookhop::imgBicycle_Click, &frmBrookhop::mnuBicycle_Click },
    { &frmBrookhop::carsFlag, &frmBrookhop::carsPosition, &frmBrookhop::optCars_Click, &frmBrookhop::imgCars_Click,
        &frmBrookhop::mnuCars_Click },
    { &frmBrookhop::planeFlag, &frmBrookhop::planePosition, &frmBrookhop::optPlane_Click, &frmBrookhop::imgPlane_Click,
        &frmBrookhop::mnuPlane_Click },
} };

const MarkerMembers &membersOf(MarkerKind kind)
{
    return members[indexOf(kind)];
}

} // namespace

frmBrookhop::frmBrookhop()
    : Form(QStringLiteral("frmBrookhop"))
{
}

Image *frmBrookhop::markerPicture(MarkerKind kind, int index)
{
    return control<Image>(QString::fromLatin1(names(kind).pictures), index);
}

OptionButton *frmBrookhop::optionButton(MarkerKind kind)
{
    return control<OptionButton>(QString::fromLatin1(names(kind).optionButton));
}

QAction *frmBrookhop::menuItem(MarkerKind kind)
{
    return control<QAction>(QString::fromLatin1(names(kind).menuItem));
}

bool &frmBrookhop::flag(MarkerKind kind)
{
    return this->*membersOf(kind).flag;
}

std::int16_t &frmBrookhop::position(MarkerKind kind)
{
    return this->*membersOf(kind).position;
}

Label *frmBrookhop::spinnerLabel(std::int16_t value)
{
    return control<Label>(QString::fromLatin1(board::spinLabel(value)));
}

void frmBrookhop::wire()
{
    for (MarkerKind kind : allMarkers) {
        const MarkerMembers &m = membersOf(kind);
        handle(optionButton(kind), &OptionButton::Click, [this, m] { (this->*m.optionClick)(); });
        handle(menuItem(kind), &QAction::triggered, [this, m] { (this->*m.menuClick)(); });
        for (int i = 0; i <= board::spinnerPicture; ++i)
            handle(markerPicture(kind, i), &Image::Click, [this, m, i] { (this->*m.pictureClick)(std::int16_t(i)); });
    }
    for (int i = 0; i < board::stoneCount; ++i) {
        handle(picBrookhop(i), &PictureBox::DragDrop, [this, i](ControlBase *source, double x, double y) {
            picBrookhop_DragDrop(std::int16_t(i), source, x, y);
        });
    }
    handle(tbrYourMoves(), &ToolBar::ButtonClick, [this](const QString &key) { tbrYourMoves_ButtonClick(key); });
    handle(mnuOnePlayer(), &QAction::triggered, [this] { mnuOnePlayer_Click(); });
    handle(mnuTwoPlayers(), &QAction::triggered, [this] { mnuTwoPlayers_Click(); });
    handle(mnuThreePlayers(), &QAction::triggered, [this] { mnuThreePlayers_Click(); });
    handle(mnuContents(), &QAction::triggered, [this] { mnuContents_Click(); });
    handle(mnuHowTo(), &QAction::triggered, [this] { mnuHowTo_Click(); });
    handle(lblStart(), &Label::MouseUp, [this](int b, int s, double x, double y) { lblStart_MouseUp(b, s, x, y); });
    handle(cmdRestart(), &Button::Click, [this] { cmdRestart_Click(); });
    handle(cmdEnd(), &Button::Click, [this] { cmdEnd_Click(); });
}

void frmBrookhop::Form_Load()
{
    Randomize();
    finishPlace = 1;
    for (MarkerKind kind : allMarkers) {
        flag(kind) = true;
        position(kind) = 0;
    }
}

void frmBrookhop::Form_Unload(std::int16_t &)
{
    form<frmSkydash>().show();
}

void frmBrookhop::setMessage(const QString &text)
{
    sbrDisplayMessage()->setPanelText(msgPanel, text);
}

// The spin of one marker, whichever way it was asked for.
void frmBrookhop::spin(MarkerKind kind)
{
    setMessage(QString());
    mnuPlayerOptions()->setEnabled(false);
    moveDone = false;
    std::int16_t &from = position(kind);
    const board::Spin s = board::spinFrom(from, [] { return Rnd(); });
    spinValue = s.spinValue;
    newPosition = s.newPosition;
    if (newPosition == from) {
        const QString lost = QStringLiteral("You lose a turn!");
        setMessage(lost);
        MsgBox(lost);
        return;
    }
    Label *lit = spinnerLabel(spinValue);
    lit->setEnabled(true);
    setForeColor(lit, red);
    from = newPosition;
}

void frmBrookhop::optBicycle_Click()
{
    spin(MarkerKind::Bicycle);
}
void frmBrookhop::optCars_Click()
{
    spin(MarkerKind::Cars);
}
void frmBrookhop::optPlane_Click()
{
    spin(MarkerKind::Plane);
}

void frmBrookhop::unselectOptionButton(MarkerKind kind)
{
    optionButton(kind)->setValue(false);
}

void frmBrookhop::imgBicycle_Click(std::int16_t)
{
    unselectOptionButton(MarkerKind::Bicycle);
}
void frmBrookhop::imgCars_Click(std::int16_t)
{
    unselectOptionButton(MarkerKind::Cars);
}
void frmBrookhop::imgPlane_Click(std::int16_t)
{
    unselectOptionButton(MarkerKind::Plane);
}

void frmBrookhop::tbrYourMoves_ButtonClick(const QString &Key)
{
    const auto kind = markerOfKey(Key.toStdString());
    if (kind && flag(*kind))
        spin(*kind);
}

// A marker out of play has its menu item disabled, so the menu needs no test of the flag.
void frmBrookhop::mnuBicycle_Click()
{
    optBicycle_Click();
}
void frmBrookhop::mnuCars_Click()
{
    optCars_Click();
}
void frmBrookhop::mnuPlane_Click()
{
    optPlane_Click();
}

void frmBrookhop::openPlayerOptions(std::int16_t players)
{
    optionChoice = players;
    auto &dialog = form<frmPlayerOptions>();
    // Reaching the label loads the dialog, whose load takes every marker out of play.
    dialog.lblDirections()->setCaption(QString::fromLatin1(board::directionsFor(players)));
    if (!dialog.showModal())
        return;
}

void frmBrookhop::mnuOnePlayer_Click()
{
    openPlayerOptions(1);
}
void frmBrookhop::mnuTwoPlayers_Click()
{
    openPlayerOptions(2);
}
void frmBrookhop::mnuThreePlayers_Click()
{
    openPlayerOptions(3);
}

void frmBrookhop::mnuContents_Click()
{
    form<frmHelpBrookhop>().show();
}

void frmBrookhop::mnuHowTo_Click()
{
    MsgBox(
        QStringLiteral("You must click on an option button to start the game!!"), MsgButtons::OK, MsgIcon::Information);
}

void frmBrookhop::lblStart_MouseUp(int, int, double, double)
{
    PopupMenu(QStringLiteral("mnuStartHelp"));
}

void frmBrookhop::cmdEnd_Click()
{
    unload();
    form<frmSkydash>().show();
}
