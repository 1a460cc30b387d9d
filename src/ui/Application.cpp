// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Application.h"

#include "ui/ControlBase.h"
#include "ui/CursorBlink.h"
#include "ui/Dialogs.h"
#include "ui/Geometry.h"
#include "ui/Program.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

static void initResources()
{
    Q_INIT_RESOURCE(assets);
}

namespace ui {
namespace {

class PlayhavenStyle : public QProxyStyle {
public:
    PlayhavenStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    int styleHint(
        StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    // A focus rectangle as wide as a design pixel at the display scale: the style's own, drawn
    // again inside itself.
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const override
    {
        const int width = element == PE_FrameFocusRect ? scaledPixels(1) : 1;
        if (width == 1) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // Copied whole, as the kind of option it is: the style reads a focus rectangle's colour.
        const auto drawInside = [&](auto inner) {
            for (int i = 0; i < width; ++i) {
                inner.rect = option->rect.adjusted(i, i, -i, -i);
                QProxyStyle::drawPrimitive(element, &inner, painter, widget);
            }
        };
        if (const auto *focus = qstyleoption_cast<const QStyleOptionFocusRect *>(option))
            drawInside(*focus);
        else
            drawInside(*option);
    }
    // A check box or option button is one target, mark and text and the room beside them: a
    // click anywhere on it counts, and assistive technology gives its whole row.
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        if (element == SE_CheckBoxClickRect || element == SE_RadioButtonClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
    // The room the style leaves around a menu's titles and items grows with the text.
    QSize sizeFromContents(
        ContentsType type, const QStyleOption *option, const QSize &contents, const QWidget *widget) const override
    {
        const QSize base = QProxyStyle::sizeFromContents(type, option, contents, widget);
        if (type != CT_MenuBarItem && type != CT_MenuItem)
            return base;
        const QSize room = base - contents;
        return contents + QSize(scaledPixels(room.width()), scaledPixels(room.height()));
    }
    // The boxes, marks and icons the style draws grow with the windows' display scale.
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            // A check box's or option button's mark fits the row the design gives it: the row's
            // height in twips, so that rows of one height whose edges round differently (12 and
            // 13 pixels at 0.95) still show marks of one size.
            if (widget && widget->height() > 0) {
                const ControlBase *control = controlOf(const_cast<QWidget *>(widget));
                const int row
                    = control ? std::min(twipsToPixels(control->Height()), widget->height()) : widget->height();
                return std::min(scaledPixels(base), row);
            }
            return scaledPixels(base);
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_SmallIconSize:
        case PM_LargeIconSize:
        case PM_ButtonIconSize:
        case PM_ToolBarIconSize:
        case PM_MessageBoxIconSize:
        case PM_ScrollBarExtent:
        case PM_ScrollBarSliderMin:
        case PM_DefaultFrameWidth:
        case PM_ButtonMargin:
        case PM_LayoutLeftMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
            return scaledPixels(base);
        default:
            return base;
        }
    }
};

} // namespace

void useDisplayScale(double scale)
{
    // The application's font before any scale, taken the first time.
    static const QFont designFont = QApplication::font();
    setDisplayScale(scale);
    QFont font = designFont;
    if (designFont.pointSizeF() > 0)
        font.setPointSizeF(scaledPoints(designFont.pointSizeF()));
    else if (designFont.pixelSize() > 0)
        font.setPixelSize(scaledPixels(designFont.pixelSize()));
    QApplication::setFont(font);
}

void initApplication(QApplication &app)
{
    initResources();
    app.setApplicationName(QStringLiteral("playhaven"));
    app.setApplicationDisplayName(QString());
    app.setQuitOnLastWindowClosed(false);
    app.setStyle(new PlayhavenStyle);
    app.setWindowIcon(QIcon(QStringLiteral(":/appicon/playhaven-64.png")));
    new CursorBlinkRest(CursorBlinkRest::defaultRestAfter, &app);
    Program::instance();
}

} // namespace ui
