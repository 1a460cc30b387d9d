// The board window's design: its frame and its control table.
#include "board/BoardLayout.h"
#include "board/frmBrookhop.h"

#include <array>

using namespace ui;

namespace {

constexpr quint32 blue = rgb(0, 0, 255);
constexpr quint32 red = rgb(255, 0, 0);
constexpr quint32 white = rgb(255, 255, 255);

struct SpinnerLabel {
    const char *name;
    const char *caption;
    quint32 back;
    double left, top, width;
};

constexpr std::array<SpinnerLabel, 7> spinnerLabels { {
    { "lblMinusTwo", "-2", rgb(255, 128, 128), 120, 120, 975 },
    { "lblMinusOne", "-1", rgb(128, 255, 128), 1080, 120, 975 },
    { "lblZero", "0", rgb(255, 255, 255), 120, 720, 1935 },
    { "lblOne", "1", rgb(128, 255, 255), 120, 1320, 975 },
    { "lblTwo", "2", rgb(255, 255, 128), 1080, 1320, 975 },
    { "lblThree", "3", rgb(255, 128, 255), 120, 1920, 975 },
    { "lblFour", "4", rgb(128, 128, 255), 1080, 1920, 975 },
} };

// The marker pictures under the option buttons in the spinner panel.
constexpr std::array<board::Rect, 3> spinnerPictures { {
    { 120, 3120, 495, 495 },
    { 840, 3120, 480, 480 },
    { 1560, 3120, 480, 480 },
} };

// The Tab key follows the game: the spin buttons, then the path from START to FINISH, each stone
// followed by the markers standing on it, then End and Restart.
constexpr int firstStoneTab = 10;
int stoneTab(int stone)
{
    return firstStoneTab + 4 * stone;
}
int markerTab(MarkerKind kind, int stone)
{
    return stoneTab(stone) + 1 + indexOf(kind);
}
constexpr int endTab = firstStoneTab + 4 * board::stoneCount;

QString stoneName(int stone)
{
    if (stone == board::startStone)
        return QStringLiteral("Stone 0, START");
    if (stone == board::finishStone)
        return QStringLiteral("Stone %1, FINISH").arg(stone);
    return QStringLiteral("Stone %1").arg(stone);
}

void addStones(QList<ControlDesign> &t)
{
    for (int i = 0; i < board::stoneCount; ++i) {
        const board::Rect r = board::stoneRect(i);
        t.append(pictureBox("picBrookhop", i)
                     .at(r.left, r.top, r.width, r.height)
                     .back(board::stoneColor(i))
                     .accessibleName(stoneName(i))
                     .tabIndex(stoneTab(i)));
    }
    for (int i = 0; i + 1 < board::stoneCount; ++i) {
        const board::Segment s = board::pathLine(i);
        t.append(line("linPath", i)
                     .from(s.x1, s.y1)
                     .to(s.x2, s.y2)
                     .fore(red)
                     .accessibleName(QStringLiteral("Path from stone %1 to stone %2").arg(i).arg(i + 1)));
    }
    const FontDesign big = arial(20.25).bold();
    t.append(label("lblStart").caption("START").at(120, 600, 1935, 495).back(white).fore(red).font(big).centred());
    t.append(label("lblFinish").caption("Finish").at(5520, 2640, 1935, 495).back(white).fore(red).font(big).centred());
}

void addMarkers(QList<ControlDesign> &t)
{
    for (MarkerKind kind : allMarkers) {
        const MarkerNames &n = names(kind);
        for (int i = 0; i < board::stoneCount; ++i) {
            const board::Rect r = board::markerRect(kind, i);
            t.append(image(n.pictures, i)
                         .in("picBrookhop", i)
                         .at(r.left, r.top, r.width, r.height)
                         .picture(n.icon32)
                         .stretch()
                         .dragIcon(n.icon32)
                         .tag(n.dragTag)
                         .visible(i == board::startStone)
                         .accessibleName(QStringLiteral("%1 marker on stone %2").arg(n.caption).arg(i))
                         .tabIndex(markerTab(kind, i)));
        }
    }
}

void addSpinner(QList<ControlDesign> &t)
{
    t.append(frame("fraSpinner").at(120, 2040, 2175, 3735).back(red).accessibleName(QStringLiteral("Spinner")));
    for (const SpinnerLabel &l : spinnerLabels) {
        t.append(label(l.name)
                     .in("fraSpinner")
                     .caption(l.caption)
                     .at(l.left, l.top, l.width, 615)
                     .back(l.back)
                     .font(arial(30).bold())
                     .centred()
                     .disabled()
                     .accessibleName(QStringLiteral("Spinner value %1").arg(QString::fromLatin1(l.caption))));
    }
    for (MarkerKind kind : allMarkers) {
        const MarkerNames &n = names(kind);
        const board::Rect r = spinnerPictures[indexOf(kind)];
        t.append(optionButton(n.optionButton)
                     .in("fraSpinner")
                     .at(240 + 720.0 * indexOf(kind), 2760, 255, 255)
                     .back(red)
                     .accessibleName(QStringLiteral("%1 spin button").arg(n.caption))
                     .tabIndex(indexOf(kind)));
        t.append(image(n.pictures, board::spinnerPicture)
                     .in("fraSpinner")
                     .at(r.left, r.top, r.width, r.height)
                     .picture(n.icon32)
                     .stretch()
                     .accessibleName(QStringLiteral("%1 marker").arg(n.caption)));
    }
}

void addBarsAndMenus(QList<ControlDesign> &t)
{
    QList<ToolButtonDesign> buttons;
    for (MarkerKind kind : allMarkers)
        buttons.append({ names(kind).toolbarKey, names(kind).toolTip, names(kind).icon16 });
    t.append(toolBar("tbrYourMoves").buttons(buttons).accessibleName(QStringLiteral("Your Moves toolbar")));
    t.append(statusBar("sbrDisplayMessage")
                 .panels({ { QStringLiteral("msg"), PanelStyle::Text }, { {}, PanelStyle::Time },
                     { {}, PanelStyle::Date } })
                 .accessibleName(QStringLiteral("Status bar")));

    t.append(topMenu("mnuYourMoves", "Your Moves"));
    for (MarkerKind kind : allMarkers)
        t.append(menuItem(names(kind).menuItem, names(kind).caption).in("mnuYourMoves"));
    t.append(topMenu("mnuPlayerOptions", "Player Options"));
    t.append(menuItem("mnuOnePlayer", "One Player").in("mnuPlayerOptions"));
    t.append(menuItem("mnuTwoPlayers", "Two Players").in("mnuPlayerOptions"));
    t.append(menuItem("mnuThreePlayers", "Three Players").in("mnuPlayerOptions"));
    t.append(topMenu("mnuHelp", "Help"));
    t.append(menuItem("mnuContents", "Contents").in("mnuHelp"));
    t.append(topMenu("mnuStartHelp", "Start Help").hidden());
    t.append(menuItem("mnuHowTo", "How to start?").in("mnuStartHelp"));
}

} // namespace

FormDesign frmBrookhop::formDesign() const
{
    FormDesign f;
    f.caption = QStringLiteral("Brookhop");
    f.backColor = blue;
    f.clientWidth = 8880;
    f.clientHeight = 5640;
    f.maximized = true;
    return f;
}

QList<ControlDesign> frmBrookhop::controls() const
{
    QList<ControlDesign> t;
    addStones(t);
    addMarkers(t);
    addSpinner(t);
    const FontDesign buttonFont = arial(9.75).bold();
    t.append(button("cmdEnd")
                 .caption("End")
                 .at(240, 6000, 975, 495)
                 .back(rgb(255, 255, 0))
                 .font(buttonFont)
                 .tabIndex(endTab));
    t.append(button("cmdRestart")
                 .caption("Restart")
                 .at(1200, 6000, 975, 495)
                 .back(rgb(0, 255, 0))
                 .font(buttonFont)
                 .tabIndex(endTab + 1));
    addBarsAndMenus(t);
    return t;
}
