// SPDX-License-Identifier: GPL-3.0-or-later
// The board window's design: its frame and the rows built alike for each stone, path line,
// marker and spinner value.
#include "board/BoardLayout.h"
#include "board/frmBrookhop.h"

#include <array>

using namespace ui;

namespace {

// The marker pictures under the spin buttons in the spinner panel.
constexpr std::array<board::Rect, 3> spinnerPictures { {
    { 120, 3120, 495, 495 },
    { 840, 3120, 480, 480 },
    { 1560, 3120, 480, 480 },
} };

} // namespace

QString frmBrookhop::stoneName(int stone)
{
    if (stone == board::startStone)
        //: What a screen reader calls a square of the board's path, numbered from START (0).
        return tr("Stone 0, START");
    if (stone == board::finishStone)
        return tr("Stone %1, FINISH").arg(stone);
    return tr("Stone %1").arg(stone);
}

FormDesign frmBrookhop::formDesign() const
{
    return {
        .caption = tr("Brookhop"), .backColor = blue, .clientWidth = 8880, .clientHeight = 5640, .maximized = true
    };
}

Rows<PictureBox> frmBrookhop::stoneRows()
{
    Rows<PictureBox> rows;
    for (int i = 0; i < board::stoneCount; ++i) {
        const board::Rect r = board::stoneRect(i);
        rows.append(pictureBox()
                        .element(i)
                        .at(r.left, r.top, r.width, r.height)
                        .back(board::stoneColor(i))
                        .accessibleName(stoneName(i))
                        .tabIndex(firstStoneTab + 4 * i));
    }
    return rows;
}

Rows<Line> frmBrookhop::pathRows()
{
    Rows<Line> rows;
    for (int i = 0; i + 1 < board::stoneCount; ++i) {
        const board::Segment s = board::pathLine(i);
        const QString name = tr("Path from stone %1 to stone %2").arg(i).arg(i + 1);
        rows.append(line().element(i).from(s.x1, s.y1).to(s.x2, s.y2).fore(red).accessibleName(name));
    }
    return rows;
}

Rows<Image> frmBrookhop::markerRows(MarkerKind kind, const ControlSlot &stones, const ControlSlot &panel)
{
    const MarkerNames &n = names(kind);
    Rows<Image> rows;
    for (int i = 0; i < board::stoneCount; ++i) {
        const board::Rect r = board::markerRect(kind, i);
        rows.append(image()
                        .element(i)
                        .in(stones, i)
                        .at(r.left, r.top, r.width, r.height)
                        .picture(n.icon32)
                        .stretch()
                        .dragIcon(n.icon32)
                        .tag(n.dragTag)
                        .visible(i == board::startStone)
                        .accessibleName(tr(n.onStoneName).arg(i))
                        .tabIndex(firstStoneTab + 4 * i + 1 + indexOf(kind)));
    }
    const board::Rect r = spinnerPictures[indexOf(kind)];
    rows.append(image()
                    .element(board::spinnerPicture)
                    .in(panel)
                    .at(r.left, r.top, r.width, r.height)
                    .picture(n.icon32)
                    .stretch()
                    .accessibleName(tr(n.panelName)));
    return rows;
}

Row<Label> frmBrookhop::spinnerValue(const char *value)
{
    // Named as the panel is while the value is lit: two words, which a screen reader does not
    // read out with the panel each time the focus comes back to a spin button.
    //: The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of
    //: them.
    const QString name = tr("Spinner: %1").arg(QString::fromLatin1(value));
    return label().caption(value).font(arial(30).bold()).centred().disabled().accessibleName(name);
}

Row<OptionButton> frmBrookhop::spinButton(MarkerKind kind)
{
    return optionButton()
        .at(240 + 720.0 * indexOf(kind), 2760, 255, 255)
        .back(red)
        .accessibleName(tr(names(kind).spinButtonName))
        .tabIndex(indexOf(kind));
}

QList<ToolButtonDesign> frmBrookhop::markerButtons()
{
    QList<ToolButtonDesign> buttons;
    for (MarkerKind kind : allMarkers)
        buttons.append({ names(kind).toolbarKey, markerText(names(kind).toolTip), names(kind).icon16 });
    return buttons;
}
