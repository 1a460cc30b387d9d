// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxLook.h"

#include "ui/Geometry.h"
#include "ui/Pictures.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// The boxes at scale 1 as the toolkit lays them out with the program's style, so that at scale 1
// they stay as they were (but for the buttons' icons).
constexpr int designMargin = 11;
constexpr int designSpacing = 6;
constexpr int designSignSide = 32;
constexpr int designIndentBesideSign = 7; // between the sign and the text
constexpr int designIndentWithoutSign = 15; // before the text of a box without a sign
// The buttons of the window designs; the style makes a button at least 80 pixels wide.
constexpr int designButtonWidth = 75;
constexpr int designButtonHeight = 23;
// On a desktop screen the toolkit wraps a long text to keep its box 500 pixels wide; at another
// scale the box that wraps it is that much wider or narrower.
constexpr int designWrapBoxWidth = 500;

QString signSource(QMessageBox::Icon kind)
{
    switch (kind) {
    case QMessageBox::Information:
        return QStringLiteral(":/vector/message-information.svg");
    case QMessageBox::Warning:
        return QStringLiteral(":/vector/message-exclamation.svg");
    case QMessageBox::Question:
        return QStringLiteral(":/vector/message-question.svg");
    case QMessageBox::Critical:
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

void setMargins(QLayout *layout, int margin)
{
    layout->setContentsMargins(margin, margin, margin, margin);
}

// Plain buttons, as on the desktop the designs come from: the style's coloured discs on Yes, No
// and OK appear nowhere else in the program.
void plainButtons(QDialogButtonBox *box)
{
    if (!box)
        return;
    for (QAbstractButton *button : box->buttons()) {
        button->setIcon(QIcon());
        button->setMinimumSize(scaledPixels(designButtonWidth), scaledPixels(designButtonHeight));
    }
    if (box->layout())
        box->layout()->setSpacing(scaledPixels(designSpacing));
    // The box's layout may have measured the row already (the input box's has): it measures
    // again now, not only once the buttons have told it, after the box is shown at the old size.
    box->updateGeometry();
}

// The width the label's text takes unwrapped: that of its longest line.
int unwrappedWidth(QLabel *label)
{
    const bool wrapped = label->wordWrap();
    label->setWordWrap(false);
    const int width = label->sizeHint().width();
    label->setWordWrap(wrapped);
    return width;
}

} // namespace

QPixmap messageSign(QMessageBox::Icon kind, qreal ratio)
{
    const QString source = signSource(kind);
    if (source.isEmpty())
        return {};
    const int side = scaledPixels(designSignSide);
    return vectorDrawing(source, QSize(side, side), ratio);
}

void fitMessageBoxToScale(QMessageBox &box)
{
    if (const QPixmap sign = messageSign(box.icon(), box.devicePixelRatio()); !sign.isNull()) {
        // Put into the style's place, so the box keeps its kind; setIconPixmap() would make it
        // a box without one.
        auto *signLabel = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
        if (signLabel && box.icon() != QMessageBox::NoIcon)
            signLabel->setPixmap(sign);
        else
            box.setIconPixmap(sign);
    }
    plainButtons(box.findChild<QDialogButtonBox *>());
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!grid || !text)
        return; // laid out otherwise than this toolkit does: left as the toolkit makes it
    const int margin = scaledPixels(designMargin), spacing = scaledPixels(designSpacing);
    setMargins(grid, margin);
    grid->setHorizontalSpacing(spacing);
    grid->setVerticalSpacing(spacing);
    const bool hasSign = !box.iconPixmap().isNull();
    const int indent = scaledPixels(hasSign ? designIndentBesideSign : designIndentWithoutSign);
    // The indent is the spacer of the text's row, beside the sign.
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &row, &column, &rows, &columns);
        if (QSpacerItem *spacer = grid->itemAt(i)->spacerItem(); spacer && row == 0)
            spacer->changeSize(indent, 1, QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    grid->invalidate();

    // The box decides when it is shown: unwrapped, unless that makes it wider than a soft limit;
    // then wrapped at the width its layout needs, but never wider than a hard limit, past which
    // it breaks words (Qt 6.4, QMessageBoxPrivate::updateSize). A text that needs wrapping must
    // therefore make the box wider than the soft limit, or it is cut at the label's edge.
    const int screenWidth = box.screen()->availableGeometry().width();
    const int softLimit = std::min(screenWidth / 2, 500);
    const int hardLimit
        = std::max(softLimit + 1, screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000));
    const int beside = 2 * margin + indent + spacing + (hasSign ? scaledPixels(designSignSide) + spacing : 0);
    const int wrapWidth = std::clamp(scaledPixels(designWrapBoxWidth), softLimit + 1, hardLimit) - beside;
    text->setMinimumWidth(std::min(unwrappedWidth(text), wrapWidth));
}

void fitInputBoxToScale(QInputDialog &dialog, int titleWidth)
{
    // The dialog builds its layout, line edit and buttons when it is first measured or shown.
    dialog.minimumSizeHint();
    auto *prompt = dialog.findChild<QLabel *>();
    if (!prompt || !dialog.layout())
        return;
    const int margin = scaledPixels(designMargin);
    setMargins(dialog.layout(), margin);
    dialog.layout()->setSpacing(scaledPixels(designSpacing));
    plainButtons(dialog.findChild<QDialogButtonBox *>());
    // A prompt too long for the width a message box gives its text wraps at that width.
    const int screenWidth = dialog.screen()->availableGeometry().width();
    const int wrapWidth = std::min(scaledPixels(designWrapBoxWidth), screenWidth) - 2 * margin;
    const int unwrapped = unwrappedWidth(prompt);
    prompt->setWordWrap(unwrapped > wrapWidth);
    prompt->setMinimumWidth(std::max(titleWidth, std::min(unwrapped, wrapWidth)));
}

} // namespace ui
